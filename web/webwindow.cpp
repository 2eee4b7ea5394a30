// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/webwindow.h"

#include "surface/design.h"
#include "web/pagemarkup.h"

#include <emscripten/html5.h>
#include <emscripten/val.h>

#include <optional>
#include <string>
#include <string_view>

using emscripten::val;

namespace {

val byId(std::string_view id) { return val::global("document").call<val>("getElementById", std::string(id)); }

// The language that the address names (?lang=de), where it names one the
// page speaks; else the first of the browser's that it speaks.
Language pageLanguage() {
  const val asked =
      val::global("URLSearchParams").new_(val::global("location")["search"]).call<val>("get", val("lang"));
  if (asked.isString()) {
    if (const std::optional<Language> language = Language::find(asked.as<std::string>())) {
      return *language;
    }
  }
  return preferredLanguage(emscripten::vecFromJSArray<std::string>(val::global("navigator")["languages"]));
}

} // namespace

WebWindow::WebWindow() : language_(pageLanguage()), announcement_(byId(kAnnouncementId)) {}

void WebWindow::translate() const {
  val document = val::global("document");
  const std::string title(design::window().title.in(language_));
  document.set("title", title);
  document["documentElement"].set("lang", std::string(language_.code()));
  document.call<val>("querySelector", std::string("h1")).set("textContent", title);
  for (const design::Item &item : design::items()) {
    val element = byId(item.name);
    const std::optional<Control> control = design::control(item.name);
    if (!item.hover.empty()) {
      element.set("title", std::string(item.hover.in(language_)));
      element.call<void>("setAttribute", std::string("aria-label"), std::string(item.hover.in(language_)));
    } else if (item.kind == design::Kind::pictureBox) { // named by its colour
      element.call<void>("setAttribute", std::string("aria-label"), design::boxName(*control, item.back, language_));
    }
    if (item.kind == design::Kind::textBox) {
      element.set("value", std::string(item.text.in(language_)));
    } else if (item.kind != design::Kind::pictureBox && item.kind != design::Kind::rectangle) {
      element.set("textContent", std::string(item.text.in(language_)));
    }
    if (!item.description.empty()) {
      byId(descriptionId(item.name)).set("textContent", std::string(item.description.in(language_)));
    }
  }
}

void WebWindow::open() {
  // The page's markup already shows start-up's outcome in the source
  // language, written from the same start-up (pageMarkup), with the pointers
  // and icon: in that language start-up sets the decoder's state alone. In
  // another, the design's texts are written in it first, then start-up writes
  // its own over them, as on the desktop.
  const bool translated = language_ != Language();
  if (translated) {
    translate();
  }
  surface_.setPageWrites(translated);
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
  announcement_.set("textContent", design::outputLine(textOf, coefficientShown, language_));
}
