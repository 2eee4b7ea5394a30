// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "decoder/resx.h"
#include "surface/controlsurface.h"

#include <benchmark/benchmark.h>

namespace {

// A control surface that does nothing, so that only the decoder is timed.
class NullSurface final : public ControlSurface {
public:
  void setBackColor(Control /*control*/, Colour /*colour*/) override {}
  [[nodiscard]] Colour backColor(Control /*control*/) const override { return 0x0000FFFF; }
  [[nodiscard]] std::string tag(Control /*control*/) const override { return "4"; }
  void setCaption(Control /*control*/, std::string_view /*caption*/) override {}
  void setText(Control /*control*/, std::string_view text) override { benchmark::DoNotOptimize(text.data()); }
  void setVisible(Control /*control*/, bool /*visible*/) override {}
  void setWindowCursor(Control /*swatch*/) override {}
};

// One band click with its value refresh: band 1 of three bands (the
// two-digit value) and band 4 of five bands (the multiplier, three digits).
void bandClick(benchmark::State &state) {
  const auto bands = static_cast<int>(state.range(0));
  NullSurface surface;
  ResX resx(surface);
  resx.Form_Load();
  while (resx.state().sn != bands) {
    resx.stripbutton_Click();
  }
  resx.yellow_Click();
  const ResX::Handler click = bands == 3 ? &ResX::dig1_Click : &ResX::dig4_Click;
  for (auto _ : state) { // NOLINT(clang-analyzer-deadcode.DeadStores): the loop variable is unused by design
    (resx.*click)();
    benchmark::ClobberMemory();
  }
  state.SetLabel(bands == 3 ? "band 1 of 3, target < 1 us" : "band 4 of 5, target < 1 us");
}
BENCHMARK(bandClick)->Arg(3)->Arg(5);

} // namespace

BENCHMARK_MAIN();
