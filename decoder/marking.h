// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "surface/control.h"
#include "surface/text.h"

#include <cstdint>
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
  Text caption;                 // the current-colour caption
};
const Swatch &swatch(int code);

// The value text of a multiplier code: its digits, then its unit. In the
// digits, {1}, {2} and {3} stand for the digit characters of bands 1, 2 and 3,
// "," for the decimal separator, and "0" is a zero.
enum class Unit : std::uint8_t { none, ohm, kiloOhm, megaOhm, gigaOhm };
struct Value {
  std::string_view digits;
  Unit unit;
};
// For a multiplier code 0 to 12; none for any other code.
std::optional<Value> twoDigitValue(int multiplier);
std::optional<Value> threeDigitValue(int multiplier);
// A unit's text, with the space before it (" KOm"); the empty text for none.
Text unit(Unit unit);
inline constexpr Text kDecimalSeparator{"decimal separator", ","};

// The tolerance text of a code, empty when the code is no tolerance colour.
Text tolerance(int code);
// The temperature-coefficient caption of a code, empty when band 6 refuses it.
Text temperatureCoefficient(int code);

// The button's caption at start-up, {1} standing for the band count's digit:
// "3полосы", the digit straight before the word, unlike the layouts' "3-полосы".
inline constexpr Text kStartUpCaption = "{1}полосы";

struct Layout {
  Text caption; // of the band-count button
  bool dig4;
  bool dig5;
  bool dig6;
  bool ppr;
  bool fixedTolerance; // three bands: no tolerance band, a fixed 20 percent
};
const Layout &layout(int bands);

// The value field's and the coefficient's placeholders are shared with the
// design: kNoValue and kNoTemperatureCoefficient in surface/control.h.
inline constexpr Text kNoTolerance = "??%";
inline constexpr Text kFixedTolerance = "20%";

} // namespace marking
