// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/flatbutton.h"

#include "window/focusmark.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPen>

FlatButton::FlatButton(const QString &text, QWidget *parent) : QPushButton(text, parent) {}

void FlatButton::paintEvent(QPaintEvent * /*event*/) {
  QPainter painter(this);
  const QColor ink = palette().color(foregroundRole());
  const QColor face = palette().color(backgroundRole());
  painter.fillRect(rect(), ink);
  painter.fillRect(rect().adjusted(1, 1, -1, -1), isDown() ? face.darker(115) : face);
  if (showsFocusMark(*this)) {
    painter.setPen(QPen(ink, 0, Qt::DotLine));
    painter.drawRect(rect().adjusted(3, 3, -4, -4));
  }
  painter.setPen(ink);
  painter.drawText(rect(), Qt::AlignCenter, text());
}

// A click shows that the mouse, not the keyboard, is in use: the window's focus
// mark waits for the keyboard to move the focus again, which Qt alone would not
// wait for once the keyboard had moved it before.
void FlatButton::mousePressEvent(QMouseEvent *event) {
  window()->setAttribute(Qt::WA_KeyboardFocusChange, false);
  QPushButton::mousePressEvent(event);
}
