// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the page must show, from the recording surface: the design items, the
// pointer art, and for each argument (control or item names, space-separated)
// every control's state after start-up and after each click, as JSON. A click
// on an item without a handler, or on a hidden control, does nothing.
#include "decoder/resx.h"
#include "surface/pointerart.h"
#include "surface/recordingsurface.h"

#include <cstdio>
#include <iostream>
#include <sstream>

namespace {

std::string quoted(std::string_view text) { return "\"" + std::string(text) + "\""; } // no text holds " or \ .

std::string art(const pointerart::Image &image) {
  std::string hex;
  for (const pointerart::Argb pixel : image.pixels) {
    std::array<char, 9> digits{};
    std::snprintf(digits.data(), digits.size(), "%08x", (pixel >> 24U) != 0 ? pixel : 0); // transparent: 0
    hex += digits.data();
  }
  return quoted(hex);
}

std::string css(Colour c) { // as getComputedStyle gives it; none for the desktop scheme's colours
  return design::isSystemColour(c) ? "null"
                                   : quoted("rgb(" + std::to_string(c & 0xFFU) + ", " + std::to_string((c >> 8U) & 0xFFU) +
                                            ", " + std::to_string((c >> 16U) & 0xFFU) + ")");
}

// What assistive technology calls the control: a box by its colour, a field by its label, else its hover text or caption.
std::string accessibleName(Control control, const RecordingSurface::State &state) {
  const design::Item &item = design::item(control);
  if (!item.accessibleName.empty()) {
    return design::boxName(control, state.back);
  }
  for (const design::Item &label : design::items()) {
    if (label.buddy == item.name) {
      return std::string(label.text);
    }
  }
  return item.hover.empty() ? state.text : std::string(item.hover);
}

std::string step(const RecordingSurface &surface, const std::string &line) {
  std::string controls;
  std::string names;
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const auto control = static_cast<Control>(i);
    const RecordingSurface::State &s = surface.state(control);
    const std::string name = quoted(design::items()[i].name);
    controls += (i != 0 ? "," : "") + name + ":{\"back\":" + css(s.back) + ",\"text\":" + quoted(s.text) +
                ",\"visible\":" + (s.visible ? "true" : "false") + ",\"title\":" + quoted(design::item(control).hover) + "}";
    names += (i != 0 ? "," : "") + name + ":" + quoted(accessibleName(control, s));
  }
  return "{\"line\":" + quoted(line) + ",\"controls\":{" + controls + "},\"names\":{" + names + "}}";
}

} // namespace

int main(int argc, char *argv[]) {
  std::cout << "{\"items\":[";
  for (const design::Item &item : design::items()) {
    const std::optional<Control> control = design::control(item.name);
    const bool focusable = item.kind != design::Kind::label && item.kind != design::Kind::rectangle;
    std::cout << (&item != design::items().data() ? "," : "") << "{\"name\":" << quoted(item.name) << ",\"rect\":["
              << item.rect.left << "," << item.rect.top << "," << item.rect.width << "," << item.rect.height
              << "],\"tab\":" << (focusable ? item.tabOrder : -1) << ",\"arrow\":"
              << (control && isSwatch(*control) ? art(pointerart::swatchArrow(*control)) : "null") << "}";
  }
  std::cout << "],\"valueField\":" << art(pointerart::valueFieldArrow()) << ",\"runs\":[";
  for (int run = 1; run < argc; ++run) {
    RecordingSurface surface;
    ResX resx(surface);
    resx.Form_Load();
    std::string line; // the live region starts empty and changes on a press only
    std::cout << (run != 1 ? "," : "") << "[" << step(surface, line);
    std::istringstream names(argv[run]);
    for (std::string name; names >> name;) {
      const std::optional<Control> control = design::control(name);
      if (control && ResX::clickHandler(*control) != nullptr && surface.state(*control).visible) {
        (resx.*ResX::clickHandler(*control))();
        line = design::outputLine([&](Control c) { return surface.state(c).text; }, surface.state(Control::ppr).visible);
      }
      std::cout << "," << step(surface, line);
    }
    std::cout << "]";
  }
  std::cout << "]}\n";
  return 0;
}
