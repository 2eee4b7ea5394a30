// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the page must show, from the recording surface, as JSON, in the language that a leading `--language CODE`
// names (else the source language): the window's title, the line shown without JavaScript, the window's size, the
// design items with their pointer art, every language's code, every text that each control can show in any
// language, then for each argument (item names, space-separated) the state after start-up and after each click on
// one of them, with the names that assistive technology gives the controls. A click on an item without a handler, or
// on a hidden control, does nothing. Names and texts are C strings with no " or \.
#include "decoder/resx.h"
#include "surface/pointerart.h"
#include "surface/recordingsurface.h"
#include "tests/support/everytext.h"
#include "web/csscolour.h"

#include <cstdio>
#include <set>
#include <sstream>
#include <string>
#include <utility>

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

// A control's accessible name: a swatch's is its hover text, a box's its number and colour, a field's its label's
// text, the button's its caption; labels have none.
std::string accessibleName(Control control, const RecordingSurface::State &s, Language language) {
  const design::Item &item = design::item(control);
  if (item.kind == design::Kind::pictureBox) {
    return item.hover.empty() ? design::boxName(control, s.back, language) : std::string(item.hover.in(language));
  }
  for (const design::Item &label : design::items()) {
    if (label.buddy == item.name) {
      return std::string(label.text.in(language));
    }
  }
  return item.kind == design::Kind::button ? s.text : "";
}

// The live region's line, each control's back colour, text, visibility and hover text, and the names of the
// controls and of the page's heading (h1), the window's title.
void step(const char *before, const RecordingSurface &surface, const std::string &line, Language language) {
  std::printf("%s{\"line\":\"%s\",\"controls\":{", before, line.c_str());
  std::string names = "\"h1\":\"" + std::string(design::window().title.in(language)) + '"';
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const auto control = static_cast<Control>(i);
    const RecordingSurface::State &s = surface.state(control);
    std::printf("%s\"%s\":", i != 0 ? "," : "", design::items()[i].name.data());
    rgb("{\"back\":", s.back);
    std::printf(",\"text\":\"%s\",\"visible\":%s,\"title\":\"%s\"}", s.text.c_str(), s.visible ? "true" : "false",
                std::string(design::items()[i].hover.in(language)).c_str());
    names += ",\"" + std::string(design::items()[i].name) + "\":\"" + accessibleName(control, s, language) + '"';
  }
  std::printf("},\"names\":{%s}}", names.c_str());
}

} // namespace

int main(int argc, char *argv[]) {
  int first = 1;
  Language language;
  if (argc > 2 && std::string(argv[1]) == "--language") {
    language = Language::find(argv[2]).value();
    first = 3;
  }
  std::printf("{\"language\":\"%s\",\"title\":\"%s\",\"noScript\":\"%s\",\"window\":[%d,%d]", language.code().data(),
              std::string(design::window().title.in(language)).c_str(),
              std::string(Text("Для работы этой страницы нужен JavaScript.").in(language)).c_str(),
              design::window().width, design::window().height);
  // Labels take no focus, nor does the current colour on the page: it has nothing to press, and what it shows its
  // caption says. The colours of the items whose start-up keeps them: all but the swatches and bands.
  for (const design::Item &item : design::items()) {
    std::printf("%s{\"name\":\"%s\",\"rect\":[%d,%d,%d,%d],\"tab\":%d", item.name == "black" ? ",\"items\":[" : ",",
                item.name.data(), item.rect.left, item.rect.top, item.rect.width, item.rect.height,
                item.kind == design::Kind::label || item.name == "curcolor" ? -1 : item.tabOrder);
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
  std::set<std::pair<std::string_view, std::string>> texts; // every language's, as [name, text]
  for (const Language each : Language::all()) {
    std::printf("%s\"%s\"", each == Language() ? "],\"languages\":[" : ",", each.code().data());
    for (const auto &[control, shown] : everyText(each)) {
      for (const std::string &text : shown) {
        texts.emplace(design::item(control).name, text);
      }
    }
  }
  std::string list;
  for (const auto &[item, text] : texts) {
    list += (list.empty() ? "[\"" : ",[\"") + std::string(item) + "\",\"" + text + "\"]";
  }
  std::printf("],\"texts\":[%s", list.c_str());
  std::printf("],\"runs\":[");
  for (int run = first; run < argc; ++run) {
    RecordingSurface surface(language);
    ResX resx(surface, language);
    resx.Form_Load();
    std::string line; // the live region starts empty, and a press rewrites it
    step(run == first ? "[" : ",[", surface, line, language);
    std::istringstream names(argv[run]);
    for (std::string name; names >> name;) {
      const std::optional<Control> control = design::control(name);
      if (control && ResX::clickHandler(*control) != nullptr && surface.state(*control).visible) {
        (resx.*ResX::clickHandler(*control))();
        line = design::outputLine([&](Control c) { return surface.state(c).text; }, surface.state(Control::ppr).visible,
                                  language);
      }
      step(",", surface, line, language);
    }
    std::printf("]");
  }
  std::printf("]}\n");
}
