// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "surface/control.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// The pointer images and the window icon, drawn by this project in the
// standard 16-colour palette and transparent outside their shapes. Kept free
// of any toolkit, so that the desktop window and the web page draw the same
// pixels.
namespace pointerart {

// A pixel as 0xAARRGGBB, alpha either 0 (transparent) or 0xFF.
using Argb = std::uint32_t;

// A square image, its pixels row by row from the top left.
struct Image {
  int size;
  std::vector<Argb> pixels;

  // Where pixel (x, y) lies in `pixels`.
  [[nodiscard]] std::size_t offset(int x, int y) const {
    return (static_cast<std::size_t>(y) * static_cast<std::size_t>(size)) + static_cast<std::size_t>(x);
  }
  [[nodiscard]] Argb at(int x, int y) const { return pixels[offset(x, y)]; }
};

// The pointers' size, and their hot spot in both directions: the centre.
inline constexpr int kSize = 32;
inline constexpr int kHotSpot = kSize / 2;

// The arrow that a swatch carries; the window adopts it when the swatch is
// picked, and shows black's before any pick.
// Throws std::out_of_range for a control that is not a swatch.
Image swatchArrow(Control swatch);
// The fixed pointer of the value field `resxx`.
Image valueFieldArrow();
// The window's resistor icon, fully opaque.
Image windowIcon();
// The same icon drawn at 16 x 16 pixels for small views.
Image smallWindowIcon();

} // namespace pointerart
