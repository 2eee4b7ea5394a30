// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "surface/control.h"

#include <string>
#include <string_view>

// The operations through which the decoder logic changes and reads the
// window's controls. Texts are UTF-8. Every operation takes effect at once and
// raises no event.
class ControlSurface {
public:
  ControlSurface() = default;
  virtual ~ControlSurface() = default;
  ControlSurface(const ControlSurface &) = delete;
  ControlSurface &operator=(const ControlSurface &) = delete;
  ControlSurface(ControlSurface &&) = delete;
  ControlSurface &operator=(ControlSurface &&) = delete;

  virtual void setBackColor(Control control, Colour colour) = 0;
  [[nodiscard]] virtual Colour backColor(Control control) const = 0;
  [[nodiscard]] virtual std::string tag(Control control) const = 0;
  virtual void setCaption(Control control, std::string_view caption) = 0;
  virtual void setText(Control control, std::string_view text) = 0;
  virtual void setVisible(Control control, bool visible) = 0;
  // The window's pointer becomes the pointer image that the swatch carries.
  virtual void setWindowCursor(Control swatch) = 0;
};
