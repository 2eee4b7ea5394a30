// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/stats.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

std::vector<double> oneTo(int n) {
  std::vector<double> v(static_cast<std::size_t>(n));
  std::iota(v.begin(), v.end(), 1.0);
  return v;
}

} // namespace

TEST(Stats, MedianOfOddAndEvenCountsInAnyOrder) {
  const struct {
    std::vector<double> samples;
    double median;
  } rows[] = {
      {{7}, 7}, {{3, 1, 2}, 2}, {{4, 1, 3, 2}, 2.5}, {{10, 0}, 5}, {{5, 5, 1, 9, 5}, 5}, {oneTo(20), 10.5},
  };
  for (const auto &row : rows) {
    EXPECT_DOUBLE_EQ(stats::median(row.samples), row.median) << row.samples.size() << " samples";
  }
}

TEST(Stats, NearestRankPercentile) {
  const struct {
    std::vector<double> samples;
    double percent;
    double value;
  } rows[] = {
      {oneTo(100), 99, 99}, {oneTo(100), 100, 100}, {oneTo(100), 50, 50}, {oneTo(5000), 99, 4950},
      {oneTo(10), 99, 10},  {oneTo(10), 0, 1},      {{9, 1, 5}, 50, 5},   {{3}, 99, 3},
  };
  for (const auto &row : rows) {
    EXPECT_DOUBLE_EQ(stats::percentile(row.samples, row.percent), row.value)
        << row.percent << "% of " << row.samples.size() << " samples";
  }
}

TEST(Stats, ExtremesAndPairwiseRatios) {
  const std::vector<double> a{4, 9, 1};
  const std::vector<double> b{2, 3, 4};
  EXPECT_DOUBLE_EQ(stats::min(a), 1);
  EXPECT_DOUBLE_EQ(stats::max(a), 9);
  EXPECT_EQ(stats::ratios(a, b), (std::vector<double>{2, 3, 0.25}));
  // The median of the ratios pairs each run with its neighbour, unlike the ratio of the medians.
  EXPECT_DOUBLE_EQ(stats::median(stats::ratios(a, b)), 2);
  EXPECT_DOUBLE_EQ(stats::median(a) / stats::median(b), 4.0 / 3);
}
