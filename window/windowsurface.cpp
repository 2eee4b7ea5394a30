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

void WindowSurface::setBackColor(Control control, Colour colour) {
  QWidget *target = widget(control);
  if (auto *box = qobject_cast<PictureBox *>(target)) {
    box->setBackColor(qtColour(colour));
    return;
  }
  QPalette palette = target->palette();
  palette.setColor(target->backgroundRole(), qtColour(colour));
  target->setPalette(palette);
}

Colour WindowSurface::backColor(Control control) const {
  const QWidget *target = widget(control);
  if (const auto *box = qobject_cast<const PictureBox *>(target)) {
    return colourValue(box->backColor());
  }
  return colourValue(target->palette().color(target->backgroundRole()));
}

// Tags never change, so they are read from the design rather than kept on the widgets.
std::string WindowSurface::tag(Control control) const { return std::string(design::item(control).tag); }

void WindowSurface::setCaption(Control control, std::string_view caption) {
  QWidget *target = widget(control);
  if (auto *label = qobject_cast<QLabel *>(target)) {
    label->setText(qt(caption));
  } else if (auto *button = qobject_cast<QPushButton *>(target)) {
    button->setText(qt(caption));
  }
}

void WindowSurface::setText(Control control, std::string_view text) {
  if (auto *edit = qobject_cast<QLineEdit *>(widget(control))) {
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

void WindowSurface::setWindowCursor(Control swatch) { window_.setCursor(swatchCursor(swatch)); }
