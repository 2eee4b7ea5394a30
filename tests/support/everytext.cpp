// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/everytext.h"

#include "decoder/resx.h"
#include "surface/design.h"
#include "surface/recordingsurface.h"

std::map<Control, std::set<std::string>> everyText(Language language) {
  RecordingSurface surface(language);
  ResX resx(surface, language);
  std::map<Control, std::set<std::string>> seen;
  const auto note = [&] {
    for (std::size_t i = 0; i < kControlCount; ++i) {
      const auto control = static_cast<Control>(i);
      if (design::items()[i].face != design::Face::none) {
        seen[control].insert(surface.state(control).text);
      }
    }
  };
  const auto press = [&](Control control) {
    (resx.*ResX::clickHandler(control))();
    note();
  };
  note();
  resx.Form_Load();
  note();
  for (int count = 0; count < 4; ++count) {
    for (const bool multipliersFirst : {true, false}) {
      for (int band = 0; band < 6; ++band) {
        const auto control = static_cast<Control>(index(Control::dig1) + (multipliersFirst ? 5 - band : band));
        for (std::size_t swatch = 0; swatch < kSwatchCount && surface.state(control).visible; ++swatch) {
          press(static_cast<Control>(swatch));
          press(control);
        }
      }
    }
    press(Control::stripbutton);
  }
  return seen;
}
