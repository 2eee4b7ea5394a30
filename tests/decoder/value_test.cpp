// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/decoder/rig.h"

#include <gtest/gtest.h>

using enum Control;

namespace {

using Steps = std::vector<std::pair<Control, Control>>;

struct MultiplierRow {
  Control colour;
  const char *twoDigits;   // yellow, violet, then this multiplier on band 3
  const char *threeDigits; // yellow, violet, black, then this multiplier on band 4
};

const MultiplierRow kMultipliers[] = {
    {silver, "0,47 Om", "4,70 Om"},  {gold, "4,7 Om", "47,0 Om"},    {black, "47 Om", "470 Om"},
    {brown, "470 Om", "4,70 KOm"},   {red, "4,7 KOm", "47,0 KOm"},   {orange, "47 KOm", "470 KOm"},
    {yellow, "470 KOm", "4,70 MOm"}, {green, "4,7 MOm", "47,0 MOm"}, {blue, "47 MOm", "470 MOm"},
    {violet, "470 MOm", "4,70 GOm"}, {grey, "4,7 GOm", "47,0 GOm"},  {white, "47 GOm", "470 GOm"},
};

struct EdgeRow {
  int bands;
  Steps steps;
  const char *expected;
};

} // namespace

TEST(Value, EveryMultiplierOfTwoDigitResistors) {
  for (const int bands : {3, 4}) {
    for (const MultiplierRow &row : kMultipliers) {
      Rig rig;
      rig.bands(bands);
      rig.paint({{yellow, dig1}, {violet, dig2}});
      EXPECT_EQ(rig.text(resxx), "47");
      rig.paint(row.colour, dig3);
      EXPECT_EQ(rig.text(resxx), row.twoDigits) << bands << " bands";
      EXPECT_EQ(rig.resx.state().mn, static_cast<int>(row.colour));
    }
  }
}

TEST(Value, EveryMultiplierOfThreeDigitResistors) {
  for (const int bands : {5, 6}) {
    for (const MultiplierRow &row : kMultipliers) {
      Rig rig;
      rig.bands(bands);
      rig.paint({{yellow, dig1}, {violet, dig2}, {black, dig3}});
      EXPECT_EQ(rig.text(resxx), "470");
      rig.paint(row.colour, dig4);
      EXPECT_EQ(rig.text(resxx), row.threeDigits) << bands << " bands";
      EXPECT_EQ(rig.resx.state().mn, static_cast<int>(row.colour));
    }
  }
}

TEST(Value, UnpaintedBandsAndSignificantZeros) {
  const EdgeRow rows[] = {
      {3, {{brown, dig1}}, "1?"},
      {3, {{black, dig1}}, "??"},
      {3, {{violet, dig2}}, "?7"},
      {3, {{red, dig3}}, "?,? KOm"},
      {3, {{silver, dig3}}, "0,?? Om"},
      {3, {{yellow, dig1}, {silver, dig3}}, "0,4? Om"},
      {3, {{brown, dig1}, {black, dig2}, {red, dig3}}, "1,0 KOm"},
      {3, {{brown, dig1}, {black, dig2}, {brown, dig3}}, "100 Om"},
      {3, {{brown, dig1}, {black, dig2}, {yellow, dig3}}, "100 KOm"},
      {3, {{brown, dig1}, {black, dig2}, {green, dig3}}, "1,0 MOm"},
      {3, {{brown, dig1}, {black, dig2}, {gold, dig3}}, "1,0 Om"},
      {3, {{brown, dig1}, {black, dig2}, {silver, dig3}}, "0,10 Om"},
      {3, {{white, dig1}, {white, dig2}, {white, dig3}}, "99 GOm"},
      {3, {{yellow, dig1}, {violet, dig2}, {red, dig3}, {orange, dig3}}, "47 KOm"},
      {4, {{yellow, dig1}, {violet, dig2}, {red, dig3}, {gold, dig4}}, "4,7 KOm"},
      {5, {{brown, dig1}}, "1??"},
      {5, {{black, dig1}}, "???"},
      {5, {{red, dig4}}, "??,? KOm"},
      {5, {{yellow, dig1}, {violet, dig2}, {red, dig4}}, "47,? KOm"},
      {5, {{brown, dig1}, {black, dig2}, {black, dig3}, {brown, dig4}}, "1,00 KOm"},
      {5, {{brown, dig1}, {black, dig2}, {black, dig3}, {black, dig4}}, "100 Om"},
      {5, {{brown, dig1}, {black, dig2}, {black, dig3}, {red, dig4}}, "10,0 KOm"},
      {5, {{brown, dig1}, {black, dig2}, {black, dig3}, {orange, dig4}}, "100 KOm"},
      {6, {{white, dig1}, {white, dig2}, {white, dig3}, {white, dig4}}, "999 GOm"},
      {6, {{yellow, dig1}, {violet, dig2}, {black, dig3}, {brown, dig4}, {red, dig4}}, "47,0 KOm"},
      {6, {{yellow, dig1}, {violet, dig2}, {black, dig3}, {brown, dig4}, {gold, dig5}, {red, dig6}}, "4,70 KOm"},
  };
  for (const EdgeRow &row : rows) {
    Rig rig;
    rig.bands(row.bands);
    rig.paint(row.steps);
    EXPECT_EQ(rig.text(resxx), row.expected) << row.bands << " bands, " << row.steps.size() << " steps";
  }
}
