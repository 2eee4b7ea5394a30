// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/colourbox.h"

#include <QKeyEvent>

bool ColourBox::hitButton(const QPoint & /*pos*/) const { return false; }

void ColourBox::keyPressEvent(QKeyEvent *event) { event->ignore(); }

void ColourBox::keyReleaseEvent(QKeyEvent *event) { event->ignore(); }
