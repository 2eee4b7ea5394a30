// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "surface/controlsurface.h"
#include "surface/language.h"

#include <array>
#include <string>

// The control surface on the page's elements, each by its control's name as
// its id (web/pagecalls.h), and the window's pointer on the element `ResX`.
// It keeps what it writes, so that nothing is read back from the page. A
// call that does not apply to its control (design::applies) leaves it
// unchanged.
class WebSurface final : public ControlSurface {
public:
  // Names the boxes for assistive technology in `language`.
  explicit WebSurface(Language language);

  // While off, calls change only what the surface keeps, not the page: the
  // page's markup already shows what start-up sets.
  void setPageWrites(bool on) { pageWrites_ = on; }

  // A control's caption or text, and whether it shows, as last written.
  [[nodiscard]] const std::string &shownText(Control control) const { return texts_[index(control)]; }
  [[nodiscard]] bool shown(Control control) const { return visible_[index(control)]; }

  void setBackColor(Control control, Colour colour) override;
  [[nodiscard]] Colour backColor(Control control) const override;
  [[nodiscard]] std::string tag(Control control) const override;
  void setCaption(Control control, std::string_view caption) override;
  void setText(Control control, std::string_view text) override;
  void setVisible(Control control, bool visible) override;
  void setWindowCursor(Control swatch) override;

private:
  std::array<Colour, kControlCount> back_{};
  std::array<std::string, kControlCount> texts_;
  std::array<bool, kControlCount> visible_{};
  bool pageWrites_ = true;
  Language language_;
};
