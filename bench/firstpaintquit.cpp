// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/firstpaintquit.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <cstdlib>

FirstPaintQuit::FirstPaintQuit(QWidget &window) {
  window.installEventFilter(this);
  connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, [] { std::_Exit(0); });
}

bool FirstPaintQuit::eventFilter(QObject * /*watched*/, QEvent *event) {
  if (event->type() == QEvent::Paint && !painted_) {
    painted_ = true;
    // A queued call runs only once control is back in the event loop, that is
    // after this paint and the flush of the frame that contains it.
    QMetaObject::invokeMethod(QCoreApplication::instance(), "exit", Qt::QueuedConnection, Q_ARG(int, 0));
  }
  return false;
}
