// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "surface/pointerart.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace pointerart {
namespace {

// Algorithms here take iterators rather than ranges: the web build's older
// libc++ lacks several of the std::ranges forms.

struct Ink {
  char key;
  Argb argb;
};

// The standard 16-colour palette: lower case the dark half, upper case the bright half.
constexpr std::array<Ink, 16> kLegend{{
    {'k', 0xFF000000}, // black
    {'r', 0xFF800000}, // dark red
    {'g', 0xFF008000}, // dark green
    {'y', 0xFF808000}, // olive
    {'b', 0xFF000080}, // navy
    {'m', 0xFF800080}, // purple
    {'c', 0xFF008080}, // teal
    {'s', 0xFFC0C0C0}, // light grey (silver)
    {'d', 0xFF808080}, // dark grey
    {'R', 0xFFFF0000}, // red
    {'G', 0xFF00FF00}, // green
    {'Y', 0xFFFFFF00}, // yellow
    {'B', 0xFF0000FF}, // blue
    {'M', 0xFFFF00FF}, // magenta
    {'C', 0xFF00FFFF}, // cyan
    {'W', 0xFFFFFFFF}, // white
}};

constexpr char kClear = ' ';

constexpr bool inLegend(char key) {
  return std::any_of(kLegend.begin(), kLegend.end(), [key](const Ink &ink) { return ink.key == key; });
}

Argb argb(char key) {
  return std::find_if(kLegend.begin(), kLegend.end(), [key](const Ink &ink) { return ink.key == key; })->argb;
}

using Art = std::span<const std::string_view>;

// True when every row of `art` placed at (left, top) lies on the image and uses only `keys`
// or, with no keys given, the palette's own.
constexpr bool fits(Art art, int left, int top, std::string_view keys = {}) {
  return top + static_cast<int>(art.size()) <= kSize && std::all_of(art.begin(), art.end(), [&](std::string_view row) {
           return left + static_cast<int>(row.size()) <= kSize && std::all_of(row.begin(), row.end(), [&](char c) {
                    return c == kClear || (keys.empty() ? inLegend(c) : keys.find(c) != std::string_view::npos);
                  });
         });
}

// The swatch arrow, the same shape for all twelve swatches, its tip at the top left.
// 'L' is the outline down the left edge, 'X' the rest of the outline, '.' the interior.
constexpr int kArrowLeft = 16;
constexpr int kArrowTop = 13;
// clang-format off
constexpr std::array<std::string_view, 19> kArrow{
    "L",
    "LX",
    "L.X",
    "L..X",
    "L...X",
    "L....X",
    "L.....X",
    "L......X",
    "L.......X",
    "L........X",
    "L.........X",
    "L......XXXXX",
    "L......X",
    "L..XX..X",
    "L.X  X..X",
    "LX   X..X",
    "      X..X",
    "      X..X",
    "       XX",
};
// clang-format on
static_assert(fits(kArrow, kArrowLeft, kArrowTop, "LX."));

// How an arrow's interior picks its ink at each pixel: always the first, alternating first
// and second like a checkerboard, or from the speckle tile below.
enum class Fill : std::uint8_t { solid, checker, speckle };

// The ink (0, 1 or 2) of each pixel of a speckled interior; it tiles the image.
// clang-format off
constexpr std::array<std::string_view, 6> kSpeckle{
    "021012",
    "100220",
    "012101",
    "220010",
    "101202",
    "020121",
};
// clang-format on
static_assert(std::all_of(kSpeckle.begin(), kSpeckle.end(), [](std::string_view row) {
  return row.size() == kSpeckle[0].size() && row.find_first_not_of("012") == std::string_view::npos;
}));

struct SwatchInks {
  Fill fill;
  std::string_view interior; // the inks that the fill picks from
  char outline;
  char leftEdge; // the outline down the arrow's left edge
};

// By swatch code. Colours the palette lacks are approximated: brown by dark red, orange by a
// red and yellow checkerboard, gold and silver by speckles; grey's arrow is light grey outlined
// in black.
constexpr std::array<SwatchInks, kSwatchCount> kSwatches{{
    {Fill::solid, "k", 's', 's'},     // black
    {Fill::solid, "r", 's', 's'},     // brown
    {Fill::solid, "R", 'd', 'd'},     // red
    {Fill::checker, "RY", 'd', 'd'},  // orange
    {Fill::solid, "Y", 's', 's'},     // yellow
    {Fill::solid, "G", 's', 's'},     // green
    {Fill::solid, "C", 'd', 'd'},     // blue
    {Fill::solid, "M", 'd', 'd'},     // violet
    {Fill::solid, "s", 'k', 'k'},     // grey
    {Fill::solid, "W", 's', 's'},     // white
    {Fill::speckle, "YWW", 's', 'W'}, // gold
    {Fill::speckle, "WCs", 's', 's'}, // silver
}};

constexpr std::size_t inksNeeded(Fill fill) { return fill == Fill::solid ? 1 : fill == Fill::checker ? 2 : 3; }

static_assert(std::all_of(kSwatches.begin(), kSwatches.end(), [](const SwatchInks &s) {
  return s.interior.size() == inksNeeded(s.fill) && std::all_of(s.interior.begin(), s.interior.end(), inLegend) &&
         inLegend(s.outline) && inLegend(s.leftEdge);
}));

std::size_t inkIndex(Fill fill, int x, int y) {
  switch (fill) {
  case Fill::solid: return 0;
  case Fill::checker: return static_cast<std::size_t>((x + y) % 2);
  case Fill::speckle: {
    const std::string_view row = kSpeckle.at(static_cast<std::size_t>(y) % kSpeckle.size());
    return static_cast<std::size_t>(row.at(static_cast<std::size_t>(x) % row.size()) - '0');
  }
  }
  return 0;
}

// The value field's arrow: a small magenta head outlined in light grey, on a thin stem.
constexpr int kValueLeft = 17;
constexpr int kValueTop = 14;
// clang-format off
constexpr std::array<std::string_view, 18> kValueArrow{
    "s",
    "ss",
    "sMs",
    "sMMs",
    "sMMMs",
    "sMMMMs",
    "sMMMMMs",
    "sMMssss",
    "sMss",
    "ss s",
    "   ss",
    "    s",
    "    ss",
    "     s",
    "     ss",
    "      s",
    "      ss",
    "       s",
};
// clang-format on
static_assert(fits(kValueArrow, kValueLeft, kValueTop));

// The window icon: a resistor with red, cyan, yellow, black and green bands on a navy ground.
// clang-format off
constexpr std::array<std::string_view, kSize> kIcon{
    "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb",
    "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb",
    "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb",
    "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb",
    "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb",
    "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb",
    "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb",
    "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb",
    "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb",
    "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb",
    "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb",
    "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb",
    "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb",
    "bbbbbssssRRsCCsYYskksGGGssssbbbb",
    "bbbbbssssRRsCCsYYskksGGGssssbbbb",
    "bbbbbssssRRsCCsYYskksGGGssssbbbb",
    "WWWWWssssRRsCCsYYskksGGGssssWWWW",
    "WWWWWssssRRsCCsYYskksGGGssssWWWW",
    "bbbbbssssRRsCCsYYskksGGGssssbbbb",
    "bbbbbssssRRsCCsYYskksGGGssssbbbb",
    "bbbbbssssRRsCCsYYskksGGGssssbbbb",
    "bbbbbssssRRsCCsYYskksGGGssssbbbb",
    "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb",
    "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb",
    "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb",
    "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb",
    "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb",
    "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb",
    "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb",
    "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb",
    "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb",
    "bbbbbbbbbbbbbbbbbbbbbbbbbbbbbbbb",
};
// clang-format on

// The same resistor drawn again for 16 x 16, with one-pixel bands, rather than
// the large one shrunk: shrinking would blur the bands into each other.
constexpr int kSmallSize = 16;
// clang-format off
constexpr std::array<std::string_view, kSmallSize> kSmallIcon{
    "bbbbbbbbbbbbbbbb",
    "bbbbbbbbbbbbbbbb",
    "bbbbbbbbbbbbbbbb",
    "bbbbbbbbbbbbbbbb",
    "bbbbbbbbbbbbbbbb",
    "bbbbbbbbbbbbbbbb",
    "bbsRsCsYsksGGsbb",
    "bbsRsCsYsksGGsbb",
    "WWsRsCsYsksGGsWW",
    "bbsRsCsYsksGGsbb",
    "bbsRsCsYsksGGsbb",
    "bbbbbbbbbbbbbbbb",
    "bbbbbbbbbbbbbbbb",
    "bbbbbbbbbbbbbbbb",
    "bbbbbbbbbbbbbbbb",
    "bbbbbbbbbbbbbbbb",
};
// clang-format on

// True when `art` fills a square image of its own height in the palette's inks.
constexpr bool opaqueSquare(Art art) {
  return std::all_of(art.begin(), art.end(), [&art](std::string_view row) {
    return row.size() == art.size() && std::all_of(row.begin(), row.end(), inLegend);
  });
}
static_assert(opaqueSquare(kIcon) && opaqueSquare(kSmallIcon));

// Paints `art` with its top left at (left, top) on a transparent square image
// of `size`; `inkAt(key, x, y)` colours each drawn pixel.
template <typename InkAt> Image paint(Art art, int left, int top, InkAt inkAt, int size = kSize) {
  Image image{size, std::vector<Argb>(static_cast<std::size_t>(size) * static_cast<std::size_t>(size), 0)};
  for (int row = 0; row < static_cast<int>(art.size()); ++row) {
    const std::string_view line = art[static_cast<std::size_t>(row)];
    for (int col = 0; col < static_cast<int>(line.size()); ++col) {
      const char key = line[static_cast<std::size_t>(col)];
      if (key != kClear) {
        image.pixels[image.offset(left + col, top + row)] = inkAt(key, left + col, top + row);
      }
    }
  }
  return image;
}

Argb legendInk(char key, int /*x*/, int /*y*/) { return argb(key); }

} // namespace

Image swatchArrow(Control swatch) {
  const SwatchInks &inks = kSwatches.at(index(swatch));
  return paint(kArrow, kArrowLeft, kArrowTop, [&inks](char key, int x, int y) {
    switch (key) {
    case 'L': return argb(inks.leftEdge);
    case 'X': return argb(inks.outline);
    default: return argb(inks.interior.at(inkIndex(inks.fill, x, y)));
    }
  });
}

Image valueFieldArrow() { return paint(kValueArrow, kValueLeft, kValueTop, legendInk); }

Image windowIcon() { return paint(kIcon, 0, 0, legendInk); }

Image smallWindowIcon() { return paint(kSmallIcon, 0, 0, legendInk, kSmallSize); }

} // namespace pointerart
