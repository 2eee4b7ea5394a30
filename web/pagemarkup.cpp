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
// left, the faces, the flat button, and focus marks for the keyboard only
// (:focus-visible): a black frame lined with white stands out from any colour.
constexpr std::string_view kStyle =
    "html{-webkit-text-size-adjust:100%;text-size-adjust:100%}"
    "body{margin:0;padding:8px 0}"
    "#ResX{position:relative;margin:0 auto;overflow:hidden}"
    "#ResX>*{position:absolute;box-sizing:border-box;margin:0;padding:0;border:0;white-space:nowrap}"
    ".caption{font:bold 8.25pt \"MS Sans Serif\",sans-serif}"
    ".output{font:bold 9.75pt \"Times New Roman\",serif}"
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

// The element of an item, in the state that start-up leaves it in.
std::string element(const Item &item, const RecordingSurface::State *state) {
  const std::string id = "id=\"" + std::string(item.name) + "\"";
  const std::string face = item.face == design::Face::caption ? " class=\"caption\"" : " class=\"output\"";
  const std::string text = escaped(state != nullptr ? state->text : item.text);
  std::string attributes = state != nullptr && !state->visible ? " hidden" : "";
  if (!item.description.empty()) {
    attributes += " aria-description=\"" + escaped(item.description) + "\"";
  }
  const std::optional<Control> control = design::control(item.name);
  switch (item.kind) {
  case Kind::pictureBox: {
    const std::string name = item.hover.empty() ? design::boxName(*control, state->back) : std::string(item.hover);
    const std::string named = " aria-label=\"" + escaped(name) + "\"" + attributes;
    if (ResX::clickHandler(*control) == nullptr) { // shows the current colour: an image, never pressed
      return "<div " + id + " role=\"img\" tabindex=\"0\"" + named + "></div>";
    }
    const std::string hover = item.hover.empty() ? "" : " title=\"" + escaped(item.hover) + "\"";
    return "<button type=\"button\" " + id + " class=\"box\"" + hover + named + "></button>";
  }
  case Kind::label:
    if (!item.buddy.empty()) { // names the output field beside it
      return "<label " + id + face + " for=\"" + std::string(item.buddy) + "\"" + attributes + ">" + text + "</label>";
    }
    return "<div " + id + face + attributes + ">" + text + "</div>";
  case Kind::textBox:
    if (control == Control::resxx) { // the value field's fixed pointer
      attributes += " style=\"cursor:" + escaped(cursorCss(pointerart::valueFieldArrow())) + "\"";
    }
    return "<input type=\"text\" " + id + face + " value=\"" + text + "\" autocomplete=\"off\" spellcheck=\"false\"" +
           attributes + ">";
  case Kind::button: return "<button type=\"button\" " + id + face + attributes + ">" + text + "</button>";
  case Kind::rectangle: return "<div " + id + " class=\"rect\" aria-hidden=\"true\"></div>";
  }
  return {};
}

// The window's icon at its size, as a link in the page's head.
std::string iconLink(const pointerart::Image &icon) {
  const std::string size = std::to_string(icon.size);
  return "<link rel=\"icon\" sizes=\"" + size + "x" + size + "\" href=\"" + imageUrl(icon) + "\">\n";
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
    const std::optional<Control> control = design::control(item->name);
    const RecordingSurface::State *state = control ? &started.state(*control) : nullptr;
    style += rule(*item, state != nullptr ? state->back : item->back);
    controls += element(*item, state);
  }
  // The window's pointer, which start-up sets to black's.
  const std::string cursor =
      started.windowCursor()
          ? " style=\"cursor:" + escaped(cursorCss(pointerart::swatchArrow(*started.windowCursor()))) + "\""
          : "";
  return "<!doctype html>\n<html lang=\"ru\">\n<head>\n<meta charset=\"utf-8\">\n"
         "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>" +
         escaped(window.title) + "</title>\n" + iconLink(pointerart::smallWindowIcon()) +
         iconLink(pointerart::windowIcon()) + "<style>" + style + "</style>\n</head>\n<body>\n" +
         "<noscript><p>Для работы этой страницы нужен JavaScript.</p></noscript>\n<div id=\"" +
         std::string(window.name) + "\"" + cursor + ">" + controls +
         "</div>\n<div id=\"announcement\" class=\"announcement\" aria-live=\"polite\"></div>\n" + std::string(script) +
         "\n</body>\n</html>\n";
}
