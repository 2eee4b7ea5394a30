// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/decoder/rig.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using enum Control;

namespace {

const std::set<int> kDigits{1, 2, 3, 4, 5, 6, 7, 8, 9};
const std::set<int> kDigitsAndZero{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
const std::set<int> kAll{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
const std::set<int> kTolerance{1, 2, 5, 6, 7, 8, 10, 11};
const std::set<int> kTemperature{1, 2, 3, 4, 6, 7, 9};

struct AcceptRow {
  int bands;
  int band;
  std::set<int> accepted;
};

// Band 4 with five or six bands is the multiplier and accepts every colour,
// whatever a tolerance band was offered before.
const AcceptRow kAcceptance[] = {
    {3, 1, kDigits}, {3, 2, kDigitsAndZero}, {3, 3, kAll},         {4, 1, kDigits},        {4, 2, kDigitsAndZero},
    {4, 3, kAll},    {4, 4, kTolerance},     {5, 1, kDigits},      {5, 2, kDigitsAndZero}, {5, 3, kDigitsAndZero},
    {5, 4, kAll},    {5, 5, kTolerance},     {6, 1, kDigits},      {6, 2, kDigitsAndZero}, {6, 3, kDigitsAndZero},
    {6, 4, kAll},    {6, 5, kTolerance},     {6, 6, kTemperature},
};

int recorded(const ResX::State &s, int band) {
  const int codes[] = {s.n1, s.n2, s.n3, s.n4, s.n5, s.n6};
  return codes[band - 1];
}

bool logged(const Rig &rig, const std::string &prefix) {
  const auto &log = rig.surface.log();
  return std::any_of(log.begin(), log.end(), [&](const std::string &e) { return e.starts_with(prefix); });
}

// Offers orange, no tolerance colour, to the tolerance band: from then on
// `dopenable` is false.
void refuseATolerance(Rig &rig) {
  const int bands = rig.resx.state().sn;
  if (bands == 3) {
    rig.bands(4);
    rig.paint(orange, dig4);
    rig.bands(3);
  } else {
    rig.paint(orange, bands == 4 ? dig4 : dig5);
  }
  ASSERT_FALSE(rig.resx.state().dopenable);
}

} // namespace

TEST(Bands, AcceptOnlyTheColoursOfTheirPosition) {
  for (const AcceptRow &row : kAcceptance) {
    for (int code = 0; code < 12; ++code) {
      for (const bool refusedBefore : {false, true}) {
        SCOPED_TRACE(testing::Message() << row.bands << " bands, band " << row.band << ", code " << code
                                        << (refusedBefore ? ", after a refused tolerance" : ""));
        Rig rig;
        rig.bands(row.bands);
        // Brown is welcome on every band. Going round to three bands resets
        // the bands, so there the refusal comes before painting.
        if (refusedBefore && row.bands == 3) {
          refuseATolerance(rig);
        }
        rig.paint(brown, band(row.band));
        if (refusedBefore && row.bands > 3) {
          refuseATolerance(rig);
        }
        const ResX::State before = rig.resx.state();
        rig.click(swatch(code));
        rig.surface.clearLog();
        rig.click(band(row.band));

        const bool accepted = row.accepted.contains(code);
        EXPECT_EQ(rig.back(band(row.band)), accepted ? kSwatchColour[code] : kSwatchColour[1]);
        if (row.band < 6) {
          EXPECT_EQ(recorded(rig.resx.state(), row.band), accepted ? code : recorded(before, row.band));
        }
        EXPECT_EQ(rig.resx.state().n6, -1);
        // Every click but one on band 6 rebuilds the value, painted or not.
        EXPECT_EQ(logged(rig, "setText(resxx"), row.band != 6);
      }
    }
  }
}

TEST(Bands, TheMultiplierBandFollowsWhenPaintedAndOnlyThen) {
  Rig rig;
  rig.paint(red, dig3);
  EXPECT_EQ(rig.resx.state().mn, 2);
  rig.bands(5);
  rig.paint(gold, dig3); // refused: band 3 is a digit now
  EXPECT_EQ(rig.resx.state().mn, 12);
  EXPECT_EQ(rig.resx.state().n3, -1);
  EXPECT_EQ(rig.text(resxx), "???");
  rig.paint(green, dig3);
  EXPECT_EQ(rig.resx.state().mn, 12);
  EXPECT_EQ(rig.text(resxx), "??5");
}

TEST(Bands, ToleranceTextForEveryCode) {
  const char *kTexts[] = {nullptr, "1%",   "2%",    nullptr, nullptr, "0,5%",
                          "0,25%", "0,1%", "0,05%", nullptr, "5%",    "10%"};
  for (const int bands : {4, 5, 6}) {
    const Control toleranceBand = bands == 4 ? dig4 : dig5;
    for (int code = 0; code < 12; ++code) {
      SCOPED_TRACE(testing::Message() << bands << " bands, code " << code);
      Rig rig;
      rig.bands(bands);
      rig.paint({{yellow, dig1}, {violet, dig2}, {red, dig3}});
      const std::string value = rig.text(resxx);
      rig.paint(swatch(code), toleranceBand);
      EXPECT_EQ(rig.text(toler), kTexts[code] ? kTexts[code] : "??%");
      EXPECT_EQ(rig.resx.state().dopenable, kTexts[code] != nullptr);
      EXPECT_EQ(rig.text(resxx), value); // the tolerance band never enters the value

      rig.paint(gold, toleranceBand);
      rig.paint(swatch(code), toleranceBand); // offered twice: a refusal keeps the last accepted text
      EXPECT_EQ(rig.text(toler), kTexts[code] ? kTexts[code] : "5%");
      EXPECT_EQ(rig.back(toleranceBand), kTexts[code] ? kSwatchColour[code] : kSwatchColour[10]);
    }
  }
}

TEST(Bands, TemperatureCoefficientForEveryCode) {
  const char *kCaptions[] = {nullptr,          "± 100ppr/1градC", "± 50ppr/1градC", "± 15ppr/1градC",
                             "± 25ppr/1градC", nullptr,           "± 10ppr/1градC", "± 5ppr/1градC",
                             nullptr,          "± 1ppr/1градC",   nullptr,          nullptr};
  for (int code = 0; code < 12; ++code) {
    SCOPED_TRACE(code);
    Rig rig;
    rig.bands(6);
    rig.paint(gold, dig5);
    rig.paint(swatch(code), dig6);
    EXPECT_EQ(rig.text(ppr), kCaptions[code] ? kCaptions[code] : "± ?? ppr/1градC");
    EXPECT_EQ(rig.text(toler), "5%");
    EXPECT_EQ(rig.text(resxx), "???");
  }
}

TEST(Bands, ARefusedToleranceColourDoesNotLockTheMultiplier) {
  for (const int bands : {5, 6}) {
    SCOPED_TRACE(bands);
    Rig rig;
    rig.bands(bands);
    rig.paint(orange, dig5);
    ASSERT_FALSE(rig.resx.state().dopenable);
    rig.paint(red, dig4);
    EXPECT_EQ(rig.back(dig4), kSwatchColour[2]);
    EXPECT_EQ(rig.resx.state().mn, 2);
    EXPECT_EQ(rig.text(resxx), "??,? KOm");
    EXPECT_FALSE(rig.resx.state().dopenable); // band 4 does not judge tolerance colours
    rig.paint(orange, dig5);
    EXPECT_EQ(rig.back(dig5), kUnpaintedBand); // band 5 still refuses what is no tolerance colour
  }

  Rig rig; // a refusal on band 4 with four bands carries over to five bands
  rig.bands(4);
  rig.paint(orange, dig4);
  rig.bands(5);
  rig.paint(yellow, dig4);
  EXPECT_EQ(rig.back(dig4), kSwatchColour[4]);
  EXPECT_EQ(rig.text(resxx), "?,?? MOm");
}
