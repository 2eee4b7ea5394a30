// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/pagemarkup.h"

#include "decoder/resx.h"
#include "surface/design.h"
#include "surface/pointerart.h"
#include "surface/recordingsurface.h"
#include "web/csscolour.h"
#include "web/imageurl.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <vector>

namespace {

using design::Item;
using design::Kind;

// The generic CSS family that stands in for a design face.
std::string_view generic(design::Generic family) {
  return family == design::Generic::sansSerif ? "sans-serif" : "serif";
}

// The class that gives an element its face.
std::string_view faceClass(design::Face face) { return face == design::Face::caption ? "caption" : "output"; }

// A design face as a rule for its class: `.caption{font:bold 8.25pt "MS Sans Serif",sans-serif}`.
std::string faceRule(design::Face face) {
  const design::Font &font = design::font(face);
  std::array<char, 16> points{};
  std::snprintf(points.data(), points.size(), "%g", font.points);
  return "." + std::string(faceClass(face)) + "{font:" + (font.bold ? "bold " : "") + points.data() + "pt \"" +
         std::string(font.family) + "\"," + std::string(generic(font.generic)) + "}";
}

// The style sheet's fixed part: the window centred, controls placed from
// their top left, the faces, the flat button (class push), and focus marks for
// the keyboard only (:focus-visible): a black frame lined with white stands
// out from any colour. Boxes and rectangles go by their classes, box and rect;
// the live region is kept off the screen.
std::string fixedStyle() {
  const std::string window = "#" + std::string(design::window().name);
  return "html{-webkit-text-size-adjust:100%;text-size-adjust:100%}"
         "body{margin:0;padding:8px 0}" +
         window + "{position:relative;margin:0 auto;overflow:hidden}" + window +
         ">*{position:absolute;box-sizing:border-box;margin:0;padding:0;border:0;white-space:nowrap}" +
         faceRule(design::Face::caption) + faceRule(design::Face::output) + window +
         ">input{padding:0 2px}"
         ".box,.push{cursor:default}"
         ".box:focus{outline:none}"
         ".box:focus-visible{outline:1px solid #000;outline-offset:-1px;box-shadow:inset 0 0 0 2px #fff}" +
         window +
         ">.push{border:1px solid}"
         ".push:active{filter:brightness(87%)}"
         ".push:focus{outline:none}"
         ".push:focus-visible{outline:1px dotted;outline-offset:-4px}" +
         window + ">.rect{border:1px solid}#" + std::string(kAnnouncementId) +
         "{position:absolute;width:1px;height:1px;overflow:hidden;clip-path:inset(50%)}";
}

std::string escaped(std::string_view text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
    case '&': out += "&amp;"; break;
    case '<': out += "&lt;"; break;
    case '"': out += "&quot;"; break;
    default: out += c;
    }
  }
  return out;
}

std::string px(int value) { return std::to_string(value) + "px"; }

// The item's place, colours and face as one rule of the style sheet.
std::string rule(const Item &item, Colour back) {
  std::string css = "#" + std::string(item.name) + "{left:" + px(item.rect.left) + ";top:" + px(item.rect.top) +
                    ";width:" + px(item.rect.width) + ";height:" + px(item.rect.height) +
                    ";background:" + cssColour(back);
  if (item.kind == Kind::rectangle) { // the outline
    css += ";color:" + cssColour(item.fore);
  }
  if (item.kind == Kind::label) { // one line, centred from top to bottom
    css += ";line-height:" + px(item.rect.height);
  }
  if (item.face != design::Face::none) {
    css += ";color:" + cssColour(item.fore) +
           ";text-align:" + std::string(item.align == design::Align::centre ? "center" : "left");
  }
  return css + "}";
}

// What an element shows: a control's state after start-up, or the design of
// a label or rectangle, which nothing changes.
struct Shown {
  Colour back;
  std::string_view text;
  bool visible;
};

