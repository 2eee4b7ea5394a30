// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/decoder/rig.h"

#include "surface/controlsurface.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

using enum Control;

namespace {

struct LayoutRow {
  int clicks; // on the band-count button after start-up
  int bands;
  const char *caption;
  bool dig4, dig5, dig6, ppr;
  const char *tolerance;
};

const LayoutRow kCycle[] = {
    {1, 4, "4-полосы", true, false, false, false, "??%"}, {2, 5, "5-полос", true, true, false, false, "??%"},
    {3, 6, "6-полос", true, true, true, true, "??%"},     {4, 3, "3-полосы", false, false, false, false, "20%"},
    {5, 4, "4-полосы", true, false, false, false, "??%"}, {8, 3, "3-полосы", false, false, false, false, "20%"},
};

} // namespace

TEST(Selector, CyclesThroughTheLayoutsAndStartsAfresh) {
  for (const LayoutRow &row : kCycle) {
    SCOPED_TRACE(row.clicks);
    Rig rig;
    for (int i = 0; i < row.clicks; ++i) {
      // Paint every band there is before each click; the click must undo it all.
      const int shown = rig.resx.state().sn;
      rig.paint({{yellow, dig1}, {violet, dig2}, {red, dig3}});
      if (shown >= 4) {
        rig.paint(shown == 4 ? gold : brown, dig4);
      }
      if (shown >= 5) {
        rig.paint(gold, dig5);
      }
      if (shown == 6) {
        rig.paint(red, dig6);
      }
      rig.click(stripbutton);
    }
    const ResX::State st = rig.resx.state();
    EXPECT_EQ(st.sn, row.bands);
    EXPECT_EQ(rig.text(stripbutton), row.caption);
    EXPECT_EQ(rig.visible(dig4), row.dig4);
    EXPECT_EQ(rig.visible(dig5), row.dig5);
    EXPECT_EQ(rig.visible(dig6), row.dig6);
    EXPECT_EQ(rig.visible(ppr), row.ppr);
    EXPECT_TRUE(rig.visible(dig1) && rig.visible(dig2) && rig.visible(dig3));
    EXPECT_EQ(rig.text(toler), row.tolerance);
    EXPECT_EQ(rig.text(resxx), "???");
    EXPECT_EQ(rig.text(ppr), "± ?? ppr/1градC");
    for (const Control b : {dig1, dig2, dig3, dig4, dig5, dig6}) {
      EXPECT_EQ(rig.back(b), kUnpaintedBand); // hidden bands too, so they show unpainted later
    }
    for (const int code : {st.n1, st.n2, st.n3, st.n4, st.n5, st.n6}) {
      EXPECT_EQ(code, -1);
    }
    EXPECT_EQ(st.mn, 12);
  }
}

TEST(Selector, KeepsTheCurrentColourAndTheToleranceFlag) {
  Rig rig;
  rig.click(stripbutton);
  rig.paint(orange, dig4); // refused: the flag goes down
  rig.click(red);
  rig.click(stripbutton);
  EXPECT_EQ(rig.surface.windowCursor(), red);
  EXPECT_EQ(rig.back(curcolor), kSwatchColour[2]);
  EXPECT_EQ(rig.text(curcol), "текущий цвет-красный");
  EXPECT_FALSE(rig.resx.state().dopenable);
  rig.click(dig1);
  EXPECT_EQ(rig.back(dig1), kSwatchColour[2]);
  EXPECT_EQ(rig.text(resxx), "2??");
}

TEST(Selector, ADecoderSendingTheCoefficientWithSetTextFailsOnTheRecordingSurface) {
  struct CoefficientAsText final : ControlSurface {
    RecordingSurface to;
    void setBackColor(Control c, Colour v) override { to.setBackColor(c, v); }
    [[nodiscard]] Colour backColor(Control c) const override { return to.backColor(c); }
    [[nodiscard]] std::string tag(Control c) const override { return to.tag(c); }
    void setCaption(Control c, std::string_view t) override { c == ppr ? to.setText(c, t) : to.setCaption(c, t); }
    void setText(Control c, std::string_view t) override { to.setText(c, t); }
    void setVisible(Control c, bool v) override { to.setVisible(c, v); }
    void setWindowCursor(Control c) override { to.setWindowCursor(c); }
  } surface;
  ResX resx(surface);
  resx.Form_Load();
  try {
    resx.stripbutton_Click();
    ADD_FAILURE() << "the coefficient's text was accepted by setText";
  } catch (const std::logic_error &e) {
    EXPECT_EQ(std::string(e.what()).find("setText(ppr, \"± ?? ppr/1градC\")"), 0U) << e.what();
  }
}
