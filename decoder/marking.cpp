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
constexpr std::array<Swatch, 12> kPalette{{
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

// Indexed by multiplier code; 12 is the text before a multiplier is painted.
constexpr std::array<std::string_view, 13> kTwoDigitValue{
    "{1}{2} Om",   "{1}{2}0 Om",  "{1},{2} KOm", "{1}{2} KOm", "{1}{2}0 KOm", "{1},{2} MOm", "{1}{2} MOm",
    "{1}{2}0 MOm", "{1},{2} GOm", "{1}{2} GOm",  "{1},{2} Om", "0,{1}{2} Om", "{1}{2}",
};
constexpr std::array<std::string_view, 13> kThreeDigitValue{
    "{1}{2}{3} Om",   "{1},{2}{3} KOm", "{1}{2},{3} KOm", "{1}{2}{3} KOm",  "{1},{2}{3} MOm",
    "{1}{2},{3} MOm", "{1}{2}{3} MOm",  "{1},{2}{3} GOm", "{1}{2},{3} GOm", "{1}{2}{3} GOm",
    "{1}{2},{3} Om",  "{1},{2}{3} Om",  "{1}{2}{3}",
};

// A value template holds placeholders for its digit bands only, and otherwise
// the characters that values and units are written with.
constexpr bool wellFormed(std::string_view pattern, char lastBand) {
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '{') {
      if (i + 2 >= pattern.size() || pattern[i + 1] < '1' || pattern[i + 1] > lastBand || pattern[i + 2] != '}') {
        return false;
      }
      i += 2;
    } else if (std::string_view(" ,0KMGOm").find(pattern[i]) == std::string_view::npos) {
      return false;
    }
  }
  return true;
}
// Iterator forms: the web build's older libc++ lacks std::ranges::all_of.
static_assert(std::all_of(kTwoDigitValue.begin(), kTwoDigitValue.end(),
                          [](std::string_view p) { return wellFormed(p, '2'); }));
static_assert(std::all_of(kThreeDigitValue.begin(), kThreeDigitValue.end(),
                          [](std::string_view p) { return wellFormed(p, '3'); }));

constexpr std::array<std::string_view, 12> kTolerance{
    "", "1%", "2%", "", "", "0,5%", "0,25%", "0,1%", "0,05%", "", "5%", "10%",
};

constexpr std::array<std::string_view, 12> kTemperatureCoefficient{
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

// Every colour code has a row in the per-colour tables; every multiplier code
// (the unpainted one included) a row in the value tables.
static_assert(kTolerance.size() == kPalette.size());
static_assert(kTemperatureCoefficient.size() == kPalette.size());
static_assert(kTwoDigitValue.size() == kNoMultiplier + 1);
static_assert(kThreeDigitValue.size() == kNoMultiplier + 1);

// One lookup over a view rather than a template per table size: GCC folds
// identical template copies into one and then reports the 12-row tables as
// read through the 13-row type (-Warray-bounds, GCC 14 with the sanitizers).
std::string_view lookup(std::span<const std::string_view> table, int code) {
  return code >= 0 && static_cast<std::size_t>(code) < table.size() ? table[static_cast<std::size_t>(code)]
                                                                    : std::string_view{};
}

} // namespace

const Swatch &swatch(int code) { return kPalette.at(static_cast<std::size_t>(code)); }
std::string_view twoDigitValue(int multiplier) { return lookup(kTwoDigitValue, multiplier); }
std::string_view threeDigitValue(int multiplier) { return lookup(kThreeDigitValue, multiplier); }
std::string_view tolerance(int code) { return lookup(kTolerance, code); }
std::string_view temperatureCoefficient(int code) { return lookup(kTemperatureCoefficient, code); }
const Layout &layout(int bands) { return kLayouts.at(static_cast<std::size_t>(bands - 3)); }

} // namespace marking
