// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "surface/controlsurface.h"
#include "surface/language.h"

#include <QCursor>

#include <array>
#include <optional>

class QWidget;

// The control surface on the window's Qt widgets: each operation acts on the
// widget created for its control, and the window's pointer is the window's.
// A call that does not apply to its control (design::applies) asserts in a
// debug build and leaves the control unchanged in a release build.
class WindowSurface final : public ControlSurface {
public:
  // Makes the pointer that a swatch carries.
  using SwatchCursorMaker = QCursor (*)(Control swatch);

  // Names the boxes for assistive technology in `language`.
  WindowSurface(QWidget &window, SwatchCursorMaker makeSwatchCursor, Language language)
      : window_(window), makeSwatchCursor_(makeSwatchCursor), language_(language) {}

  void attach(Control control, QWidget *widget) { widgets_[index(control)] = widget; }
  [[nodiscard]] QWidget *widget(Control control) const { return widgets_[index(control)]; }
  // Made when first asked for: a pointer from an image is costly to make, and
  // at start-up the window needs only black's.
  [[nodiscard]] const QCursor &swatchCursor(Control swatch) const;

  void setBackColor(Control control, Colour colour) override;
  [[nodiscard]] Colour backColor(Control control) const override;
  [[nodiscard]] std::string tag(Control control) const override;
  void setCaption(Control control, std::string_view caption) override;
  void setText(Control control, std::string_view text) override;
  void setVisible(Control control, bool visible) override;
  void setWindowCursor(Control swatch) override;

private:
  QWidget &window_;
  std::array<QWidget *, kControlCount> widgets_{};
  SwatchCursorMaker makeSwatchCursor_;
  Language language_;
  mutable std::array<std::optional<QCursor>, kSwatchCount> swatchCursors_;
};
