// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/stats.h"
#include "window/resxwindow.h"

#include <QApplication>
#include <QEvent>
#include <QTest>
#include <QWindow>

#include <chrono>
#include <cstdio>
#include <vector>

// Click to repaint: alternating pick and band clicks through the window's
// native handle, so each goes through hit-testing as a real click does, on the
// offscreen platform so that no display server takes part.
//
// A sample runs from just before the click to the point where every event it
// caused has been delivered: QTest::mouseClick delivers press and release and
// processes events, and sendPostedEvents then drains anything still queued. The
// band's palette change schedules an update request, whose handling paints the
// dirty region (the band's paint event among it) and flushes it to the backing
// store; an event filter confirms that each band click did paint the band, so
// a sample never ends before the repaint. Grabbing the window would time a
// full render instead, and waiting on a timer would time the timer.

namespace {

using enum Control;

constexpr int kClicks = 10'000;
constexpr int kWarmUpClicks = 200;
constexpr double kTargetMs = 1.0;

// Counts the paint events a widget receives.
class PaintCounter final : public QObject {
public:
  explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
  [[nodiscard]] int count() const { return count_; }

protected:
  bool eventFilter(QObject * /*watched*/, QEvent *event) override {
    if (event->type() == QEvent::Paint) {
      ++count_;
    }
    return false;
  }

private:
  int count_ = 0;
};

void printRow(const char *what, const std::vector<double> &samples) {
  std::printf("  %-28s median %7.3f ms   99th percentile %7.3f ms\n", what, stats::median(samples),
              stats::percentile(samples, 99));
}

} // namespace

int main(int argc, char *argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ResXWindow window;
  window.open();
  if (!QTest::qWaitForWindowExposed(&window)) {
    std::fprintf(stderr, "the window was not exposed\n");
    return 1;
  }
  QWindow *const handle = window.windowHandle();
  const auto centre = [&window](Control control) { return window.control(control)->geometry().center(); };
  // Band 1 accepts both colours, so every band click changes its colour and repaints it.
  const Control picks[] = {yellow, violet};
  const PaintCounter bandPaints(window.control(dig1));

  std::vector<double> bandMs;
  std::vector<double> pickMs;
  for (int i = 0; i < kWarmUpClicks + kClicks; ++i) {
    const bool band = i % 2 == 1;
    const Control pick = picks[(i / 2) % 2];
    const QPoint point = centre(band ? dig1 : pick);
    const int paintsBefore = bandPaints.count();

    const auto start = std::chrono::steady_clock::now();
    QTest::mouseClick(handle, Qt::LeftButton, {}, point);
    QCoreApplication::sendPostedEvents();
    const auto end = std::chrono::steady_clock::now();

    if (band &&
        (bandPaints.count() == paintsBefore || window.surface().backColor(dig1) != window.surface().backColor(pick))) {
      std::fprintf(stderr, "band click %d did not repaint the band in the picked colour\n", i);
      return 1;
    }
    if (i >= kWarmUpClicks) {
      (band ? bandMs : pickMs).push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
  }

  const double median = stats::median(bandMs);
  std::printf("Click to repaint, offscreen: %d clicks alternating a pick and a band click, after %d untimed\n", kClicks,
              kWarmUpClicks);
  printRow("band click to repainted band", bandMs);
  printRow("pick click (for comparison)", pickMs);
  std::printf("  band click median %.3f ms   target < %.1f ms: %s\n", median, kTargetMs,
              median < kTargetMs ? "met" : "NOT met");
  return 0;
}
