// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/firstpaintquit.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

FirstPaintQuit::FirstPaintQuit(QWidget &window) { window.installEventFilter(this); }

bool FirstPaintQuit::eventFilter(QObject * /*watched*/, QEvent *event) {
  if (event->type() == QEvent::Paint && !painted_) {
    painted_ = true;
    // A posted event is delivered only once control is back in the event loop,
    // that is after this paint and the flush of the frame that contains it.
    QCoreApplication::postEvent(this, new QEvent(QEvent::User));
  }
  return false;
}

bool FirstPaintQuit::event(QEvent *event) {
  if (event->type() == QEvent::User) {
    QCoreApplication::exit(0);
    return true;
  }
  return QObject::event(event);
}
