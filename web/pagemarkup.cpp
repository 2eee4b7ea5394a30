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
#include <vector>

namespace {

using design::Item;
using design::Kind;

// Fixed for every page: the window centred, controls placed from their top
// left, the faces (where the design's are missing, the faces that the desktop
// window falls back to, rather than each engine's own sans-serif), the flat
// button, and focus marks for the keyboard only
// (:focus-visible): a black frame lined with white stands out from any colour.
constexpr std::string_view kStyle =
    "html{-webkit-text-size-adjust:100%;text-size-adjust:100%}"
    "body{margin:0;padding:8px 0}"
    "#ResX{position:relative;margin:0 auto;overflow:hidden}"
    "#ResX>*{position:absolute;box-sizing:border-box;margin:0;padding:0;border:0;white-space:nowrap}"
    ".caption{font:bold 8.25pt \"MS Sans Serif\",\"DejaVu Sans\",sans-serif}"
    ".output{font:bold 9.75pt \"Times New Roman\",\"Liberation Serif\",serif}"
    "#ResX>input{padding:0 2px}"
    ".box,#curcolor,#stripbutton{cursor:default}"
    ".box:focus,#curcolor:focus{outline:none}"
    ".box:focus-visible,#curcolor:focus-visible{outline:1px solid #000;outline-offset:-1px;"
    "box-shadow:inset 0 0 0 2px #fff}"
    "#ResX>button#stripbutton{border:1px solid}"
    "#stripbutton:active{filter:brightness(87%)}"
    "#stripbutton:focus{outline:none}"
    "#stripbutton:focus-visible{outline:1px dotted;outline-offset:-4px}"
    "#ResX>.rect{border:1px solid}"
    ".announcement{position:absolute;width:1px;height:1px;overflow:hidden;clip-path:inset(50%)}";

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
  const std::string face = item.face == design::Face::caption ? R"( class="caption")" : R"( class="output")";
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
      return "<div " + id + R"( role="img" tabindex="0")" + named + "></div>";
    }
    const std::string hover = item.hover.empty() ? "" : R"( title=")" + escaped(item.hover) + '"';
    return R"(<button type="button" )" + id + R"( class="box")" + hover + named + "></button>";
  }
  case Kind::label:
    if (!item.buddy.empty()) { // names the output field beside it
      return "<label " + id + face + R"( for=")" + std::string(item.buddy) + '"' + attributes + ">" + text + "</label>";
    }
    return "<div " + id + face + attributes + ">" + text + "</div>";
  case Kind::textBox:
    if (design::control(item.name) == Control::resxx) { // the value field's fixed pointer
      attributes += R"( style="cursor:)" + escaped(cursorCss(pointerart::valueFieldArrow())) + '"';
    }
    return R"(<input type="text" )" + id + face + R"( value=")" + text + R"(" autocomplete="off" spellcheck="false")" +
           attributes + ">";
  case Kind::button: return R"(<button type="button" )" + id + face + attributes + ">" + text + "</button>";
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
  std::string style(kStyle);
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
<div id="announcement" class="announcement" aria-live="polite"></div>
)" + std::string(script) +
         "\n</body>\n</html>\n";
}
