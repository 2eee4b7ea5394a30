#pragma once

#include "control.h"

#include <optional>
#include <string_view>

// What the checker reads from a window: the state of each addressable control
// and the window's pointer, whatever keeps them.
class ControlView {
public:
  ControlView() = default;
  virtual ~ControlView() = default;
  ControlView(const ControlView &) = delete;
  ControlView &operator=(const ControlView &) = delete;
  ControlView(ControlView &&) = delete;
  ControlView &operator=(ControlView &&) = delete;

  // The caption of a label or button, the text of a text box.
  [[nodiscard]] virtual std::string_view text(Control control) const = 0;
  [[nodiscard]] virtual Colour back(Control control) const = 0;
  [[nodiscard]] virtual bool visible(Control control) const = 0;
  // The swatch whose pointer the window shows; empty for the design pointer.
  [[nodiscard]] virtual std::optional<Control> cursor() const = 0;
};
