// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "decoder/marking.h"

#include <algorithm>
#include <array>
#include <span>

namespace marking {
namespace {

// Brown, gold and silver carry fixed codes and never read their tags: silver
// has no tag at all (its swatch's tag is empty on purpose), and brown's and
// gold's tags are not consulted. Picking silver must still give 11, so the
// codes of all three are kept here rather than read from the tags.
constexpr std::array<Swatch, kSwatchCount> kPalette{{
    {std::nullopt, kBlackCaption},
    {1, "текущий цвет-коричневый"},
    {std::nullopt, "текущий цвет-красный"},
    {std::nullopt, "текущий цвет-оранжевый"},
    {std::nullopt, "текущий цвет-жёлтый"},
    {std::nullopt, "текущий цвет-зелёный"},
    {std::nullopt, "текущий цвет-голубой"},
    {std::nullopt, "текущий цвет-фиолетовый"},
    {std::nullopt, "текущий цвет-серый"},
    {std::nullopt, "текущий цвет-белый"},
    {10, "текущий цвет-золотой"},
    {11, "текущий цвет-серебряный"},
}};

using U = Unit;

// Indexed by multiplier code; 12 is the text before a multiplier is painted.
// clang-format off
constexpr std::array<Value, kNoMultiplier + 1> kTwoDigitValue{{
    {"{1}{2}", U::ohm},        {"{1}{2}0", U::ohm},       {"{1},{2}", U::kiloOhm}, {"{1}{2}", U::kiloOhm},
    {"{1}{2}0", U::kiloOhm},   {"{1},{2}", U::megaOhm},   {"{1}{2}", U::megaOhm},  {"{1}{2}0", U::megaOhm},
    {"{1},{2}", U::gigaOhm},   {"{1}{2}", U::gigaOhm},    {"{1},{2}", U::ohm},     {"0,{1}{2}", U::ohm},
    {"{1}{2}", U::none},
}};
constexpr std::array<Value, kNoMultiplier + 1> kThreeDigitValue{{
    {"{1}{2}{3}", U::ohm},     {"{1},{2}{3}", U::kiloOhm}, {"{1}{2},{3}", U::kiloOhm}, {"{1}{2}{3}", U::kiloOhm},
    {"{1},{2}{3}", U::megaOhm}, {"{1}{2},{3}", U::megaOhm}, {"{1}{2}{3}", U::megaOhm}, {"{1},{2}{3}", U::gigaOhm},
    {"{1}{2},{3}", U::gigaOhm}, {"{1}{2}{3}", U::gigaOhm},  {"{1}{2},{3}", U::ohm},     {"{1},{2}{3}", U::ohm},
    {"{1}{2}{3}", U::none},
}};
// clang-format on

// Indexed by Unit. The units are Latin letters on purpose ("KOm", not "кОм"):
// the texts users know.
constexpr std::array<Text, 5> kUnits{"", " Om", " KOm", " MOm", " GOm"};
static_assert(kUnits.size() == static_cast<std::size_t>(Unit::gigaOhm) + 1);

// A value's digits hold placeholders for its digit bands only, and otherwise
// the decimal separator and zeros.
constexpr bool wellFormed(std::string_view pattern, char lastBand) {
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '{') {
      if (i + 2 >= pattern.size() || pattern[i + 1] < '1' || pattern[i + 1] > lastBand || pattern[i + 2] != '}') {
        return false;
      }
      i += 2;
    } else if (pattern[i] != ',' && pattern[i] != '0') {
      return false;
    }
  }
  return true;
}
// Iterator forms: the web build's older libc++ lacks std::ranges::all_of.
static_assert(std::all_of(kTwoDigitValue.begin(), kTwoDigitValue.end(),
                          [](const Value &v) { return wellFormed(v.digits, '2'); }));
static_assert(std::all_of(kThreeDigitValue.begin(), kThreeDigitValue.end(),
                          [](const Value &v) { return wellFormed(v.digits, '3'); }));

constexpr std::array<Text, kSwatchCount> kTolerance{
    "", "1%", "2%", "", "", "0,5%", "0,25%", "0,1%", "0,05%", "", "5%", "10%",
};

constexpr std::array<Text, kSwatchCount> kTemperatureCoefficient{
    "",
    "± 100ppr/1градC",
    "± 50ppr/1градC",
    "± 15ppr/1градC",
    "± 25ppr/1градC",
    "",
    "± 10ppr/1градC",
    "± 5ppr/1градC",
    "",
    "± 1ppr/1градC",
    "",
    "",
};

// Indexed by band count minus 3. The captions have a hyphen ("3-полосы"),
// unlike the start-up caption "3полосы" and the design's "3 полосы": each is
// what users see at its moment, and stays as they know it.
constexpr std::array<Layout, 4> kLayouts{{
    {"3-полосы", false, false, false, false, true},
    {"4-полосы", true, false, false, false, false},
    {"5-полос", true, true, false, false, false},
    {"6-полос", true, true, true, true, false},
}};

// One lookup over a view rather than a template per table size: GCC folds
// identical template copies into one and then reports the 12-row tables as
// read through the 13-row type (-Warray-bounds, GCC 14 with the sanitizers).
template <typename Row> std::optional<Row> lookup(std::span<const Row> table, int code) {
  return code >= 0 && static_cast<std::size_t>(code) < table.size()
             ? std::optional<Row>(table[static_cast<std::size_t>(code)])
             : std::nullopt;
}

} // namespace

const Swatch &swatch(int code) { return kPalette.at(static_cast<std::size_t>(code)); }
std::optional<Value> twoDigitValue(int multiplier) { return lookup<Value>(kTwoDigitValue, multiplier); }
std::optional<Value> threeDigitValue(int multiplier) { return lookup<Value>(kThreeDigitValue, multiplier); }
Text unit(Unit unit) { return kUnits.at(static_cast<std::size_t>(unit)); }
Text tolerance(int code) { return lookup<Text>(kTolerance, code).value_or(Text()); }
Text temperatureCoefficient(int code) { return lookup<Text>(kTemperatureCoefficient, code).value_or(Text()); }
const Layout &layout(int bands) { return kLayouts.at(static_cast<std::size_t>(bands - 3)); }

} // namespace marking
