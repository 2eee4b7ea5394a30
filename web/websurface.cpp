// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/websurface.h"

#include "surface/design.h"
#include "web/csscolour.h"
#include "web/pagecalls.h"

#include <string>

using design::Operation;

namespace {

std::string id(Control control) { return std::string(design::item(control).name); }

} // namespace

WebSurface::WebSurface(Language language) : language_(language) {
  for (std::size_t i = 0; i < kControlCount; ++i) {
    back_[i] = design::items()[i].back;
    texts_[i] = design::items()[i].text.in(language);
    visible_[i] = true;
  }
}

void WebSurface::setBackColor(Control control, Colour colour) {
  if (!design::applies(Operation::setBackColor, control)) {
    return;
  }
  back_[index(control)] = colour;
  if (!pageWrites_) {
    return;
  }
  pageStyle(id(control).c_str(), "backgroundColor", cssColour(colour).c_str());
  if (!isSwatch(control)) {
    pageAttribute(id(control).c_str(), "aria-label", design::boxName(control, colour, language_).c_str());
  }
}

Colour WebSurface::backColor(Control control) const { return back_[index(control)]; }

std::string WebSurface::tag(Control control) const { return std::string(design::item(control).tag); }

void WebSurface::setCaption(Control control, std::string_view caption) {
  if (!design::applies(Operation::setCaption, control)) {
    return;
  }
  texts_[index(control)] = caption;
  if (pageWrites_) {
    pageSet(id(control).c_str(), "textContent", texts_[index(control)].c_str());
  }
}

void WebSurface::setText(Control control, std::string_view text) {
  if (!design::applies(Operation::setText, control)) {
    return;
  }
  texts_[index(control)] = text;
  if (pageWrites_) {
    pageSet(id(control).c_str(), "value", texts_[index(control)].c_str());
  }
}

void WebSurface::setVisible(Control control, bool visible) {
  visible_[index(control)] = visible;
  if (pageWrites_) {
    pageHide(id(control).c_str(), !visible);
  }
}

void WebSurface::setWindowCursor(Control swatch) {
  if (pageWrites_ && design::applies(Operation::setWindowCursor, swatch)) {
    // The page's style sheet holds each swatch's pointer under its name.
    pageStyle(std::string(design::window().name).c_str(), "cursor", ("var(--" + id(swatch) + ")").c_str());
  }
}
