// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QImage;

namespace pointerart {
struct Image;
}

// The pointer images and the window icon as Qt images: the project's own art
// (surface/pointerart.h) converted, and enlarged for dense screens.
namespace pointerimages {

QImage image(const pointerart::Image &art);

// The image `factor` times larger, every pixel a square block: no smoothing,
// so the pixel art stays sharp. A factor below 2 gives the image unchanged.
QImage enlarged(const QImage &image, int factor);

} // namespace pointerimages
