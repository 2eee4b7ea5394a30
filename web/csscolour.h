// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "surface/design.h"

#include <algorithm>
#include <array>
#include <string>

// The page shows the desktop scheme's colours as the standard scheme has them
// (the desktop window with Qt's own palette), fixed: CSS system colours differ
// by engine (WebKit paints ButtonFace in the window's grey, so the current
// colour's strip vanishes, and ButtonText 80% black; Firefox tints ButtonFace).
struct SchemeColour {
  Colour role;
  Colour shown;
};
inline constexpr std::array<SchemeColour, 3> kSchemeColours{{
    {design::kButtonFace, 0x00EFEFEF},
    {design::kButtonText, 0x00000000},
    {design::kWindowText, 0x00000000},
}};
static_assert(std::all_of(kSchemeColours.begin(), kSchemeColours.end(), [](SchemeColour c) {
  return design::isSystemColour(c.role) && !design::isSystemColour(c.shown);
}));

// The fixed colour that the page shows for a design colour.
constexpr Colour shownColour(Colour colour) {
  const auto *scheme =
      std::find_if(kSchemeColours.begin(), kSchemeColours.end(), [colour](SchemeColour c) { return c.role == colour; });
  return scheme != kSchemeColours.end() ? scheme->shown : colour;
}

// A design colour as CSS, "#rrggbb".
inline std::string cssColour(Colour colour) {
  colour = shownColour(colour);
  constexpr std::array<char, 16> kDigits{'0', '1', '2', '3', '4', '5', '6', '7',
                                         '8', '9', 'a', 'b', 'c', 'd', 'e', 'f'};
  std::string css = "#";
  for (const unsigned shift : {0U, 8U, 16U}) { // red is the low byte
    css += kDigits[(colour >> (shift + 4U)) & 0xFU];
    css += kDigits[(colour >> shift) & 0xFU];
  }
  return css;
}
