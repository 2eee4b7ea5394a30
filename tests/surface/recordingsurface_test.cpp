// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "surface/recordingsurface.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

using enum Control;

TEST(RecordingSurface, StartsFromTheDesignValues) {
  RecordingSurface s;
  EXPECT_EQ(s.backColor(brown), 0x000040C0U);
  EXPECT_EQ(s.tag(grey), "8");
  EXPECT_EQ(s.tag(silver), "");
  for (const Control band : {dig1, dig2, dig3, dig4, dig5, dig6}) {
    EXPECT_TRUE(s.state(band).visible);
    EXPECT_EQ(s.state(band).back, 0x00C0FFC0U);
  }
  EXPECT_TRUE(s.state(ppr).visible);
  EXPECT_EQ(s.state(ppr).text, "± ?? ppr/1градC");
  EXPECT_EQ(s.state(stripbutton).text, "3 полосы");
  EXPECT_EQ(s.state(toler).text, "??");
  EXPECT_EQ(s.state(resxx).text, "???");
  EXPECT_EQ(s.state(curcol).text, "текущий цвет-чёрный");
  EXPECT_EQ(s.state(curcolor).back, 0x00000000U);
  EXPECT_FALSE(s.windowCursor().has_value());
}

TEST(RecordingSurface, SwatchesCarryTheirColoursAndTags) {
  struct Row {
    Control swatch;
    Colour colour;
    const char *tag;
  };
  const Row rows[] = {
      {black, 0x00000000, "0"},  {brown, 0x000040C0, "1"}, {red, 0x000000FF, "2"},   {orange, 0x000080FF, "3"},
      {yellow, 0x0000FFFF, "4"}, {green, 0x0000FF00, "5"}, {blue, 0x00FFFF00, "6"},  {violet, 0x00FF00FF, "7"},
      {grey, 0x00808080, "8"},   {white, 0x00FFFFFF, "9"}, {gold, 0x00C0FFFF, "10"}, {silver, 0x00FFFFC0, ""},
  };
  RecordingSurface s;
  for (const Row &row : rows) {
    EXPECT_EQ(s.backColor(row.swatch), row.colour) << static_cast<int>(row.swatch);
    EXPECT_EQ(s.tag(row.swatch), row.tag) << static_cast<int>(row.swatch);
  }
}

TEST(RecordingSurface, KeepsWhatIsSetAndLogsEveryCallInOrder) {
  RecordingSurface s;
  s.setVisible(dig6, false);
  s.setBackColor(dig6, 0x000000FF);
  s.setText(resxx, "4,7 KOm");
  s.setCaption(ppr, "± 5ppr/1градC");
  s.setWindowCursor(red);
  (void)s.tag(red);
  (void)s.backColor(red);

  EXPECT_FALSE(s.state(dig6).visible);
  EXPECT_EQ(s.state(dig6).back, 0x000000FFU); // a hidden band keeps the colour it is given
  EXPECT_EQ(s.state(resxx).text, "4,7 KOm");
  EXPECT_EQ(s.state(ppr).text, "± 5ppr/1градC");
  EXPECT_EQ(s.windowCursor(), red);
  const std::vector<std::string> expected{
      "setVisible(dig6, false)",
      "setBackColor(dig6, 0x000000FF)",
      "setText(resxx, \"4,7 KOm\")",
      "setCaption(ppr, \"± 5ppr/1градC\")",
      "setWindowCursor(red)",
      "tag(red)",
      "backColor(red)",
  };
  EXPECT_EQ(s.log(), expected);
}

TEST(RecordingSurface, RefusesACallThatDoesNotApplyToItsControlAndNamesIt) {
  struct Row {
    void (*call)(RecordingSurface &);
    const char *named;
  };
  const Row rows[] = {
      {[](RecordingSurface &s) { s.setText(ppr, "± 5ppr/1градC"); }, "setText(ppr, \"± 5ppr/1градC\")"},
      {[](RecordingSurface &s) { s.setCaption(resxx, "???"); }, "setCaption(resxx, \"???\")"},
      {[](RecordingSurface &s) { s.setBackColor(toler, 0); }, "setBackColor(toler, 0x00000000)"},
      {[](RecordingSurface &s) { (void)s.backColor(curcol); }, "backColor(curcol)"},
      {[](RecordingSurface &s) { (void)s.tag(dig1); }, "tag(dig1)"},
      {[](RecordingSurface &s) { s.setWindowCursor(curcolor); }, "setWindowCursor(curcolor)"},
  };
  for (const Row &row : rows) {
    RecordingSurface s;
    try {
      row.call(s);
      ADD_FAILURE() << row.named << " was accepted";
    } catch (const std::logic_error &e) {
      EXPECT_EQ(std::string(e.what()).find(row.named), 0U) << e.what();
    }
    EXPECT_TRUE(s.log().empty()) << row.named;
  }
}
