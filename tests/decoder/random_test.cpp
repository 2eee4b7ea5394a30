// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/harness.h"
#include "tests/support/seed.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t kSequences = 10'000;
constexpr std::size_t kClicks = 100;
constexpr std::uint32_t kBlocks = 4; // a failure names its block as well as its seed
constexpr std::uint32_t kPerBlock = kSequences / kBlocks;

class RandomClicks : public testing::TestWithParam<std::uint32_t> {};

} // namespace

// Each seed gives a sequence of clicks a user could make; the decoder must
// agree with the oracle after every one of them.
TEST_P(RandomClicks, AgreeWithTheOracleAfterEveryClick) {
  const std::uint32_t first = testSeed(GetParam() * kPerBlock);
  for (std::uint32_t seed = first; seed < first + kPerBlock; ++seed) {
    const std::vector<Control> clicks = randomClicks(seed, kClicks);
    if (const std::optional<Failure> failure = replay(clicks)) {
      const std::optional<Failure> shortest = shrink(clicks);
      FAIL() << "seed " << seed << ": disagreement after click " << failure->clicks.size() << " of " << kClicks
             << "\nfailing prefix: " << names(failure->clicks) << "\nshortest failing clicks ("
             << shortest->clicks.size() << "): " << names(shortest->clicks) << "\n"
             << shortest->message;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomClicks, testing::Range(0U, kBlocks));
