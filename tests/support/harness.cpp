// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/harness.h"

#include "surface/design.h"
#include "tests/support/checker.h"

#include <algorithm>
#include <random>

Harness::Harness() { resx_.Form_Load(); }

std::vector<Control> Harness::clickable() const {
  std::vector<Control> controls;
  for (std::size_t i = 0; i < kControlCount; ++i) {
    if (oracle_.clickable(static_cast<Control>(i))) {
      controls.push_back(static_cast<Control>(i));
    }
  }
  return controls;
}

std::string Harness::click(Control control) {
  (resx_.*ResX::clickHandler(control))();
  oracle_.click(control);
  surface_.clearLog();
  return check();
}

std::string Harness::check() const { return ::check(oracle_, surface_); }

std::optional<Failure> replay(std::span<const Control> clicks) {
  Harness harness;
  Failure failure;
  failure.message = harness.check();
  for (const Control control : clicks) {
    if (!failure.message.empty()) {
      break;
    }
    if (harness.canClick(control)) {
      failure.clicks.push_back(control);
      failure.message = harness.click(control);
    }
  }
  return failure.message.empty() ? std::nullopt : std::optional<Failure>(std::move(failure));
}

std::optional<Failure> shrink(std::span<const Control> clicks, const Replay &run) {
  std::optional<Failure> best = run(clicks);
  if (!best) {
    return best;
  }
  // Replay stops at the first disagreement, so its clicks are the shortest
  // failing prefix. Then drop runs of clicks, long runs first (a run of button
  // clicks only goes as a whole), while the rest still fails.
  for (std::size_t length = best->clicks.size() / 2; length > 0; length /= 2) {
    for (std::size_t end = best->clicks.size(); end >= length; --end) {
      std::vector<Control> fewer = best->clicks;
      fewer.erase(fewer.begin() + static_cast<std::ptrdiff_t>(end - length),
                  fewer.begin() + static_cast<std::ptrdiff_t>(end));
      if (std::optional<Failure> still = run(fewer)) {
        best = std::move(still);
        end = std::min(end, best->clicks.size() + 1);
      }
    }
  }
  return best;
}

std::vector<Control> randomClicks(std::uint32_t seed, std::size_t count) {
  std::mt19937 random(seed);
  Oracle oracle;
  std::vector<Control> clicks;
  clicks.reserve(count);
  while (clicks.size() < count) {
    // Picks and band clicks alike; one button click in twenty keeps each
    // layout long enough to fill its bands.
    const auto roll = std::uniform_int_distribution<int>(0, 19)(random);
    Control control = Control::stripbutton;
    if (roll < 10) {
      control = static_cast<Control>(std::uniform_int_distribution<std::size_t>(0, kSwatchCount - 1)(random));
    } else if (roll < 19) {
      auto band = std::uniform_int_distribution<std::size_t>(0, static_cast<std::size_t>(oracle.bands()) - 1);
      control = static_cast<Control>(index(Control::dig1) + band(random));
    }
    oracle.click(control);
    clicks.push_back(control);
  }
  return clicks;
}

std::string names(std::span<const Control> clicks) {
  std::string text;
  for (const Control control : clicks) {
    if (!text.empty()) {
      text += ' ';
    }
    text += design::item(control).name;
  }
  return text;
}
