// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/picturebox.h"

#include "window/focusmark.h"

#include <QKeyEvent>
#include <QPainter>

PictureBox::PictureBox(const QColor &back, QWidget *parent) : QAbstractButton(parent), back_(back) {
  setAttribute(Qt::WA_OpaquePaintEvent); // the fill covers every pixel
  setCursor(Qt::ArrowCursor);
  setFocusPolicy(Qt::TabFocus); // a click leaves the focus where it was
}

void PictureBox::setBackColor(const QColor &back) {
  if (back != back_) {
    back_ = back;
    update();
  }
}

// The focus mark is a one-pixel frame just inside the edge, black on a light
// fill and white on a dark one, so that it stands out from any colour: desktop
// styles such as Fusion tint their mark so faintly that it vanishes on a black
// or red swatch.
void PictureBox::paintEvent(QPaintEvent * /*event*/) {
  QPainter painter(this);
  painter.fillRect(rect(), back_);
  if (showsFocusMark(*this)) {
    painter.setPen(back_.value() >= 128 ? QColor(Qt::black) : QColor(Qt::white));
    painter.drawRect(rect().adjusted(1, 1, -2, -2)); // a pen's rectangle is one pixel wider and taller
  }
}

// Return and Enter press the box at once (Space presses it on release, as on
// any button); a held key presses it once, not again on each repeat.
void PictureBox::keyPressEvent(QKeyEvent *event) {
  if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
    QAbstractButton::keyPressEvent(event);
  } else if (!event->isAutoRepeat()) {
    click();
  }
}
