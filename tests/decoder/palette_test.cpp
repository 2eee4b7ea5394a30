// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/decoder/rig.h"

#include <gtest/gtest.h>

using enum Control;

namespace {

struct PickRow {
  const char *name;
  const char *caption;
  Control swatch;
  bool readsTag;
};

const PickRow kPicks[] = {
    {"black", "текущий цвет-чёрный", black, true},   {"brown", "текущий цвет-коричневый", brown, false},
    {"red", "текущий цвет-красный", red, true},      {"orange", "текущий цвет-оранжевый", orange, true},
    {"yellow", "текущий цвет-жёлтый", yellow, true}, {"green", "текущий цвет-зелёный", green, true},
    {"blue", "текущий цвет-голубой", blue, true},    {"violet", "текущий цвет-фиолетовый", violet, true},
    {"grey", "текущий цвет-серый", grey, true},      {"white", "текущий цвет-белый", white, true},
    {"gold", "текущий цвет-золотой", gold, false},   {"silver", "текущий цвет-серебряный", silver, false},
};

} // namespace

TEST(Palette, EachSwatchBecomesTheCurrentColour) {
  for (int code = 0; code < 12; ++code) {
    const PickRow &row = kPicks[code];
    SCOPED_TRACE(row.name);
    Rig rig;
    rig.click(yellow); // a different colour first: a pick leaves no trace of the one before
    rig.surface.clearLog();
    rig.click(row.swatch);

    EXPECT_EQ(rig.resx.state().dig, code);
    EXPECT_EQ(rig.resx.state().coler, kSwatchColour[code]);
    EXPECT_EQ(rig.back(curcolor), kSwatchColour[code]);
    EXPECT_EQ(rig.text(curcol), row.caption);
    EXPECT_EQ(rig.surface.windowCursor(), row.swatch);

    const std::string name = row.name;
    std::vector<std::string> expected{"setWindowCursor(" + name + ")"};
    if (row.readsTag) {
      expected.push_back("tag(" + name + ")");
    }
    expected.push_back("backColor(" + name + ")");
    expected.push_back("setBackColor(curcolor, " + colourText(kSwatchColour[code]) + ")");
    expected.push_back(std::string("setCaption(curcol, \"") + row.caption + "\")");
    EXPECT_EQ(rig.surface.log(), expected);
  }
}

TEST(Palette, APickChangesNoBandAndNoOutput) {
  Rig rig;
  rig.bands(6);
  rig.paint({{yellow, dig1}, {violet, dig2}, {black, dig3}, {red, dig4}, {gold, dig5}, {brown, dig6}});
  const ResX::State before = rig.resx.state();
  const RecordingSurface::State value = rig.surface.state(resxx);
  for (const PickRow &row : kPicks) {
    rig.click(row.swatch);
    rig.click(row.swatch); // picking twice is the same as picking once
    const ResX::State after = rig.resx.state();
    EXPECT_EQ(std::vector({after.n1, after.n2, after.n3, after.n4, after.n5, after.mn, after.sn}),
              std::vector({before.n1, before.n2, before.n3, before.n4, before.n5, before.mn, before.sn}));
    EXPECT_EQ(rig.text(resxx), value.text);
    EXPECT_EQ(rig.text(toler), "5%");
    EXPECT_EQ(rig.text(ppr), "± 100ppr/1градC");
    EXPECT_EQ(rig.back(dig3), 0x00000000U);
  }
}
