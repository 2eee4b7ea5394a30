// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>

// A colour value: 24-bit colour held as 0x00BBGGRR (red in the low byte).
using Colour = std::uint32_t;

// The controls that the decoder logic addresses, by name. The twelve swatches
// come first, in the order of their colour codes, so a swatch's position in
// this enumeration is its code.
enum class Control : std::uint8_t {
  black,
  brown,
  red,
  orange,
  yellow,
  green,
  blue,
  violet,
  grey,
  white,
  gold,
  silver,
  dig1,
  dig2,
  dig3,
  dig4,
  dig5,
  dig6,
  curcolor,
  curcol,
  resxx,
  toler,
  ppr,
  stripbutton,
};

constexpr std::size_t index(Control c) { return static_cast<std::size_t>(c); }

// Counted from the enumeration itself: silver is the last swatch, stripbutton
// the last control.
inline constexpr std::size_t kSwatchCount = index(Control::silver) + 1;
inline constexpr std::size_t kControlCount = index(Control::stripbutton) + 1;
static_assert(kSwatchCount == 12 && kControlCount == 24);

constexpr bool isSwatch(Control c) { return index(c) < kSwatchCount; }

// The back colour of a band that has not been painted: a pale green.
inline constexpr Colour kUnpaintedBand = 0x00C0FFC0;
