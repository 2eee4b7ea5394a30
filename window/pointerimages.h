// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "surface/control.h"

class QImage;

// The pointer images and the window icon as Qt images, from the project's
// own art (surface/pointerart.h).
namespace pointerimages {

// The arrow that a swatch carries; the window adopts it when the swatch is
// picked, and shows black's before any pick.
// Throws std::out_of_range for a control that is not a swatch.
QImage swatchArrow(Control swatch);
// The fixed pointer of the value field `resxx`.
QImage valueFieldArrow();
// The window's resistor icon, fully opaque.
QImage windowIcon();
// The same icon drawn at 16 x 16 pixels for small views.
QImage smallWindowIcon();

// The image `factor` times larger, every pixel a square block: no smoothing,
// so the pixel art stays sharp. A factor below 2 gives the image unchanged.
QImage enlarged(const QImage &image, int factor);

} // namespace pointerimages
