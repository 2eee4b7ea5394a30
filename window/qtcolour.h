// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "surface/control.h"

#include <QColor>

// Conversions between colour values (0x00BBGGRR) and Qt colours.
inline QColor qtColour(Colour value) {
  return QColor::fromRgb(static_cast<int>(value & 0xFFU), static_cast<int>((value >> 8U) & 0xFFU),
                         static_cast<int>((value >> 16U) & 0xFFU));
}

inline Colour colourValue(const QColor &colour) {
  return static_cast<Colour>(colour.red()) | static_cast<Colour>(colour.green()) << 8U |
         static_cast<Colour>(colour.blue()) << 16U;
}
