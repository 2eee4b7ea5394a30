// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/webwindow.h"

#include "surface/design.h"
#include "web/pagecalls.h"
#include "web/pagemarkup.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace {

// The language that the address names (?lang=de), where it names one the
// page speaks; else the first of the browser's that it speaks.
Language pageLanguage() {
  std::array<char, 512> asked{};
  pageLanguages(asked.data(), static_cast<int>(asked.size()));
  std::vector<std::string> lines{{}};
  for (const char *c = asked.data(); *c != '\0'; ++c) {
    if (*c == '\n') {
      lines.emplace_back();
    } else {
      lines.back() += *c;
    }
  }
  if (const std::optional<Language> language = Language::find(lines.front())) {
    return *language;
  }
  lines.erase(lines.begin());
  return preferredLanguage(lines);
}

std::string text(const Text &text, Language language) { return std::string(text.in(language)); }

} // namespace

WebWindow::WebWindow() : language_(pageLanguage()) {}

void WebWindow::translate() const {
  pageDocument(text(design::window().title, language_).c_str(), std::string(language_.code()).c_str());
  for (const design::Item &item : design::items()) {
    const std::string id(item.name);
    if (!item.hover.empty()) {
      pageSet(id.c_str(), "title", text(item.hover, language_).c_str());
      pageAttribute(id.c_str(), "aria-label", text(item.hover, language_).c_str());
    } else if (item.kind == design::Kind::pictureBox) { // named by its colour
      pageAttribute(id.c_str(), "aria-label", design::boxName(*design::control(id), item.back, language_).c_str());
    }
    if (item.kind == design::Kind::textBox) {
      pageSet(id.c_str(), "value", text(item.text, language_).c_str());
    } else if (item.kind == design::Kind::label || item.kind == design::Kind::button) {
      pageSet(id.c_str(), "textContent", text(item.text, language_).c_str());
    }
    if (!item.description.empty()) {
      pageSet(descriptionId(id).c_str(), "textContent", text(item.description, language_).c_str());
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
  // One line per control, in the order of their numbers: the id of a control
  // that a click handler answers, else nothing.
  const std::string window(design::window().name);
  std::string wired;
  for (std::size_t i = 0; i < kControlCount; ++i) {
    if (ResX::clickHandler(static_cast<Control>(i)) != nullptr) {
      wired += design::items()[i].name;
    }
    wired += '\n';
  }
  pageWire(window.c_str(), wired.c_str());
  // Wired: the window shows, and is no longer busy for assistive technology.
  pageAttribute(window.c_str(), "aria-busy", nullptr);
  pageKeepOffline();
}

void WebWindow::press(Control control) {
  (resx_.*ResX::clickHandler(control))();
  const std::string line = design::outputLine([this](Control shown) { return surface_.shownText(shown); },
                                              surface_.shown(Control::ppr), language_);
  pageSet(std::string(kAnnouncementId).c_str(), "textContent", line.c_str());
}
