// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/webwindow.h"

#include "surface/design.h"

#include <emscripten/html5.h>
#include <emscripten/val.h>

#include <string>

using emscripten::val;

WebWindow::WebWindow()
    : announcement_(val::global("document").call<val>("getElementById", std::string("announcement"))) {}

void WebWindow::open() {
  // The page's markup already shows start-up's outcome, written from the same
  // start-up (pageMarkup), with the pointers and icon: start-up sets the
  // decoder's state alone.
  surface_.setPageWrites(false);
  resx_.Form_Load();
  surface_.setPageWrites(true);
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
      // A held Enter or Space presses once, as on the desktop: a key's repeats
      // lose their default, which would press the button again for each.
      emscripten_set_keydown_callback(target.c_str(), nullptr, EM_FALSE,
                                      [](int /*type*/, const EmscriptenKeyboardEvent *event, void * /*data*/) {
                                        return event->repeat ? EM_TRUE : EM_FALSE;
                                      });
    }
  }
  // Wired: the window is no longer busy for assistive technology.
  surface_.window().call<void>("removeAttribute", std::string("aria-busy"));
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
