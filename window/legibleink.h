// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>

#include <algorithm>
#include <cmath>

// The ink for a text whose colour comes from the desktop's scheme but whose
// background the design fixes: the scheme's colour while its contrast with the
// background is at least 4.5:1 (WCAG 2, relative luminance), else the standard
// scheme's black. A dark scheme's light text on the design's light grey face
// would otherwise be unreadable.
inline QColor legibleInk(const QColor &ink, const QColor &back) {
  const auto luminance = [](const QColor &colour) {
    const auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
  };
  const double a = luminance(ink);
  const double b = luminance(back);
  return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05) >= 4.5 ? ink : QColor(Qt::black);
}
