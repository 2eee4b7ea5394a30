// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/colourbox.h"

#include "window/picturebox.h"

ColourBox::ColourBox(QWidget *parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent); // the fill covers every pixel
  setCursor(Qt::ArrowCursor);
  setFocusPolicy(Qt::TabFocus);
}

void ColourBox::paintEvent(QPaintEvent * /*event*/) { PictureBox::paint(*this, palette().color(backgroundRole())); }
