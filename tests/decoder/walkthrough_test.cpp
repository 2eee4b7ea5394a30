// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/decoder/rig.h"

#include <gtest/gtest.h>

using enum Control;

// A user decodes yellow, violet, red, then moves to four bands for a gold tolerance.
TEST(Walkthrough, FromStartUpToFourPointSevenKiloOhmAtFivePercent) {
  Rig rig;
  EXPECT_EQ(rig.text(resxx), "???");

  rig.click(yellow);
  EXPECT_EQ(rig.surface.windowCursor(), yellow);
  EXPECT_EQ(rig.back(curcolor), 0x0000FFFFU);
  EXPECT_EQ(rig.text(curcol), "текущий цвет-жёлтый");
  rig.click(dig1);
  EXPECT_EQ(rig.back(dig1), 0x0000FFFFU);
  EXPECT_EQ(rig.resx.state().n1, 4);
  EXPECT_EQ(rig.text(resxx), "4?");

  rig.paint(violet, dig2);
  EXPECT_EQ(rig.text(resxx), "47");
  rig.paint(red, dig3);
  EXPECT_EQ(rig.resx.state().mn, 2);
  EXPECT_EQ(rig.text(resxx), "4,7 KOm");
  EXPECT_EQ(rig.text(toler), "20%");

  rig.click(stripbutton);
  EXPECT_TRUE(rig.visible(dig4));
  EXPECT_EQ(rig.text(resxx), "???");
  rig.paint({{yellow, dig1}, {violet, dig2}, {red, dig3}, {gold, dig4}});
  EXPECT_EQ(rig.text(resxx), "4,7 KOm");
  EXPECT_EQ(rig.text(toler), "5%");
  EXPECT_EQ(rig.back(dig4), 0x00C0FFFFU);
}
