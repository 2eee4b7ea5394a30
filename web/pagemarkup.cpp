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

// The markup shows the source language's texts; the page writes another's
// when it starts (WebWindow).
std::string_view shown(const Text &text) { return text.in(Language()); }

// The generic CSS family that stands in for a design face.
std::string_view generic(design::Generic family) {
  return family == design::Generic::sansSerif ? "sans-serif" : "serif";
}

// The class that gives an element its face.
std::string_view faceClass(design::Face face) { return face == design::Face::caption ? "caption" : "output"; }

// A length of `pixels` design pixels: calc(17*var(--u)), where --u is one
// CSS pixel with a mouse and grows on a touch screen (fixedStyle).
std::string length(double pixels) {
  std::array<char, 16> number{};
  std::snprintf(number.data(), number.size(), "%g", pixels);
  return "calc(" + std::string(number.data()) + "*var(--u))";
}

// A design face as a rule for its class, such as
// `.caption{font:bold calc(11*var(--u)) "MS Sans Serif","DejaVu Sans",sans-serif}` (a point is 4/3 of a CSS
// pixel). Where the design's face is missing, the face that the desktop falls back to comes before the engine's
// own generic face, which differs by engine.
std::string faceRule(design::Face face) {
  const design::Font &font = design::font(face);
  return "." + std::string(faceClass(face)) + "{font:" + (font.bold ? "bold " : "") + length(font.points * 4 / 3) +
         " \"" + std::string(font.family) + "\",\"" + std::string(font.fallback) + "\"," +
         std::string(generic(font.generic)) + "}";
}

