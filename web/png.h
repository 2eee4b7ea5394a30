// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace pointerart {
struct Image;
}

// The image as a PNG file, `scale` times larger with every pixel a square
// block (no smoothing: the pixel art stays sharp). The art has at most 16
// colours and transparency: one palette byte a pixel, compressed.
std::string png(const pointerart::Image &image, int scale = 1);
