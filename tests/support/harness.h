// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "decoder/resx.h"
#include "surface/recordingsurface.h"
#include "tests/support/oracle.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

// A started-up decoder on a recording surface and the oracle, fed the same
// clicks, compared after each one.
class Harness {
public:
  Harness();

  // The controls a user can click now: the swatches, the visible bands, the button.
  [[nodiscard]] std::vector<Control> clickable() const;
  [[nodiscard]] bool canClick(Control control) const { return oracle_.clickable(control); }
  // Clicks on both sides and returns the disagreements, empty when none.
  std::string click(Control control);
  [[nodiscard]] std::string check() const;

private:
  RecordingSurface surface_;
  ResX resx_{surface_};
  Oracle oracle_;
};

struct Failure {
  std::vector<Control> clicks; // the clicks delivered, up to the failing one
  std::string message;
};

// Replays the clicks on a fresh harness, skipping any that cannot be clicked
// at its turn; the first disagreement, if any.
std::optional<Failure> replay(std::span<const Control> clicks);
using Replay = std::function<std::optional<Failure>(std::span<const Control>)>;
// The shortest failing prefix, then without the runs of clicks whose removal
// keeps it failing.
std::optional<Failure> shrink(std::span<const Control> clicks, const Replay &run = replay);
// A reproducible sequence that a user could click: mostly picks and bands.
std::vector<Control> randomClicks(std::uint32_t seed, std::size_t count);
// Control names separated by spaces.
std::string names(std::span<const Control> clicks);