// The style sheet's fixed part: the window centred, controls placed from
// their top left with no padding (the output fields need all their width, as
// on the desktop), the faces, the flat button (class push), and focus marks for
// the keyboard only (:focus-visible): a black frame lined with white stands
// out from any colour. Boxes and rectangles go by their classes, box and rect.
// On a touch screen (a coarse pointer) the window grows to the largest size
// that fits the viewport, so its boxes are easier to tap; the unit is the
// smaller room divided, not the smaller of two quotients, which Firefox
// rounds before the lengths multiply it (a window 2.5 px short). The window shows
// once it answers (its WebAssembly takes the aria-busy mark away), so without
// JavaScript only the line that asks for it shows. Under a contrast theme
// (forced colours) the boxes and the resistor keep their colours, which are
// the content; texts, borders and the focus mark follow the theme. Text that
// only assistive technology reads is kept off the screen (class unseen).
std::string fixedStyle() {
  const std::string window = "#" + std::string(design::window().name);
  return "html{-webkit-text-size-adjust:100%;text-size-adjust:100%}"
         "body{margin:0;padding:8px 0}" +
         window + "{--u:1px;position:relative;margin:0 auto;overflow:hidden}" + window +
         "[aria-busy]{visibility:hidden}"
         "@media (pointer:coarse){" +
         window + "{--u:calc(min(100vw - 16px, (100dvh - 16px) * 347 / 262) / 347)}}" + window +
         ">*{position:absolute;box-sizing:border-box;margin:0;padding:0;border:0;white-space:nowrap}" +
         faceRule(design::Face::caption) + faceRule(design::Face::output) +
         ".box,.push{cursor:default}"
         ".box,.rect{forced-color-adjust:none}"
         ".box:focus{outline:none}"
         ".box:focus-visible{outline:1px solid #000;outline-offset:-1px;box-shadow:inset 0 0 0 2px #fff}"
         "@media (forced-colors:active){.box:focus-visible{outline-color:Highlight;box-shadow:inset 0 0 0 2px "
         "Canvas}}" +
         window +
         ">.push{border:1px solid}"
         ".push:active{filter:brightness(87%)}"
         ".push:focus{outline:none}"
         ".push:focus-visible{outline:1px dotted;outline-offset:-4px}" +
         window + ">.rect{border:1px solid}@media (forced-colors:active){.rect{border-color:CanvasText}}" + window +
         ">.unseen{width:1px;height:1px;overflow:hidden;clip-path:inset(50%)}";
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

// The item's place, colours and face as one rule of the style sheet.
std::string rule(const Item &item, Colour back) {
  std::string css = "#" + std::string(item.name) + "{left:" + length(item.rect.left) + ";top:" + length(item.rect.top) +
                    ";width:" + length(item.rect.width) + ";height:" + length(item.rect.height) +
                    ";background:" + cssColour(back);
  if (item.kind == Kind::rectangle) { // the outline
    css += ";color:" + cssColour(item.fore);
  }
  if (item.kind == Kind::label) { // one line, centred from top to bottom
    css += ";line-height:" + length(item.rect.height);
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
  if (!item.description.empty()) { // what an output field holds, in an element of its own (description)
    attributes += R"( aria-describedby=")" + descriptionId(item.name) + '"';
  }
  switch (item.kind) {
  case Kind::pictureBox: {
    const Control control = design::control(item.name).value();
    const std::string name =
        item.hover.empty() ? design::boxName(control, shown.back, Language()) : std::string(::shown(item.hover));
    const std::string named = R"( aria-label=")" + escaped(name) + '"' + attributes;
    // The current colour: an image, never pressed, and no stop of the tab
    // order, unlike on the desktop: it would be a stop with nothing to do,
    // and what it shows, the caption below it says, and every pick announces.
    if (ResX::clickHandler(control) == nullptr) {
      return "<div " + id + R"( class="box" role="img")" + named + "></div>";
    }
    const std::string hover = item.hover.empty() ? "" : R"( title=")" + escaped(::shown(item.hover)) + '"';
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

// The element that describes an output field to assistive technology
// (aria-describedby): unseen, and outside the tab order.
std::string description(const Item &item) {
  return R"(<span id=")" + descriptionId(item.name) + R"(" class="unseen">)" + escaped(shown(item.description)) +
         "</span>";
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
  style += "#" + std::string(window.name) + "{width:" + length(window.width) + ";height:" + length(window.height) +
           ";background:" + cssColour(window.back) + "}";
  std::string controls;
  for (const Item *item : order) {
    Shown shown{item->back, ::shown(item->text), true};
    if (const std::optional<Control> control = design::control(item->name)) {
      const RecordingSurface::State &state = started.state(*control);
      shown = {state.back, state.text, state.visible};
    }
    style += rule(*item, shown.back);
    controls += element(*item, shown);
    if (!item->description.empty()) {
      controls += description(*item);
    }
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
  // Without JavaScript no language can be chosen: the line that says so is
  // there in every language.
  std::string noScript;
  for (const Language language : Language::all()) {
    noScript += R"(<p lang=")" + std::string(language.code()) + R"(">)" +
                escaped(Text("Для работы этой страницы нужен JavaScript.").in(language)) + "</p>";
  }
  const std::string title = escaped(shown(window.title));
  // The window is the page's main landmark, headed by its title, which shows
  // only to assistive technology, as on the desktop it shows in the title bar;
  // busy until the page's WebAssembly has wired the controls. The live region
  // lies in it, unseen.
  return R"(<!doctype html>
<html lang=")" +
         std::string(Language().code()) + R"(">
<head>
<meta charset="utf-8">
<meta http-equiv="Content-Security-Policy" content=")" +
         std::string(kSecurityPolicy) + R"(">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>)" +
         title + "</title>\n" + iconLink(pointerart::smallWindowIcon()) + iconLink(pointerart::windowIcon()) +
         "<style>" + style + "</style>\n</head>\n<body>\n<noscript>" + noScript + "</noscript>\n<main id=\"" +
         std::string(window.name) + "\"" + cursor + R"( aria-busy="true"><h1 class="unseen">)" + title + "</h1>" +
         controls + R"(<div id=")" + std::string(kAnnouncementId) +
         R"(" class="unseen" aria-live="polite"></div></main>
)" + std::string(script) +
         "\n</body>\n</html>\n";
}
