// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "surface/design.h"
#include "surface/recordingsurface.h"
#include "tests/support/seed.h"
#include "tests/window/qtprint.h"
#include "tests/window/showntext.h"
#include "window/picturebox.h"
#include "window/qtcolour.h"
#include "window/resxwindow.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <random>

using enum Control;

namespace {

QPoint centre(const design::Rect &r) { return {r.left + r.width / 2, r.top + r.height / 2}; }
bool contains(const design::Rect &r, QPoint p) {
  return p.x() >= r.left && p.x() < r.left + r.width && p.y() >= r.top && p.y() < r.top + r.height;
}

// The back colour a control shows: a picture box's own, any other's from its palette.
Colour shownBack(const QWidget *control) {
  const auto *box = qobject_cast<const PictureBox *>(control);
  return colourValue(box != nullptr ? box->backColor() : control->palette().color(control->backgroundRole()));
}

std::string shortened(const std::string &text) { return text.size() <= 40 ? text : text.substr(0, 40) + "..."; }

// The opened window and, beside it, a decoder on a recording surface that is
// given the handler calls the window's clicks should make.
struct Sides {
  ResXWindow window;
  RecordingSurface surface;
  ResX model{surface};
  std::array<Colour, kControlCount> designBack{}; // what the window makes of the design colours

  Sides() {
    for (std::size_t i = 0; i < kControlCount; ++i) {
      designBack[i] = shownBack(window.control(static_cast<Control>(i)));
    }
    window.open();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    model.Form_Load();
  }

  [[nodiscard]] QWindow *handle() const { return window.windowHandle(); }
  [[nodiscard]] QString text(Control c) const { return shownText(window.control(c)); }

  // The wired control that takes a left click at the point, as the model has
  // the controls: visible ones only.
  [[nodiscard]] std::optional<Control> target(QPoint at) const {
    for (std::size_t i = 0; i < kControlCount; ++i) {
      const auto c = static_cast<Control>(i);
      if (ResX::clickHandler(c) != nullptr && surface.state(c).visible && contains(design::item(c).rect, at)) {
        return c;
      }
    }
    return std::nullopt;
  }
  void call(std::optional<Control> c, int times = 1) {
    for (int i = 0; c && i < times; ++i) {
      (model.*ResX::clickHandler(*c))();
    }
  }

  // Every disagreement in what the user sees, but for the control `except`.
  [[nodiscard]] std::string differences(std::optional<Control> except = std::nullopt) const {
    std::string out;
    for (std::size_t i = 0; i < kControlCount; ++i) {
      const auto c = static_cast<Control>(i);
      if (c == except) {
        continue;
      }
      const RecordingSurface::State &expected = surface.state(c);
      const std::string name(design::item(c).name);
      const std::string shown = text(c).toStdString();
      if (shown != expected.text) {
        out += name + " text: window \"" + shortened(shown) + "\", model \"" + shortened(expected.text) + "\"\n";
      }
      // Colours of the desktop scheme are the window's palette's; the decoder never sets them.
      const Colour back = design::isSystemColour(expected.back) ? designBack[i] : expected.back;
      if (shownBack(window.control(c)) != back) {
        out += name + " back colour differs\n";
      }
      if (window.control(c)->isVisibleTo(&window) != expected.visible) {
        out += name + " visibility differs\n";
      }
    }
    if (!surface.windowCursor() || !(window.cursor() == window.swatchCursor(*surface.windowCursor()))) {
      out += "window pointer differs\n";
    }
    return out;
  }
};

// Characters a user might type, one key at a time: Latin, Cyrillic, signs and
// control characters; and keys that could reach a default button.
const QString kTyped = QStringLiteral("Az09 ,.;±Привет, мир ёЁ") + QChar(0x01) + QChar('\t') + QChar('\n') +
                       QChar('\r') + QChar(0x1B) + QChar(0x7F) + QChar(0x08);
constexpr Qt::Key kKeys[] = {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Space};

// One mebibyte of mixed text with line breaks and control characters.
QString mebibyte() {
  const QString piece = QStringLiteral("4,7 KOm ± 5% Сопротивление\x01\t\r\n");
  QString text;
  text.reserve(1 << 20);
  while (text.size() < (1 << 20)) {
    text += piece;
  }
  text.truncate(1 << 20);
  return text;
}

struct FieldRow {
  Control field;
  Control nextWrite; // the click after which the decoder writes the field again
};

enum class Gesture : std::uint8_t { click, doubleClick, burst, middleButton, drag };
constexpr const char *kGestureNames[] = {"click", "double click", "burst", "middle click", "drag"};

// `count` left clicks as fast as the test API gives them: double clicks back to
// back, then a single click when the count is odd.
void burst(QWindow *handle, QPoint at, int count) {
  for (int i = 0; i + 1 < count; i += 2) {
    QTest::mouseDClick(handle, Qt::LeftButton, {}, at);
  }
  if (count % 2 == 1) {
    QTest::mouseClick(handle, Qt::LeftButton, {}, at);
  }
}

class RandomGestures : public testing::TestWithParam<std::uint32_t> {};

} // namespace

