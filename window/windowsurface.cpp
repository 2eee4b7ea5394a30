// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/windowsurface.h"

#include "surface/design.h"
#include "window/picturebox.h"
#include "window/qtcolour.h"
#include "window/qtstring.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

namespace {

using design::Operation;

// A call that does not apply to its control is a mistake in the decoder: it
// stops a debug build there; a release build leaves the control unchanged.
bool applies(Operation operation, Control control, [[maybe_unused]] const char *call) {
  const bool applies = design::applies(operation, control);
  Q_ASSERT_X(applies, call, "the operation does not apply to this control");
  return applies;
}

} // namespace

// Colours apply to picture boxes alone, and every picture box holds its colour itself.
void WindowSurface::setBackColor(Control control, Colour colour) {
  auto *box = qobject_cast<PictureBox *>(widget(control));
  if (!applies(Operation::setBackColor, control, "WindowSurface::setBackColor") || box == nullptr) {
    return;
  }
  box->setBackColor(qtColour(colour));
  if (!isSwatch(control)) { // named with the colour it shows, so that a screen reader can say it
    box->setAccessibleName(qt(design::boxName(control, colour, language_)));
  }
}

Colour WindowSurface::backColor(Control control) const {
  const auto *box = qobject_cast<const PictureBox *>(widget(control));
  if (applies(Operation::backColor, control, "WindowSurface::backColor") && box != nullptr) {
    return colourValue(box->backColor());
  }
  return design::item(control).back; // a control that takes no colour keeps its design's
}

// Tags never change, so they are read from the design rather than kept on the widgets.
std::string WindowSurface::tag(Control control) const {
  applies(Operation::tag, control, "WindowSurface::tag");
  return std::string(design::item(control).tag);
}

void WindowSurface::setCaption(Control control, std::string_view caption) {
  if (!applies(Operation::setCaption, control, "WindowSurface::setCaption")) {
    return;
  }
  QWidget *target = widget(control);
  if (auto *label = qobject_cast<QLabel *>(target)) {
    label->setText(qt(caption));
  } else if (auto *button = qobject_cast<QPushButton *>(target)) {
    button->setText(qt(caption));
  }
}

void WindowSurface::setText(Control control, std::string_view text) {
  auto *edit = qobject_cast<QLineEdit *>(widget(control));
  if (applies(Operation::setText, control, "WindowSurface::setText") && edit != nullptr) {
    edit->setText(qt(text));
  }
}

void WindowSurface::setVisible(Control control, bool visible) { widget(control)->setVisible(visible); }

const QCursor &WindowSurface::swatchCursor(Control swatch) const {
  std::optional<QCursor> &cursor = swatchCursors_.at(index(swatch));
  if (!cursor) {
    cursor = makeSwatchCursor_(swatch);
  }
  return *cursor;
}

void WindowSurface::setWindowCursor(Control swatch) {
  if (applies(Operation::setWindowCursor, swatch, "WindowSurface::setWindowCursor")) {
    window_.setCursor(swatchCursor(swatch));
  }
}
