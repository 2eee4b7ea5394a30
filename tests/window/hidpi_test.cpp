// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "surface/pointerart.h"
#include "window/pointerimages.h"
#include "window/resxwindow.h"

#include <QIcon>
#include <QImage>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

using enum Control;

namespace {

// True when the image is the 32 x 32 original with every pixel a factor x factor block.
bool enlargedWithoutSmoothing(const QImage &image, const QImage &original, int factor) {
  const QImage big = image.convertToFormat(QImage::Format_ARGB32);
  const QImage small = original.convertToFormat(QImage::Format_ARGB32);
  if (big.size() != small.size() * factor) {
    return false;
  }
  for (int y = 0; y < big.height(); ++y) {
    for (int x = 0; x < big.width(); ++x) {
      if (big.pixel(x, y) != small.pixel(x / factor, y / factor)) {
        return false;
      }
    }
  }
  return true;
}

} // namespace

// Run with QT_SCALE_FACTOR=2.
TEST(HighDensity, TheWindowKeepsItsLayoutAtTwiceTheSize) {
  ASSERT_EQ(qApp->devicePixelRatio(), 2.0);
  ResXWindow window;
  window.open();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  const QPoint band = window.control(dig1)->geometry().center();
  QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, window.control(red)->geometry().center());
  QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, band);

  const QImage image = window.grab().toImage();
  EXPECT_EQ(image.size(), QSize(694, 524));
  EXPECT_EQ(window.control(dig1)->geometry(), QRect(137, 100, 13, 46));
  EXPECT_EQ(image.pixelColor(band * 2), QColor(255, 0, 0));
  EXPECT_EQ(image.pixelColor(QPoint(137, 100) * 2), QColor(255, 0, 0));               // the band's corner
  EXPECT_EQ(image.pixelColor(QPoint(150, 120) * 2), QColor(0, 192, 0));               // the body beside it
  EXPECT_EQ(image.pixelColor(QPoint(200, 97) * 2 + QPoint(1, 1)), QColor(Qt::black)); // a 2-pixel outline
}

TEST(HighDensity, PointersAndIconStaySharp) {
  ResXWindow window;
  window.open();
  window.surface().setWindowCursor(violet);
  const QCursor cursor = window.cursor();
  // QCursor reads back the hot spot it was given; where it lands is tested on
  // the X server by the program tests.
  EXPECT_EQ(cursor.pixmap().devicePixelRatio(), 2.0);
  EXPECT_TRUE(
      enlargedWithoutSmoothing(cursor.pixmap().toImage(), pointerimages::image(pointerart::swatchArrow(violet)), 2));
  EXPECT_TRUE(enlargedWithoutSmoothing(window.control(resxx)->cursor().pixmap().toImage(),
                                       pointerimages::image(pointerart::valueFieldArrow()), 2));
  const QIcon icon = window.windowIcon();
  EXPECT_EQ(icon.availableSizes(), QList<QSize>({{16, 16}, {32, 32}, {64, 64}}));
  EXPECT_TRUE(enlargedWithoutSmoothing(icon.pixmap(QSize(64, 64), 1.0).toImage(),
                                       pointerimages::image(pointerart::windowIcon()), 2));
}
