// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "surface/design.h"

#include <array>
#include <string>

// A design colour as CSS: a fixed colour as "#rrggbb", a colour of the
// desktop's scheme as the CSS system colour of the same role.
inline std::string cssColour(Colour colour) {
  switch (colour) {
  case design::kButtonFace: return "ButtonFace";
  case design::kButtonText: return "ButtonText";
  case design::kWindowText: return "CanvasText";
  default: break;
  }
  constexpr std::array<char, 16> kDigits{'0', '1', '2', '3', '4', '5', '6', '7',
                                         '8', '9', 'a', 'b', 'c', 'd', 'e', 'f'};
  std::string css = "#";
  for (const unsigned shift : {0U, 8U, 16U}) { // red is the low byte
    css += kDigits[(colour >> (shift + 4U)) & 0xFU];
    css += kDigits[(colour >> shift) & 0xFU];
  }
  return css;
}
