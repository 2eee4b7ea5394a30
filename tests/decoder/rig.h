// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "decoder/resx.h"
#include "surface/recordingsurface.h"

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

// A decoder on a recording surface, started up, with click helpers; its texts
// in `language`.
struct Rig {
  RecordingSurface surface;
  ResX resx;

  explicit Rig(Language language = {}) : surface(language), resx(surface, language) { resx.Form_Load(); }

  // Clicks a wired control; a control without a handler is a mistake in the test.
  void click(Control control) {
    const ResX::Handler handler = ResX::clickHandler(control);
    if (handler == nullptr) {
      throw std::invalid_argument("no click handler is wired to control " + std::to_string(index(control)));
    }
    (resx.*handler)();
  }

  // Picks the colour, then clicks the band.
  void paint(Control colour, Control band) {
    click(colour);
    click(band);
  }
  void paint(const std::vector<std::pair<Control, Control>> &steps) {
    for (const auto &[colour, band] : steps) {
      paint(colour, band);
    }
  }

  // Clicks the band-count button until the resistor has this many bands.
  void bands(int count) {
    while (resx.state().sn != count) {
      click(Control::stripbutton);
    }
  }

  [[nodiscard]] const std::string &text(Control control) const { return surface.state(control).text; }
  [[nodiscard]] Colour back(Control control) const { return surface.state(control).back; }
  [[nodiscard]] bool visible(Control control) const { return surface.state(control).visible; }
};

// The design colour of each swatch, indexed by colour code.
inline constexpr Colour kSwatchColour[] = {0x00000000, 0x000040C0, 0x000000FF, 0x000080FF, 0x0000FFFF, 0x0000FF00,
                                           0x00FFFF00, 0x00FF00FF, 0x00808080, 0x00FFFFFF, 0x00C0FFFF, 0x00FFFFC0};

inline Control swatch(int code) { return static_cast<Control>(code); }
inline Control band(int number) { return static_cast<Control>(static_cast<int>(Control::dig1) + number - 1); }
