// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/firstpaintquit.h"
#include "surface/design.h"

#include <QApplication>
#include <QWidget>

// The floor of any Qt window: an empty window of the program's size, ending at its first paint.
int main(int argc, char *argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  const FirstPaintQuit quit(window);
  window.setFixedSize(design::window().width, design::window().height);
  window.show();
  return QApplication::exec();
}
