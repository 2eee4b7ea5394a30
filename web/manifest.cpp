// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/manifest.h"

#include "surface/design.h"
#include "surface/pointerart.h"
#include "web/csscolour.h"

namespace {

// A JSON string of UTF-8 text.
std::string quoted(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
    }
    out += c;
  }
  return out + '"';
}

} // namespace

std::string manifest() {
  const design::Window &window = design::window();
  const std::string colour = quoted(cssColour(window.back));
  std::string icons;
  for (const Icon &icon : kIcons) {
    const std::string size = std::to_string(pointerart::windowIcon().size * icon.scale);
    icons.append(icons.empty() ? "" : ",\n    ")
        .append(R"({"src": ")")
        .append(icon.file)
        .append(R"(", "sizes": ")")
        .append(size)
        .append("x")
        .append(size)
        .append(R"(", "type": "image/png"})");
  }
  // Named as the desktop's menu names the program where no translation is
  // asked for: in English.
  const Language language = Language::fallback();
  return "{\n  \"name\": " + quoted(Text("Цветовая маркировка резисторов").in(language)) +
         ",\n  \"lang\": " + quoted(language.code()) + ",\n  \"short_name\": " + quoted(window.name) +
         ",\n  \"start_url\": \"./\",\n  \"scope\": \"./\",\n  \"display\": \"standalone\",\n  \"background_color\": " +
         colour + ",\n  \"theme_color\": " + colour + ",\n  \"icons\": [\n    " + icons + "\n  ]\n}\n";
}
