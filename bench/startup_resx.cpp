// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/firstpaintquit.h"
#include "window/resxwindow.h"

#include <QApplication>

// The program's start-up as the app does it, ending at the window's first paint.
int main(int argc, char *argv[]) {
  QApplication app(argc, argv);
  ResXWindow window;
  const FirstPaintQuit quit(window);
  window.open();
  return QApplication::exec();
}
