// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "surface/controlsurface.h"
#include "surface/language.h"

#include <emscripten/val.h>

#include <array>
#include <string>
#include <vector>

// The control surface on the page's elements, each found by its control's
// name as its id, and the window's pointer on the element `ResX`. A call that
// does not apply to its control (design::applies) leaves it unchanged.
class WebSurface final : public ControlSurface {
public:
  // Names the boxes for assistive technology in `language`.
  explicit WebSurface(Language language);

  // The control's element, looked up when first asked for: a click needs
  // only a few, and start-up none.
  [[nodiscard]] emscripten::val element(Control control) const;
  // The window's element, `ResX`.
  [[nodiscard]] emscripten::val window() const { return window_; }

  // While off, calls change only what the surface keeps, not the page: the
  // page's markup already shows what start-up sets.
  void setPageWrites(bool on) { pageWrites_ = on; }

  void setBackColor(Control control, Colour colour) override;
  [[nodiscard]] Colour backColor(Control control) const override;
  [[nodiscard]] std::string tag(Control control) const override;
  void setCaption(Control control, std::string_view caption) override;
  void setText(Control control, std::string_view text) override;
  void setVisible(Control control, bool visible) override;
  void setWindowCursor(Control swatch) override;

private:
  emscripten::val window_;
  mutable std::vector<emscripten::val> elements_; // undefined until looked up
  // A colour is kept as well as painted: the element's style gives it back
  // only as text.
  std::array<Colour, kControlCount> back_{};
  bool pageWrites_ = true;
  Language language_;
};
