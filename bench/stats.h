// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

// Order statistics of benchmark samples. Each takes a non-empty sample by value
// and sorts its copy.
namespace stats {

// The middle value; for an even count, the mean of the two middle values.
double median(std::vector<double> samples);
// The nearest-rank percentile: the smallest sample that at least `percent`
// per cent of the samples do not exceed.
double percentile(std::vector<double> samples, double percent);
double min(const std::vector<double> &samples);
double max(const std::vector<double> &samples);
// Element-wise a[i] / b[i] of two samples of the same length.
std::vector<double> ratios(const std::vector<double> &a, const std::vector<double> &b);

} // namespace stats
