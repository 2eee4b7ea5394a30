// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/colourbox.h"

#include "window/picturebox.h"

ColourBox::ColourBox(const QColor &back, QWidget *parent) : QWidget(parent), back_(back) {
  setAttribute(Qt::WA_OpaquePaintEvent); // the fill covers every pixel
  setCursor(Qt::ArrowCursor);
  setFocusPolicy(Qt::TabFocus);
}

void ColourBox::setBackColor(const QColor &back) {
  if (back != back_) {
    back_ = back;
    update();
  }
}

void ColourBox::paintEvent(QPaintEvent * /*event*/) { PictureBox::paint(*this, back_); }
