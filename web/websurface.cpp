// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/websurface.h"

#include "surface/design.h"
#include "web/csscolour.h"

#include <string>

using design::Operation;
using emscripten::val;

namespace {

val byId(std::string_view id) { return val::global("document").call<val>("getElementById", std::string(id)); }

} // namespace

WebSurface::WebSurface(Language language)
    : window_(byId(design::window().name)), elements_(kControlCount, val::undefined()), language_(language) {
  for (std::size_t i = 0; i < kControlCount; ++i) {
    back_[i] = design::items()[i].back;
  }
}

val WebSurface::element(Control control) const {
  val &element = elements_[index(control)];
  if (element.isUndefined()) {
    element = byId(design::item(control).name);
  }
  return element;
}

void WebSurface::setBackColor(Control control, Colour colour) {
  if (!design::applies(Operation::setBackColor, control)) {
    return;
  }
  back_[index(control)] = colour;
  if (!pageWrites_) {
    return;
  }
  element(control)["style"].set("backgroundColor", cssColour(colour));
  if (!isSwatch(control)) {
    element(control).call<void>("setAttribute", std::string("aria-label"), design::boxName(control, colour, language_));
  }
}

Colour WebSurface::backColor(Control control) const { return back_[index(control)]; }

std::string WebSurface::tag(Control control) const { return std::string(design::item(control).tag); }

void WebSurface::setCaption(Control control, std::string_view caption) {
  if (pageWrites_ && design::applies(Operation::setCaption, control)) {
    element(control).set("textContent", std::string(caption));
  }
}

void WebSurface::setText(Control control, std::string_view text) {
  if (pageWrites_ && design::applies(Operation::setText, control)) {
    element(control).set("value", std::string(text));
  }
}

void WebSurface::setVisible(Control control, bool visible) {
  if (pageWrites_) {
    element(control).set("hidden", !visible);
  }
}

void WebSurface::setWindowCursor(Control swatch) {
  if (pageWrites_ && design::applies(Operation::setWindowCursor, swatch)) {
    // The page's style sheet holds each swatch's pointer under its name.
    window_["style"].set("cursor", "var(--" + std::string(design::item(swatch).name) + ")");
  }
}
