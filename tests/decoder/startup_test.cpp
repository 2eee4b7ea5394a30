// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/decoder/rig.h"

#include <gtest/gtest.h>

using enum Control;

TEST(Startup, LeavesTheThreeBandLayoutWithBlackAsTheCurrentColour) {
  Rig rig;
  const ResX::State st = rig.resx.state();
  EXPECT_EQ(st.sn, 3);
  EXPECT_EQ(st.dig, 0);
  EXPECT_EQ(st.coler, 0U);
  for (const int code : {st.n1, st.n2, st.n3, st.n4, st.n5, st.n6}) {
    EXPECT_EQ(code, -1);
  }
  EXPECT_EQ(st.mn, 12);
  EXPECT_TRUE(st.dopenable);
  EXPECT_EQ(st.r11 + st.r12 + st.r13, "");

  for (const Control b : {dig1, dig2, dig3}) {
    EXPECT_TRUE(rig.visible(b));
    EXPECT_EQ(rig.back(b), kUnpaintedBand);
  }
  for (const Control hidden : {dig4, dig5, dig6, ppr}) {
    EXPECT_FALSE(rig.visible(hidden));
  }
  EXPECT_EQ(rig.text(stripbutton), "3полосы"); // no separator, unlike the selector's "3-полосы"
  EXPECT_EQ(rig.text(toler), "20%");
  EXPECT_EQ(rig.text(resxx), "???");
  EXPECT_EQ(rig.surface.windowCursor(), black);
  EXPECT_EQ(rig.text(curcol), "текущий цвет-чёрный");
  EXPECT_EQ(rig.back(curcolor), 0x00000000U);
}

TEST(Startup, RunsItsStepsInOrder) {
  Rig rig;
  const std::vector<std::string> expected{
      "setVisible(dig4, false)", "setVisible(dig5, false)",
      "setVisible(dig6, false)", "setCaption(stripbutton, \"3полосы\")",
      "setVisible(ppr, false)",  "setWindowCursor(black)",
      "setText(toler, \"20%\")", "setText(resxx, \"???\")",
  };
  EXPECT_EQ(rig.surface.log(), expected);
}

TEST(Startup, BeforeAnyPickABandIsPaintedBlackWhereBlackIsAllowed) {
  Rig rig;
  rig.click(dig1); // band 1 refuses black, yet the value is rebuilt
  EXPECT_EQ(rig.back(dig1), kUnpaintedBand);
  EXPECT_EQ(rig.text(resxx), "??");
  rig.click(dig2);
  EXPECT_EQ(rig.back(dig2), 0x00000000U);
  EXPECT_EQ(rig.resx.state().n2, 0);
  EXPECT_EQ(rig.text(resxx), "?0");
}
