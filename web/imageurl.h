// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace pointerart {
struct Image;
}

// The image as a PNG data URL: lossless, and the page loads nothing to show it.
std::string imageUrl(const pointerart::Image &image);
// The image as a CSS cursor, its hot spot at the image centre.
std::string cursorCss(const pointerart::Image &image);
