// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/stats.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace stats {

double median(std::vector<double> samples) {
  std::sort(samples.begin(), samples.end());
  const std::size_t half = samples.size() / 2;
  return samples.size() % 2 == 1 ? samples[half] : (samples[half - 1] + samples[half]) / 2;
}

double percentile(std::vector<double> samples, double percent) {
  std::sort(samples.begin(), samples.end());
  const auto rank = static_cast<std::size_t>(std::ceil(percent / 100 * static_cast<double>(samples.size())));
  return samples[std::clamp<std::size_t>(rank, 1, samples.size()) - 1];
}

double min(const std::vector<double> &samples) { return *std::min_element(samples.begin(), samples.end()); }

double max(const std::vector<double> &samples) { return *std::max_element(samples.begin(), samples.end()); }

std::vector<double> ratios(const std::vector<double> &a, const std::vector<double> &b) {
  std::vector<double> out(a.size());
  std::transform(a.begin(), a.end(), b.begin(), out.begin(), [](double x, double y) { return x / y; });
  return out;
}

} // namespace stats
