// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/webwindow.h"

#include "surface/design.h"
#include "surface/pointerart.h"
#include "web/imageurl.h"

#include <emscripten/html5.h>
#include <emscripten/val.h>

#include <string>

using emscripten::val;

namespace {

void addIcon(const pointerart::Image &image) {
  val document = val::global("document");
  val link = document.call<val>("createElement", std::string("link"));
  link.set("rel", std::string("icon"));
  const std::string size = std::to_string(image.size);
  link.call<void>("setAttribute", std::string("sizes"), size + "x" + size);
  link.set("href", imageUrl(image));
  document["head"].call<void>("appendChild", link);
}

} // namespace

WebWindow::WebWindow()
    : announcement_(val::global("document").call<val>("getElementById", std::string("announcement"))) {}

void WebWindow::open() {
  resx_.Form_Load();
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const auto control = static_cast<Control>(i);
    if (ResX::clickHandler(control) != nullptr) {
      presses_[i] = {this, control};
      const std::string target = "#" + std::string(design::item(control).name);
      emscripten_set_click_callback(target.c_str(), &presses_[i], EM_FALSE,
                                    [](int /*type*/, const EmscriptenMouseEvent * /*event*/, void *data) {
                                      const auto *press = static_cast<const Press *>(data);
                                      press->window->press(press->control);
                                      return EM_FALSE;
                                    });
    }
  }
  surface_.element(Control::resxx)["style"].set("cursor", cursorCss(pointerart::valueFieldArrow()));
  addIcon(pointerart::smallWindowIcon());
  addIcon(pointerart::windowIcon());
}

// Runs the control's handler, then tells assistive technology the outcome
// through the page's live region.
void WebWindow::press(Control control) {
  (resx_.*ResX::clickHandler(control))();
  const auto textOf = [this](Control c) {
    return surface_.element(c)[design::item(c).kind == design::Kind::textBox ? "value" : "textContent"]
        .as<std::string>();
  };
  const bool coefficientShown = !surface_.element(Control::ppr)["hidden"].as<bool>();
  announcement_.set("textContent", design::outputLine(textOf, coefficientShown));
}
