// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "surface/pointerart.h"
#include "window/pointerimages.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <set>
#include <stdexcept>
#include <vector>

using enum Control;

namespace {

QImage swatchArrow(Control swatch) { return pointerimages::image(pointerart::swatchArrow(swatch)); }

constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kDarkRed = qRgb(128, 0, 0);
constexpr QRgb kNavy = qRgb(0, 0, 128);
constexpr QRgb kLightGrey = qRgb(192, 192, 192);
constexpr QRgb kDarkGrey = qRgb(128, 128, 128);
constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kGreen = qRgb(0, 255, 0);
constexpr QRgb kYellow = qRgb(255, 255, 0);
constexpr QRgb kMagenta = qRgb(255, 0, 255);
constexpr QRgb kCyan = qRgb(0, 255, 255);
constexpr QRgb kWhite = qRgb(255, 255, 255);

constexpr std::array kSwatches{black, brown, red, orange, yellow, green, blue, violet, grey, white, gold, silver};
constexpr std::array<QPoint, 4> kSides{{{1, 0}, {-1, 0}, {0, 1}, {0, -1}}};

bool clear(const QImage &image, QPoint p) { return !image.valid(p) || qAlpha(image.pixel(p)) == 0; }

std::vector<QPoint> opaque(const QImage &image) {
  std::vector<QPoint> points;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (!clear(image, {x, y})) {
        points.emplace_back(x, y);
      }
    }
  }
  return points;
}

// The 16 colours: each channel 0 or 128 (the dark half), each 0 or 255 (the bright half), or light grey.
bool inPalette(QRgb c) {
  const std::array channels{qRed(c), qGreen(c), qBlue(c)};
  return qAlpha(c) == 255 &&
         (std::ranges::all_of(channels, [](int v) { return v == 0 || v == 128; }) ||
          std::ranges::all_of(channels, [](int v) { return v == 0 || v == 255; }) || c == kLightGrey);
}

bool touchesClear(const QImage &image, QPoint p) {
  return std::ranges::any_of(kSides, [&](QPoint side) { return clear(image, p + side); });
}

bool nearClear(const QImage &image, QPoint p) {
  return touchesClear(image, p) || std::ranges::any_of(kSides, [&](QPoint side) {
           return clear(image, p + side + QPoint(-side.y(), side.x())); // each side turned a quarter: a corner
         });
}

// The arrow's interior: black inside black's arrow (its outline is light grey).
bool inside(QPoint p) {
  static const QImage arrow = swatchArrow(black);
  return arrow.valid(p) && arrow.pixel(p) == kBlack;
}

} // namespace

TEST(PointerImages, AreSquareThirtyTwoAndOpaqueOnlyInTheSixteenColours) {
  std::vector<QImage> images{pointerimages::image(pointerart::valueFieldArrow()),
                             pointerimages::image(pointerart::windowIcon())};
  for (const Control swatch : kSwatches) {
    images.push_back(swatchArrow(swatch));
  }
  for (const QImage &image : images) {
    ASSERT_EQ(image.size(), QSize(32, 32));
    EXPECT_EQ(image.format(), QImage::Format_ARGB32);
    for (int y = 0; y < 32; ++y) {
      for (int x = 0; x < 32; ++x) {
        const QRgb pixel = image.pixel(x, y);
        EXPECT_TRUE(qAlpha(pixel) == 0 || inPalette(pixel)) << x << "," << y << " " << std::hex << pixel;
      }
    }
  }
  EXPECT_THROW((void)swatchArrow(dig1), std::out_of_range);
}

