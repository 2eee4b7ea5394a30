// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/picturebox.h"

#include <QMouseEvent>

PictureBox::PictureBox(QWidget *parent) : QWidget(parent) {
  setAutoFillBackground(true);
  setCursor(Qt::ArrowCursor);
}

// Taking the press makes the release come here too; a click is a left press
// and release on the box. A double click thus delivers two clicks.
void PictureBox::mousePressEvent(QMouseEvent *event) { event->accept(); }

void PictureBox::mouseReleaseEvent(QMouseEvent *event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
  }
}
