// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/decoder/rig.h"

#include <gtest/gtest.h>

#include <map>
#include <string_view>

using enum Control;

namespace {

struct Row {
  int bands;
  std::vector<std::pair<Control, Control>> steps; // colour, then band
  Control shown;
  std::map<std::string_view, std::string_view> expected; // by language code
};

// The decoding examples, as each language writes them. Every language needs its column.
const Row kRows[] = {
    {3, {}, stripbutton, {{"ru", "3полосы"}, {"en", "3 bands"}, {"de", "3 Ringe"}, {"uk", "3 смуги"}}},
    {3,
     {},
     curcol,
     {{"ru", "текущий цвет-чёрный"},
      {"en", "current colour: black"},
      {"de", "aktuelle Farbe: schwarz"},
      {"uk", "обраний колір: чорний"}}},
    {3,
     {{yellow, dig1}},
     curcol,
     {{"ru", "текущий цвет-жёлтый"},
      {"en", "current colour: yellow"},
      {"de", "aktuelle Farbe: gelb"},
      {"uk", "обраний колір: жовтий"}}},
    {3,
     {{yellow, dig1}, {violet, dig2}, {red, dig3}},
     resxx,
     {{"ru", "4,7 KOm"}, {"en", "4.7 kΩ"}, {"de", "4,7 kΩ"}, {"uk", "4,7 кОм"}}},
    {3,
     {{violet, dig2}, {silver, dig3}},
     resxx,
     {{"ru", "0,?7 Om"}, {"en", "0.?7 Ω"}, {"de", "0,?7 Ω"}, {"uk", "0,?7 Ом"}}},
    {3,
     {{white, dig1}, {white, dig2}, {white, dig3}},
     resxx,
     {{"ru", "99 GOm"}, {"en", "99 GΩ"}, {"de", "99 GΩ"}, {"uk", "99 ГОм"}}},
    {3, {{brown, dig1}}, resxx, {{"ru", "1?"}, {"en", "1?"}, {"de", "1?"}, {"uk", "1?"}}},
    {4, {}, stripbutton, {{"ru", "4-полосы"}, {"en", "4 bands"}, {"de", "4 Ringe"}, {"uk", "4 смуги"}}},
    {4, {{grey, dig4}}, toler, {{"ru", "0,05%"}, {"en", "0.05%"}, {"de", "0,05%"}, {"uk", "0,05%"}}},
    {4, {{orange, dig4}}, toler, {{"ru", "??%"}, {"en", "??%"}, {"de", "??%"}, {"uk", "??%"}}},
    {5,
     {{brown, dig1}, {black, dig2}, {black, dig3}, {brown, dig4}},
     resxx,
     {{"ru", "1,00 KOm"}, {"en", "1.00 kΩ"}, {"de", "1,00 kΩ"}, {"uk", "1,00 кОм"}}},
    {5,
     {{yellow, dig1}, {violet, dig2}, {green, dig4}},
     resxx,
     {{"ru", "47,? MOm"}, {"en", "47.? MΩ"}, {"de", "47,? MΩ"}, {"uk", "47,? МОм"}}},
    {5, {{blue, dig5}}, toler, {{"ru", "0,25%"}, {"en", "0.25%"}, {"de", "0,25%"}, {"uk", "0,25%"}}},
    {6, {}, stripbutton, {{"ru", "6-полос"}, {"en", "6 bands"}, {"de", "6 Ringe"}, {"uk", "6 смуг"}}},
    {6, {}, ppr, {{"ru", "± ?? ppr/1градC"}, {"en", "± ?? ppm/°C"}, {"de", "± ?? ppm/K"}, {"uk", "± ?? ppm/°C"}}},
    {6,
     {{brown, dig6}},
     ppr,
     {{"ru", "± 100ppr/1градC"}, {"en", "± 100 ppm/°C"}, {"de", "± 100 ppm/K"}, {"uk", "± 100 ppm/°C"}}},
    {6,
     {{stripbutton, stripbutton}},
     stripbutton,
     {{"ru", "3-полосы"}, {"en", "3 bands"}, {"de", "3 Ringe"}, {"uk", "3 смуги"}}},
};

} // namespace

TEST(Languages, EveryLanguageWritesTheDecodingExamplesInItsOwnNotation) {
  for (const Row &row : kRows) {
    for (const Language language : Language::all()) {
      const auto expected = row.expected.find(language.code());
      ASSERT_NE(expected, row.expected.end()) << "no expected text in " << language.code();
      Rig rig(language);
      rig.bands(row.bands);
      for (const auto &[colour, band] : row.steps) {
        rig.click(colour);
        if (colour != band) { // a lone press of the button is written as the button twice
          rig.click(band);
        }
      }
      EXPECT_EQ(rig.text(row.shown), expected->second) << language.code() << ", control " << index(row.shown);
    }
  }
}

TEST(Languages, AssistiveTechnologyHearsTheBoxesAndTheOutcomeInTheWindowsLanguage) {
  const std::map<std::string_view, std::pair<std::string_view, std::string_view>> expected{
      {"ru", {"полоса 1, 4-жёлтый", "текущий цвет-жёлтый, Rx= 4?, ± 20%"}},
      {"en", {"band 1, 4 yellow", "current colour: yellow, Rx= 4?, ± 20%"}},
      {"de", {"Ring 1, 4 gelb", "aktuelle Farbe: gelb, Rx= 4?, ± 20%"}},
      {"uk", {"смуга 1, 4 жовтий", "обраний колір: жовтий, Rx= 4?, ± 20%"}},
  };
  for (const Language language : Language::all()) {
    Rig rig(language);
    rig.paint(yellow, dig1);
    ASSERT_EQ(expected.count(language.code()), 1U) << language.code();
    EXPECT_EQ(design::boxName(dig1, rig.back(dig1), language), expected.at(language.code()).first);
    EXPECT_EQ(design::outputLine([&](Control c) { return rig.text(c); }, rig.visible(ppr), language),
              expected.at(language.code()).second);
  }
}
