// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "surface/control.h"

#include <optional>
#include <string_view>

// The marking tables that the decoder reads: what each colour code means in
// each band position. Codes: 0 black, 1 brown, 2 red, 3 orange, 4 yellow,
// 5 green, 6 blue, 7 violet, 8 grey, 9 white, 10 gold, 11 silver.
namespace marking {

inline constexpr int kNotPainted = -1;   // a band code before the band is painted
inline constexpr int kNoMultiplier = 12; // the multiplier code before a multiplier band is painted
inline constexpr int kGold = 10;         // gold and silver are multipliers and tolerances, never digits
inline constexpr int kSilver = 11;
inline constexpr int kNoFirstDigit = 0; // black: a value never starts with a zero, so band 1 refuses it

struct Swatch {
  std::optional<int> fixedCode; // empty: the code is read from the swatch's tag
  std::string_view caption;     // the current-colour caption
};
const Swatch &swatch(int code);

// The value template for a multiplier code (0 to 12), empty for any other
// code: {1}, {2} and {3} stand for the digit characters of bands 1, 2 and 3,
// and every other character is copied. No unit text has a brace.
std::string_view twoDigitValue(int multiplier);
std::string_view threeDigitValue(int multiplier);

// The tolerance text of a code, empty when the code is no tolerance colour.
std::string_view tolerance(int code);
// The temperature-coefficient caption of a code, empty when band 6 refuses it.
std::string_view temperatureCoefficient(int code);

struct Layout {
  std::string_view caption; // of the band-count button
  bool dig4;
  bool dig5;
  bool dig6;
  bool ppr;
  bool fixedTolerance; // three bands: no tolerance band, a fixed 20 percent
};
const Layout &layout(int bands);

// The value field's and the coefficient's placeholders are shared with the
// design: kNoValue and kNoTemperatureCoefficient in surface/control.h.
inline constexpr std::string_view kNoTolerance = "??%";
inline constexpr std::string_view kFixedTolerance = "20%";

} // namespace marking
