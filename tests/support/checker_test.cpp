// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/checker.h"
#include "tests/support/harness.h"

#include <gtest/gtest.h>

#include <functional>

using enum Control;

namespace {

// A decoder and the oracle after the same clicks, with the surface at hand to
// be spoiled.
struct Scene {
  RecordingSurface surface;
  ResX resx{surface};
  Oracle oracle;

  explicit Scene(std::initializer_list<Control> clicks) {
    resx.Form_Load();
    for (const Control control : clicks) {
      (resx.*ResX::clickHandler(control))();
      oracle.click(control);
    }
  }
  [[nodiscard]] std::string check() const { return ::check(oracle, surface); }
};

// Five bands: yellow, violet, black, red, gold: "47,0 KOm", "5%".
Scene fiveBands() {
  return Scene{stripbutton, stripbutton, yellow, dig1, violet, dig2, black, dig3, red, dig4, gold, dig5};
}
// Six bands: brown on band 6, red multiplier, band 2 unpainted: "1?,? KOm".
Scene sixBands() { return Scene{stripbutton, stripbutton, stripbutton, brown, dig1, dig6, red, dig4}; }

struct Spoil {
  const char *what;
  Scene (*scene)();
  std::function<void(RecordingSurface &)> apply;
  const char *reported; // a word the complaint must contain
};

const Spoil kSpoils[] = {
    {"a wrong multiplier", fiveBands, [](RecordingSurface &s) { s.setText(resxx, "47 KOm"); }, "resxx"},
    {"a lower-case unit", fiveBands, [](RecordingSurface &s) { s.setText(resxx, "47,0 kOm"); }, "no number"},
    {"a digit too many", fiveBands, [](RecordingSurface &s) { s.setText(resxx, "47,00 KOm"); }, "band digits"},
    {"a digit dropped", fiveBands, [](RecordingSurface &s) { s.setText(resxx, "47 KOm"); }, "band digits"},
    {"a point for a comma", fiveBands, [](RecordingSurface &s) { s.setText(resxx, "47.0 KOm"); }, "no number"},
    {"too small a unit", fiveBands, [](RecordingSurface &s) { s.setText(resxx, "47000 Om"); }, "largest unit"},
    {"too large a unit", fiveBands, [](RecordingSurface &s) { s.setText(resxx, "0,0470 MOm"); }, "largest unit"},
    {"no unit", fiveBands, [](RecordingSurface &s) { s.setText(resxx, "470"); }, "resxx"},
    {"the tolerance of another colour", fiveBands, [](RecordingSurface &s) { s.setText(toler, "0,5%"); }, "toler"},
    {"a tolerance without its sign", fiveBands, [](RecordingSurface &s) { s.setText(toler, "5"); }, "toler"},
    {"a lost tolerance", fiveBands, [](RecordingSurface &s) { s.setText(toler, "??%"); }, "toler"},
    {"an unpainted band", fiveBands, [](RecordingSurface &s) { s.setBackColor(dig4, kUnpaintedBand); }, "dig4"},
    {"a hidden band", fiveBands, [](RecordingSurface &s) { s.setVisible(dig5, false); }, "dig5"},
    {"a shown label", fiveBands, [](RecordingSurface &s) { s.setVisible(ppr, true); }, "ppr"},
    {"a coefficient too early", fiveBands, [](RecordingSurface &s) { s.setCaption(ppr, "± 50ppr/1градC"); }, "ppr"},
    {"the wrong caption", fiveBands, [](RecordingSurface &s) { s.setCaption(stripbutton, "5-полосы"); }, "stripbutton"},
    {"the wrong pointer", fiveBands, [](RecordingSurface &s) { s.setWindowCursor(yellow); }, "pointer"},
    {"the wrong colour swatch", fiveBands, [](RecordingSurface &s) { s.setBackColor(curcolor, 0); }, "curcolor"},
    {"the wrong colour name", fiveBands, [](RecordingSurface &s) { s.setCaption(curcol, "текущий цвет-жёлтый"); },
     "curcol"},
    {"a value for a missing digit", sixBands, [](RecordingSurface &s) { s.setText(resxx, "10,? KOm"); }, "band digits"},
    {"a question mark moved", sixBands, [](RecordingSurface &s) { s.setText(resxx, "?1,? KOm"); }, "band digits"},
    {"a wrong coefficient", sixBands, [](RecordingSurface &s) { s.setCaption(ppr, "± 50ppr/1градC"); }, "ppr"},
    {"a spaced coefficient", sixBands, [](RecordingSurface &s) { s.setCaption(ppr, "± 100 ppr/1градC"); }, "ppr"},
    {"a lost coefficient", sixBands, [](RecordingSurface &s) { s.setCaption(ppr, "± ?? ppr/1градC"); }, "ppr"},
    {"the start-up caption", sixBands, [](RecordingSurface &s) { s.setCaption(stripbutton, "6полос"); }, "stripbutton"},
};

} // namespace

