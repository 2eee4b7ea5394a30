// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/picturebox.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(const QColor &back, QWidget *parent) : QWidget(parent), back_(back) {
  setAttribute(Qt::WA_OpaquePaintEvent); // the fill covers every pixel
  setCursor(Qt::ArrowCursor);
}

void PictureBox::setBackColor(const QColor &back) {
  if (back != back_) {
    back_ = back;
    update();
  }
}

void PictureBox::paintEvent(QPaintEvent * /*event*/) { QPainter(this).fillRect(rect(), back_); }

// Taking the press makes the release come here too; a click is a left press
// and release on the box. A double click thus delivers two clicks.
void PictureBox::mousePressEvent(QMouseEvent *event) { event->accept(); }

void PictureBox::mouseReleaseEvent(QMouseEvent *event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
    emit clicked();
  }
}