TEST(PointerImages, ArrowsHaveTheirSizeBoxAndTip) {
  struct Row {
    QImage image;
    int count;
    QRect box;
  };
  std::vector<Row> rows{
      {pointerimages::image(pointerart::valueFieldArrow()), 54, QRect(QPoint(17, 14), QPoint(24, 31))}};
  for (const Control swatch : kSwatches) {
    rows.push_back({swatchArrow(swatch), 117, QRect(QPoint(16, 13), QPoint(27, 31))});
  }
  for (const Row &row : rows) {
    const std::vector<QPoint> points = opaque(row.image);
    QRect box;
    for (const QPoint p : points) {
      box |= QRect(p, QSize(1, 1));
    }
    EXPECT_EQ(points.size(), row.count);
    EXPECT_EQ(box, row.box);
    EXPECT_EQ(points.front(), row.box.topLeft()); // the tip: topmost, then leftmost
  }
  // Used as a pointer, an image's hot spot is its centre: three pixels below the swatch arrow's tip.
  EXPECT_EQ(QPoint(swatchArrow(red).width() / 2, swatchArrow(red).height() / 2), QPoint(16, 13) + QPoint(0, 3));
}

TEST(PointerSwatchArrow, AllShareOneMask) {
  const QImage mask = swatchArrow(black).createAlphaMask();
  for (const Control swatch : kSwatches) {
    EXPECT_EQ(swatchArrow(swatch).createAlphaMask(), mask) << static_cast<int>(swatch);
  }
}

// Grey's arrow inverts black's; the interior never meets the outside and every outline pixel
// borders either the outside or the interior.
TEST(PointerSwatchArrow, OutlineEnclosesTheInterior) {
  const QImage blackArrow = swatchArrow(black);
  const QImage greyArrow = swatchArrow(grey);
  int interior = 0;
  for (const QPoint p : opaque(blackArrow)) {
    EXPECT_EQ(greyArrow.pixel(p), inside(p) ? kLightGrey : kBlack);
    EXPECT_EQ(blackArrow.pixel(p), inside(p) ? kBlack : kLightGrey);
    if (inside(p)) {
      ++interior;
      EXPECT_FALSE(touchesClear(blackArrow, p)) << p.x() << "," << p.y();
    } else {
      EXPECT_TRUE(touchesClear(blackArrow, p) ||
                  std::ranges::any_of(kSides, [p](QPoint side) { return inside(p + side); }))
          << p.x() << "," << p.y();
    }
  }
  EXPECT_GT(interior, 50);
}

TEST(PointerSwatchArrow, ColoursFollowTheSwatch) {
  struct Row {
    Control swatch;
    std::set<QRgb> interior;
    std::set<QRgb> outline;
  };
  const Row rows[] = {
      {black, {kBlack}, {kLightGrey}},
      {brown, {kDarkRed}, {kLightGrey}},
      {red, {kRed}, {kDarkGrey}},
      {orange, {kRed, kYellow}, {kDarkGrey}},
      {yellow, {kYellow}, {kLightGrey}},
      {green, {kGreen}, {kLightGrey}},
      {blue, {kCyan}, {kDarkGrey}},
      {violet, {kMagenta}, {kDarkGrey}},
      {grey, {kLightGrey}, {kBlack}},
      {white, {kWhite}, {kLightGrey}},
      {gold, {kYellow, kWhite}, {kLightGrey, kWhite}},
      {silver, {kWhite, kCyan, kLightGrey}, {kLightGrey}},
  };
  for (const Row &row : rows) {
    const QImage arrow = swatchArrow(row.swatch);
    std::set<QRgb> interior;
    std::set<QRgb> outline;
    for (const QPoint p : opaque(arrow)) {
      (inside(p) ? interior : outline).insert(arrow.pixel(p));
      // By position alone: beside the outside is outline, with nothing clear around is interior.
      EXPECT_TRUE(!touchesClear(arrow, p) || row.outline.contains(arrow.pixel(p))) << p.x() << "," << p.y();
      EXPECT_TRUE(nearClear(arrow, p) || row.interior.contains(arrow.pixel(p))) << p.x() << "," << p.y();
    }
    EXPECT_EQ(interior, row.interior) << static_cast<int>(row.swatch);
    EXPECT_EQ(outline, row.outline) << static_cast<int>(row.swatch);
  }
}

TEST(PointerSwatchArrow, OrangeIsACheckerboard) {
  const QImage arrow = swatchArrow(orange);
  for (const QPoint p : opaque(arrow)) {
    for (const QPoint next : {p + QPoint(1, 0), p + QPoint(0, 1)}) {
      if (inside(p) && inside(next)) {
        EXPECT_NE(arrow.pixel(p), arrow.pixel(next)) << p.x() << "," << p.y();
      }
    }
  }
}

