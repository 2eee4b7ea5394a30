// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "surface/controlsurface.h"
#include "surface/design.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// A colour value as the log writes it: "0x00BBGGRR".
std::string colourText(Colour colour);

// A control surface that keeps every control's state in memory, starting from
// the design values, and logs every call in order, reads included, as text
// such as `setText(resxx, "???")`. A call that does not apply to its control
// (design::applies) throws std::logic_error naming the call, so the test that
// made it fails and says which call it was.
class RecordingSurface final : public ControlSurface {
public:
  struct State {
    Colour back;
    std::string text; // caption of a label or button, text of a text box
    std::string tag;
    bool visible;
  };

  // The window's controls as the design makes them, their texts in `language`.
  explicit RecordingSurface(Language language = {});

  void setBackColor(Control control, Colour colour) override;
  [[nodiscard]] Colour backColor(Control control) const override;
  [[nodiscard]] std::string tag(Control control) const override;
  void setCaption(Control control, std::string_view caption) override;
  void setText(Control control, std::string_view text) override;
  void setVisible(Control control, bool visible) override;
  void setWindowCursor(Control swatch) override;

  [[nodiscard]] const State &state(Control control) const { return states_[index(control)]; }
  // The swatch whose pointer the window shows; empty while it shows its own design pointer.
  [[nodiscard]] std::optional<Control> windowCursor() const { return windowCursor_; }
  [[nodiscard]] const std::vector<std::string> &log() const { return log_; }
  void clearLog() { log_.clear(); }

private:
  void record(design::Operation operation, Control control, const std::string &argument = {}) const;

  std::array<State, kControlCount> states_;
  std::optional<Control> windowCursor_;
  mutable std::vector<std::string> log_;
};