TEST(Checker, AgreesWithTheDecoderOnTheseScenes) {
  EXPECT_EQ(fiveBands().check(), "");
  EXPECT_EQ(sixBands().check(), "");
  EXPECT_EQ(Scene{}.check(), "");
}

TEST(Checker, ReportsEverySpoiledOutput) {
  for (const Spoil &spoil : kSpoils) {
    SCOPED_TRACE(spoil.what);
    Scene scene = spoil.scene();
    ASSERT_EQ(scene.check(), "");
    spoil.apply(scene.surface);
    EXPECT_NE(scene.check().find(spoil.reported), std::string::npos) << scene.check();
  }
}

TEST(Oracle, ComputesResistancesFromCodes) {
  struct Row {
    std::initializer_list<Control> clicks;
    std::int64_t digits;
    int exponent;
  };
  const Row rows[] = {
      {{yellow, dig1, violet, dig2, red, dig3}, 47, 2},
      {{brown, dig1, black, dig2, silver, dig3}, 10, -2},
      {{white, dig1, dig2, dig3}, 99, 9},
      {{stripbutton, stripbutton, brown, dig1, black, dig2, dig3, gold, dig4}, 100, -1},
      // A refused digit leaves the band as it was.
      {{stripbutton, stripbutton, brown, dig1, dig2, dig3, gold, dig1, dig3, dig4}, 111, -1},
  };
  for (const Row &row : rows) {
    Oracle oracle;
    for (const Control control : row.clicks) {
      oracle.click(control);
    }
    const std::optional<Oracle::Resistance> r = oracle.resistance();
    ASSERT_TRUE(r.has_value()) << names(row.clicks);
    EXPECT_EQ(r->digits, row.digits) << names(row.clicks);
    EXPECT_EQ(r->exponent, row.exponent) << names(row.clicks);
  }
}

TEST(Shrink, CutsAFailureDownToTheClicksThatCauseIt) {
  // A stand-in for the decoder that goes wrong once gold has been picked and
  // band 2 clicked after it.
  const Replay goldOnBandTwo = [](std::span<const Control> clicks) -> std::optional<Failure> {
    Failure failure;
    bool gold = false;
    for (const Control control : clicks) {
      failure.clicks.push_back(control);
      gold = gold || control == Control::gold;
      if (gold && control == dig2) {
        failure.message = "fails";
        return failure;
      }
    }
    return std::nullopt;
  };
  const std::vector<Control> clicks{red, dig1, gold, dig3, stripbutton, dig1, dig2, dig3, gold, dig2};
  const std::optional<Failure> shrunk = shrink(clicks, goldOnBandTwo);
  ASSERT_TRUE(shrunk.has_value());
  EXPECT_EQ(names(shrunk->clicks), "gold dig2");
  EXPECT_FALSE(shrink(std::vector<Control>{red, dig2, gold}, goldOnBandTwo).has_value());
}

TEST(RandomClicks, AreReproducibleAndClickableAtTheirTurn) {
  EXPECT_EQ(randomClicks(7, 100), randomClicks(7, 100));
  EXPECT_NE(randomClicks(7, 100), randomClicks(8, 100));
  for (std::uint32_t seed = 0; seed < 100; ++seed) {
    Oracle oracle;
    for (const Control control : randomClicks(seed, 100)) {
      ASSERT_TRUE(oracle.clickable(control)) << seed;
      oracle.click(control);
    }
  }
}
