// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/imageurl.h"

#include "surface/pointerart.h"

#include <emscripten/val.h>

#include <cstdint>
#include <vector>

std::string imageUrl(const pointerart::Image &image) {
  using emscripten::val;
  // ImageData holds red, green, blue and alpha bytes in that order.
  std::vector<std::uint8_t> rgba;
  rgba.reserve(image.pixels.size() * 4);
  for (const pointerart::Argb pixel : image.pixels) {
    for (const unsigned shift : {16U, 8U, 0U, 24U}) {
      rgba.push_back(static_cast<std::uint8_t>(pixel >> shift));
    }
  }
  val canvas = val::global("document").call<val>("createElement", std::string("canvas"));
  canvas.set("width", image.size);
  canvas.set("height", image.size);
  val context = canvas.call<val>("getContext", std::string("2d"));
  val data = context.call<val>("createImageData", image.size, image.size);
  data["data"].call<void>("set", val(emscripten::typed_memory_view(rgba.size(), rgba.data())));
  context.call<void>("putImageData", data, 0, 0);
  return canvas.call<std::string>("toDataURL");
}

std::string cursorCss(const pointerart::Image &image) {
  const std::string hotSpot = std::to_string(pointerart::kHotSpot);
  return "url(" + imageUrl(image) + ") " + hotSpot + " " + hotSpot + ", default";
}
