// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/imageurl.h"

#include "surface/pointerart.h"
#include "web/png.h"

#include <cstdint>
#include <string_view>

namespace {

std::string base64(std::string_view bytes) {
  constexpr std::string_view kDigits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  for (std::size_t at = 0; at < bytes.size(); at += 3) {
    std::uint32_t group = 0;
    for (std::size_t i = 0; i < 3; ++i) {
      group = (group << 8U) | (at + i < bytes.size() ? static_cast<std::uint8_t>(bytes[at + i]) : 0U);
    }
    for (std::size_t i = 0; i < 4; ++i) {
      out += i <= (bytes.size() - at) ? kDigits[(group >> (18U - (6U * i))) & 0x3FU] : '=';
    }
  }
  return out;
}

} // namespace

// Written here rather than by a canvas, which costs the page a canvas and its
// encoder at start-up.
std::string imageUrl(const pointerart::Image &image) { return "data:image/png;base64," + base64(png(image)); }

std::string cursorCss(const pointerart::Image &image) {
  const std::string hotSpot = std::to_string(pointerart::kHotSpot);
  return "url(" + imageUrl(image) + ") " + hotSpot + " " + hotSpot + ", default";
}
