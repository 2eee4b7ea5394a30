// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "surface/recordingsurface.h"

#include <array>
#include <cstdio>
#include <stdexcept>

namespace {

using design::Operation;

std::string quoted(std::string_view text) { return '"' + std::string(text) + '"'; }

std::string_view name(Operation operation) {
  switch (operation) {
  case Operation::setBackColor: return "setBackColor";
  case Operation::backColor: return "backColor";
  case Operation::tag: return "tag";
  case Operation::setCaption: return "setCaption";
  case Operation::setText: return "setText";
  case Operation::setVisible: return "setVisible";
  case Operation::setWindowCursor: return "setWindowCursor";
  }
  return "?";
}

} // namespace

std::string colourText(Colour colour) {
  std::array<char, 11> buffer{};
  std::snprintf(buffer.data(), buffer.size(), "0x%08X", colour);
  return buffer.data();
}

RecordingSurface::RecordingSurface(Language language) {
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const design::Item &item = design::items()[i];
    states_[i] = {item.back, std::string(item.text.in(language)), std::string(item.tag), true};
  }
}

void RecordingSurface::record(Operation operation, Control control, const std::string &argument) const {
  std::string entry(name(operation));
  entry += '(';
  entry += design::item(control).name;
  if (!argument.empty()) {
    entry += ", ";
    entry += argument;
  }
  entry += ')';
  if (!design::applies(operation, control)) {
    throw std::logic_error(entry + ": the operation does not apply to this control");
  }
  log_.push_back(std::move(entry));
}

void RecordingSurface::setBackColor(Control control, Colour colour) {
  record(Operation::setBackColor, control, colourText(colour));
  states_[index(control)].back = colour;
}

Colour RecordingSurface::backColor(Control control) const {
  record(Operation::backColor, control);
  return states_[index(control)].back;
}

std::string RecordingSurface::tag(Control control) const {
  record(Operation::tag, control);
  return states_[index(control)].tag;
}

void RecordingSurface::setCaption(Control control, std::string_view caption) {
  record(Operation::setCaption, control, quoted(caption));
  states_[index(control)].text = caption;
}

void RecordingSurface::setText(Control control, std::string_view text) {
  record(Operation::setText, control, quoted(text));
  states_[index(control)].text = text;
}

void RecordingSurface::setVisible(Control control, bool visible) {
  record(Operation::setVisible, control, visible ? "true" : "false");
  states_[index(control)].visible = visible;
}

void RecordingSurface::setWindowCursor(Control swatch) {
  record(Operation::setWindowCursor, swatch);
  windowCursor_ = swatch;
}