TEST(BadInput, TypingAndPastingIntoTheOutputFieldsCallsNoHandler) {
  const QString clip = mebibyte();
  for (const FieldRow row : {FieldRow{resxx, dig1}, FieldRow{toler, stripbutton}}) {
    SCOPED_TRACE(design::item(row.field).name.data());
    Sides sides;
    auto *edit = qobject_cast<QLineEdit *>(sides.window.control(row.field));
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    edit->end(false);

    QString expected = edit->text();
    for (const QChar ch : kTyped) {
      QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(ch), Qt::NoModifier);
      if (ch.isPrint()) {
        expected += ch; // what the field shows of it
      }
    }
    for (const Qt::Key key : kKeys) {
      QTest::keyClick(edit, key);
      if (key == Qt::Key_Space) {
        expected += ' ';
      }
    }
    ASSERT_EQ(edit->text(), expected);

    QGuiApplication::clipboard()->setText(clip);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    // The field keeps at most its length limit: the start of the pasted text lands.
    expected += clip.left(edit->maxLength() - expected.size());
    EXPECT_EQ(edit->text().size(), edit->maxLength());
    EXPECT_TRUE(edit->text() == expected) << "the field does not show the typed and pasted text";
    EXPECT_EQ(sides.differences(row.field), "") << "a handler ran";

    // The next value the decoder writes replaces whatever was typed.
    QTest::mouseClick(sides.handle(), Qt::LeftButton, {}, centre(design::item(row.nextWrite).rect));
    sides.call(row.nextWrite);
    EXPECT_EQ(sides.differences(), "");
  }
}

// Seeded gestures at points over every item of the design and anywhere on the
// window; after each, the window shows what the model shows after the single
// clicks the gesture amounts to.
TEST_P(RandomGestures, LeaveTheStateThatTheirSingleClicksLeave) {
  const std::uint32_t seed = testSeed(GetParam());
  std::mt19937 random(seed);
  const auto uniform = [&random](int low, int high) { return std::uniform_int_distribution(low, high)(random); };
  const auto point = [&] {
    if (uniform(0, 6) == 0) {
      return QPoint(uniform(1, design::window().width - 1), uniform(1, design::window().height - 1));
    }
    const design::Rect &r = design::items()[static_cast<std::size_t>(uniform(0, design::kItemCount - 1))].rect;
    return QPoint(uniform(r.left, r.left + r.width - 1), uniform(r.top, r.top + r.height - 1));
  };

  Sides sides;
  QWindow *handle = sides.handle();
  int hidden = 0;
  int missed = 0;
  int repeated = 0;
  for (int step = 0; step < 1000; ++step) {
    const auto gesture = static_cast<Gesture>(uniform(0, 4));
    const QPoint at = point();
    const std::optional<Control> target = sides.target(at);
    for (const Control band : {dig4, dig5, dig6}) {
      hidden += static_cast<int>(!sides.surface.state(band).visible && contains(design::item(band).rect, at));
    }
    missed += static_cast<int>(!target);
    std::string what = kGestureNames[static_cast<int>(gesture)];
    switch (gesture) {
    case Gesture::click:
      QTest::mouseClick(handle, Qt::LeftButton, {}, at);
      sides.call(target);
      break;
    case Gesture::doubleClick: // delivers two clicks
      QTest::mouseDClick(handle, Qt::LeftButton, {}, at);
      sides.call(target, 2);
      repeated += static_cast<int>(target.has_value());
      break;
    case Gesture::burst: {
      const int count = uniform(3, 6);
      burst(handle, at, count);
      sides.call(target, count);
      repeated += static_cast<int>(target.has_value());
      what += " of " + std::to_string(count);
      break;
    }
    case Gesture::middleButton: QTest::mouseClick(handle, Qt::MiddleButton, {}, at); break;
    case Gesture::drag: {
      // A click only when released on the control that took the press.
      const QPoint to = point();
      QTest::mousePress(handle, Qt::LeftButton, {}, at);
      QTest::mouseMove(handle, to);
      QTest::mouseRelease(handle, Qt::LeftButton, {}, to);
      if (target == sides.target(to)) {
        sides.call(target);
      }
      what += " to (" + std::to_string(to.x()) + ", " + std::to_string(to.y()) + ")";
      break;
    }
    }
    ASSERT_EQ(sides.differences(), "") << "seed " << seed << ", step " << step << ": " << what << " at (" << at.x()
                                       << ", " << at.y() << ")";
  }
  // The sequence reached what it is meant to: hidden bands, unwired spots, repeated clicks.
  EXPECT_GT(hidden, 0);
  EXPECT_GT(missed, 0);
  EXPECT_GT(repeated, 0);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomGestures, testing::Values(1U, 2U, 3U));
