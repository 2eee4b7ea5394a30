// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>

// The first seed of a randomised test: its fixed default, or RESX_SEED from the
// environment to replay a failure. Printed either way.
inline std::uint32_t testSeed(std::uint32_t fixed) {
  const char *given = std::getenv("RESX_SEED");
  const auto seed = given != nullptr ? static_cast<std::uint32_t>(std::strtoul(given, nullptr, 10)) : fixed;
  std::printf("seed %u (RESX_SEED=%u replays it)\n", seed, seed);
  return seed;
}