TEST(PointerSwatchArrow, GoldIsWhiteDownTheLeftEdgeAndLightGreyOnTheRight) {
  const QImage arrow = swatchArrow(gold);
  for (int y = 13; y <= 28; ++y) {
    EXPECT_EQ(arrow.pixel(16, y), kWhite) << y;
  }
  for (int y = 14; y <= 31; ++y) {
    int right = 31;
    while (clear(arrow, {right, y})) {
      --right;
    }
    EXPECT_EQ(arrow.pixel(right, y), kLightGrey) << y;
  }
}

// A magenta head closed by its light grey outline, then a light grey stem, at most two pixels
// a row, stepping only rightwards down to the bottom right corner of its box.
TEST(PointerValueFieldArrow, IsAMagentaHeadOnALightGreyStem) {
  const QImage arrow = pointerimages::image(pointerart::valueFieldArrow());
  int lastMagentaRow = 0;
  for (const QPoint p : opaque(arrow)) {
    EXPECT_TRUE(arrow.pixel(p) == kLightGrey || arrow.pixel(p) == kMagenta);
    if (arrow.pixel(p) == kMagenta) {
      EXPECT_FALSE(touchesClear(arrow, p));
      lastMagentaRow = p.y();
    }
  }
  ASSERT_GT(lastMagentaRow, 14);
  int previousLeft = 0;
  for (int y = lastMagentaRow + 3; y <= 31; ++y) {
    std::vector<int> columns;
    for (int x = 0; x < 32; ++x) {
      if (!clear(arrow, {x, y})) {
        columns.push_back(x);
      }
    }
    ASSERT_FALSE(columns.empty()) << y;
    EXPECT_LE(columns.size(), 2U) << y;
    EXPECT_GE(columns.front(), previousLeft) << y;
    previousLeft = columns.front();
  }
  EXPECT_FALSE(clear(arrow, {24, 31}));
}

TEST(PointerWindowIcon, IsABandedResistorWithLeadsOnNavy) {
  static constexpr std::array kBands{kRed, kCyan, kYellow, kBlack, kGreen};
  struct Icon {
    QImage image;
    QRect body;
    QRect leads; // across the whole image
    std::array<int, kBands.size()> bandWidths;
  };
  const Icon icons[] = {
      {pointerimages::image(pointerart::windowIcon()), QRect(5, 13, 23, 9), QRect(0, 16, 32, 2), {2, 2, 2, 2, 3}},
      {pointerimages::image(pointerart::smallWindowIcon()), QRect(2, 6, 12, 5), QRect(0, 8, 16, 1), {1, 1, 1, 1, 2}},
  };
  for (const Icon &icon : icons) {
    const int side = icon.leads.width();
    SCOPED_TRACE(side);
    ASSERT_EQ(icon.image.size(), QSize(side, side));
    // Along the body's top row: body colour, the bands each followed by a one-pixel strip, body colour.
    const int top = icon.body.top();
    int x = icon.body.left();
    while (icon.image.pixel(x, top) == kLightGrey) {
      ++x;
    }
    EXPECT_GT(x, icon.body.left());
    for (std::size_t band = 0; band < kBands.size(); ++band) {
      for (int i = 0; i < icon.bandWidths.at(band); ++i, ++x) {
        EXPECT_EQ(icon.image.pixel(x, top), kBands.at(band)) << x;
      }
      EXPECT_EQ(icon.image.pixel(x++, top), kLightGrey) << x;
    }
    for (; x <= icon.body.right(); ++x) {
      EXPECT_EQ(icon.image.pixel(x, top), kLightGrey) << x;
    }
    // The body repeats its top row to its bottom; white leads; navy elsewhere.
    for (int y = 0; y < side; ++y) {
      for (int x = 0; x < side; ++x) {
        const QRgb expected = icon.body.contains(x, y)    ? icon.image.pixel(x, top)
                              : icon.leads.contains(x, y) ? kWhite
                                                          : kNavy;
        EXPECT_EQ(icon.image.pixel(x, y), expected) << x << "," << y;
      }
    }
  }
}
