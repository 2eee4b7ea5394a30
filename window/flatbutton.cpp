// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/flatbutton.h"

#include <QPainter>
#include <QPen>

FlatButton::FlatButton(const QString &text, QWidget *parent) : QPushButton(text, parent) {}

void FlatButton::paintEvent(QPaintEvent * /*event*/) {
  QPainter painter(this);
  const QColor ink = palette().color(foregroundRole());
  const QColor face = palette().color(backgroundRole());
  painter.fillRect(rect(), ink);
  painter.fillRect(rect().adjusted(1, 1, -1, -1), isDown() ? face.darker(115) : face);
  if (hasFocus()) {
    painter.setPen(QPen(ink, 0, Qt::DotLine));
    painter.drawRect(rect().adjusted(3, 3, -4, -4));
  }
  painter.setPen(ink);
  painter.drawText(rect(), Qt::AlignCenter, text());
}
