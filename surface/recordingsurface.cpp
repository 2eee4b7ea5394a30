// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "surface/recordingsurface.h"

#include "surface/design.h"

#include <array>
#include <cstdio>

namespace {

std::string quoted(std::string_view text) { return '"' + std::string(text) + '"'; }

} // namespace

std::string colourText(Colour colour) {
  std::array<char, 11> buffer{};
  std::snprintf(buffer.data(), buffer.size(), "0x%08X", colour);
  return buffer.data();
}

RecordingSurface::RecordingSurface() {
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const design::Item &item = design::items()[i];
    states_[i] = {item.back, std::string(item.text), std::string(item.tag), true};
  }
}

void RecordingSurface::record(std::string_view op, Control control, const std::string &argument) const {
  std::string entry(op);
  entry += '(';
  entry += design::item(control).name;
  if (!argument.empty()) {
    entry += ", ";
    entry += argument;
  }
  entry += ')';
  log_.push_back(std::move(entry));
}

void RecordingSurface::setBackColor(Control control, Colour colour) {
  record("setBackColor", control, colourText(colour));
  states_[index(control)].back = colour;
}

Colour RecordingSurface::backColor(Control control) const {
  record("backColor", control);
  return states_[index(control)].back;
}

std::string RecordingSurface::tag(Control control) const {
  record("tag", control);
  return states_[index(control)].tag;
}

void RecordingSurface::setCaption(Control control, std::string_view caption) {
  record("setCaption", control, quoted(caption));
  states_[index(control)].text = caption;
}

void RecordingSurface::setText(Control control, std::string_view text) {
  record("setText", control, quoted(text));
  states_[index(control)].text = text;
}

void RecordingSurface::setVisible(Control control, bool visible) {
  record("setVisible", control, visible ? "true" : "false");
  states_[index(control)].visible = visible;
}

void RecordingSurface::setWindowCursor(Control swatch) {
  record("setWindowCursor", swatch);
  windowCursor_ = swatch;
}
