// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/picturebox.h"

#include <QCommonStyle>
#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace {

// The focus mark comes from Qt's common style: a one-pixel frame in black or
// white, whichever stands out from the box's colour. Desktop styles such as
// Fusion tint their mark so faintly that it vanishes on a black or red swatch.
const QCommonStyle &focusStyle() {
  static const QCommonStyle style;
  return style;
}

} // namespace

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

void PictureBox::paint(QWidget &box, const QColor &back) {
  QPainter painter(&box);
  painter.fillRect(box.rect(), back);
  QStyleOptionFocusRect focus;
  focus.initFrom(&box);
  focus.backgroundColor = back;
  if (focus.state.testFlag(QStyle::State_HasFocus) && focus.state.testFlag(QStyle::State_KeyboardFocusChange)) {
    focusStyle().drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, &box);
  }
}

void PictureBox::paintEvent(QPaintEvent * /*event*/) { paint(*this, back_); }

// Return and Enter press the box at once (Space presses it on release, as on
// any button); a held key presses it once, not again on each repeat.
void PictureBox::keyPressEvent(QKeyEvent *event) {
  if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
    QAbstractButton::keyPressEvent(event);
  } else if (!event->isAutoRepeat()) {
    click();
  }
}
