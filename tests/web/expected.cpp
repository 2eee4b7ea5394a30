// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the page must show, from the recording surface, as JSON: the design items with their pointer art, then for
// each argument (item names, space-separated) the state after start-up and after each click on one of them. A click
// on an item without a handler, or on a hidden control, does nothing. Names and texts are C strings with no " or \.
#include "decoder/resx.h"
#include "surface/pointerart.h"
#include "surface/recordingsurface.h"
#include "web/csscolour.h"

#include <cstdio>
#include <sstream>

namespace {

void art(const char *before, const pointerart::Image &image) { // as ImageData holds it: rrggbbaa, 0 if transparent
  std::printf("%s\"", before);
  for (const pointerart::Argb pixel : image.pixels) {
    std::printf("%08x", (pixel >> 24U) != 0 ? (pixel << 8U) | 0xFFU : 0);
  }
  std::printf("\"");
}

void rgb(const char *before, Colour colour) { // as getComputedStyle gives the colour that the page shows for it
  colour = shownColour(colour);
  std::printf("%s\"rgb(%u, %u, %u)\"", before, colour & 0xFFU, (colour >> 8U) & 0xFFU, colour >> 16U);
}

// The live region's line, and each control's back colour, text, visibility and hover text.
void step(const char *before, const RecordingSurface &surface, const std::string &line) {
  std::printf("%s{\"line\":\"%s\",\"controls\":{", before, line.c_str());
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const RecordingSurface::State &s = surface.state(static_cast<Control>(i));
    std::printf("%s\"%s\":", i != 0 ? "," : "", design::items()[i].name.data());
    rgb("{\"back\":", s.back);
    std::printf(",\"text\":\"%s\",\"visible\":%s,\"title\":\"%s\"}", s.text.c_str(), s.visible ? "true" : "false",
                std::string(design::items()[i].hover.in(Language())).c_str());
  }
  std::printf("}}");
}

} // namespace

int main(int argc, char *argv[]) {
  // Labels take no focus; the colours of the items whose start-up keeps them: all but the swatches and bands.
  for (const design::Item &item : design::items()) {
    std::printf("%s{\"name\":\"%s\",\"rect\":[%d,%d,%d,%d],\"tab\":%d", item.name == "black" ? "{\"items\":[" : ",",
                item.name.data(), item.rect.left, item.rect.top, item.rect.width, item.rect.height,
                item.kind == design::Kind::label ? -1 : item.tabOrder);
    if (item.kind != design::Kind::pictureBox) {
      rgb(",\"colours\":[", item.back);
      rgb(",", item.fore);
      std::printf("]");
    }
    std::printf("}");
  }
  for (std::size_t i = 0; i < kSwatchCount; ++i) { // the swatches' arrows in the order of the items, then resxx's
    art(i == 0 ? "],\"arrows\":[" : ",", pointerart::swatchArrow(static_cast<Control>(i)));
  }
  art(",", pointerart::valueFieldArrow());
  std::printf("],\"runs\":[");
  for (int run = 1; run < argc; ++run) {
    RecordingSurface surface;
    ResX resx(surface);
    resx.Form_Load();
    std::string line; // the live region starts empty, and a press rewrites it
    step(run == 1 ? "[" : ",[", surface, line);
    std::istringstream names(argv[run]);
    for (std::string name; names >> name;) {
      const std::optional<Control> control = design::control(name);
      if (control && ResX::clickHandler(*control) != nullptr && surface.state(*control).visible) {
        (resx.*ResX::clickHandler(*control))();
        line = design::outputLine([&](Control c) { return surface.state(c).text; }, surface.state(Control::ppr).visible,
                                  Language());
      }
      step(",", surface, line);
    }
    std::printf("]");
  }
  std::printf("]}\n");
}
