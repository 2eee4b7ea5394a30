// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "surface/text.h"

#include <cstddef>
#include <cstdint>

// A colour value: 24-bit colour held as 0x00BBGGRR (red in the low byte).
using Colour = std::uint32_t;

// The controls that the decoder logic addresses, by name. The twelve swatches
// come first, in the order of their colour codes, so a swatch's position in
// this enumeration is its code.
enum class Control : std::uint8_t {
  black,       // swatch: picks black, code 0
  brown,       // swatch: picks brown, code 1
  red,         // swatch: picks red, code 2
  orange,      // swatch: picks orange, code 3
  yellow,      // swatch: picks yellow, code 4
  green,       // swatch: picks green, code 5
  blue,        // swatch: picks blue (light blue), code 6
  violet,      // swatch: picks violet, code 7
  grey,        // swatch: picks grey, code 8
  white,       // swatch: picks white, code 9
  gold,        // swatch: picks gold, code 10
  silver,      // swatch: picks silver, code 11
  dig1,        // band 1 of the drawn resistor: the first digit
  dig2,        // band 2: the second digit
  dig3,        // band 3: the multiplier with three or four bands, the third digit with five or six
  dig4,        // band 4: the tolerance with four bands, the multiplier with five or six
  dig5,        // band 5: the tolerance with five or six bands
  dig6,        // band 6: the temperature coefficient with six bands
  curcolor,    // picture box filled with the current colour (the colour itself)
  curcol,      // label naming the current colour ("текущий цвет-…"), beside curcolor
  resxx,       // text box: the nominal value
  toler,       // text box: the tolerance
  ppr,         // label: the temperature coefficient, shown with six bands only
  stripbutton, // push button: cycles the number of bands 3, 4, 5, 6 and names it
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

// Placeholders that the window starts with and the decoder writes again on
// every change of the band count: no value yet, no temperature coefficient yet.
inline constexpr Text kNoValue = Text::fixed("???");
inline constexpr Text kNoTemperatureCoefficient = "± ?? ppr/1градC";
// The current colour's caption at start-up: black's, as in the palette.
inline constexpr Text kBlackCaption = "текущий цвет-чёрный";