// The element of an item, showing what it shows after start-up.
std::string element(const Item &item, const Shown &shown) {
  const std::string id = R"(id=")" + std::string(item.name) + '"';
  const std::string face = std::string(faceClass(item.face));
  const std::string text = escaped(shown.text);
  std::string attributes = shown.visible ? "" : " hidden";
  if (!item.description.empty()) {
    attributes += R"( aria-description=")" + escaped(item.description) + '"';
  }
  switch (item.kind) {
  case Kind::pictureBox: {
    const Control control = design::control(item.name).value();
    const std::string name = item.hover.empty() ? design::boxName(control, shown.back) : std::string(item.hover);
    const std::string named = R"( aria-label=")" + escaped(name) + '"' + attributes;
    if (ResX::clickHandler(control) == nullptr) { // shows the current colour: an image, never pressed
      return "<div " + id + R"( class="box" role="img" tabindex="0")" + named + "></div>";
    }
    const std::string hover = item.hover.empty() ? "" : R"( title=")" + escaped(item.hover) + '"';
    return R"(<button type="button" )" + id + R"( class="box")" + hover + named + "></button>";
  }
  case Kind::label:
    if (!item.buddy.empty()) { // names the output field beside it
      return "<label " + id + R"( class=")" + face + R"(" for=")" + std::string(item.buddy) + '"' + attributes + ">" +
             text + "</label>";
    }
    return "<div " + id + R"( class=")" + face + '"' + attributes + ">" + text + "</div>";
  case Kind::textBox:
    if (design::control(item.name) == Control::resxx) { // the value field's fixed pointer
      attributes += R"( style="cursor:)" + escaped(cursorCss(pointerart::valueFieldArrow())) + '"';
    }
    return R"(<input type="text" )" + id + R"( class=")" + face + R"(" value=")" + text +
           R"(" autocomplete="off" spellcheck="false")" + attributes + ">";
  case Kind::button:
    return R"(<button type="button" )" + id + R"( class="push )" + face + '"' + attributes + ">" + text + "</button>";
  case Kind::rectangle: return "<div " + id + R"( class="rect" aria-hidden="true"></div>)";
  }
  return {};
}

// The window's icon at its size, as a link in the page's head.
std::string iconLink(const pointerart::Image &icon) {
  const std::string size = std::to_string(icon.size);
  return R"(<link rel="icon" sizes=")" + size + "x" + size + R"(" href=")" + imageUrl(icon) + "\">\n";
}

} // namespace

std::string pageMarkup(std::string_view script) {
  RecordingSurface started;
  ResX(started).Form_Load();

  std::vector<const Item *> order;
  for (const Item &item : design::items()) {
    order.push_back(&item);
  }
  std::stable_sort(order.begin(), order.end(), [](const Item *a, const Item *b) { return a->tabOrder < b->tabOrder; });

  const design::Window &window = design::window();
  std::string style = fixedStyle();
  style += "#ResX{width:" + px(window.width) + ";height:" + px(window.height) +
           ";background:" + cssColour(window.back) + "}";
  std::string controls;
  for (const Item *item : order) {
    Shown shown{item->back, item->text, true};
    if (const std::optional<Control> control = design::control(item->name)) {
      const RecordingSurface::State &state = started.state(*control);
      shown = {state.back, state.text, state.visible};
    }
    style += rule(*item, shown.back);
    controls += element(*item, shown);
  }
  // Every swatch's pointer as a custom property named after the swatch, so
  // that a pick only names it (WebSurface::setWindowCursor); the window's
  // pointer is the one that start-up sets, black's.
  style += ":root{";
  for (std::size_t i = 0; i < kSwatchCount; ++i) {
    const auto swatch = static_cast<Control>(i);
    style += "--" + std::string(design::item(swatch).name) + ":" + cursorCss(pointerart::swatchArrow(swatch)) + ";";
  }
  style += "}";
  const std::string cursor =
      started.windowCursor()
          ? R"( style="cursor:var(--)" + std::string(design::item(*started.windowCursor()).name) + ")\""
          : "";
  // Busy until the page's WebAssembly has wired the controls.
  return R"(<!doctype html>
<html lang="ru">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>)" +
         escaped(window.title) + "</title>\n" + iconLink(pointerart::smallWindowIcon()) +
         iconLink(pointerart::windowIcon()) + "<style>" + style + "</style>\n</head>\n<body>\n" +
         "<noscript><p>Для работы этой страницы нужен JavaScript.</p></noscript>\n<div id=\"" +
         std::string(window.name) + "\"" + cursor + R"( aria-busy="true">)" + controls +
         R"(</div>
<div id=")" +
         std::string(kAnnouncementId) +
         R"(" aria-live="polite"></div>
)" + std::string(script) +
         "\n</body>\n</html>\n";
}
