// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/harness.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

// Each byte clicks one of the controls a user can click at that moment; a
// disagreement with the oracle prints the clicks and aborts, so libFuzzer
// keeps the input as a crash.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
  Harness harness;
  std::vector<Control> clicks;
  std::string message = harness.check();
  for (std::size_t i = 0; i < size && message.empty(); ++i) {
    const std::vector<Control> choices = harness.clickable();
    const Control control = choices[data[i] % choices.size()];
    clicks.push_back(control);
    message = harness.click(control);
  }
  if (!message.empty()) {
    const std::optional<Failure> shortest = shrink(clicks);
    std::fprintf(stderr, "disagreement after %zu clicks\nshortest failing clicks (%zu): %s\n%s", clicks.size(),
                 shortest ? shortest->clicks.size() : 0, shortest ? names(shortest->clicks).c_str() : "",
                 message.c_str());
    std::abort();
  }
  return 0;
}
