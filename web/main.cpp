// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/webwindow.h"

// The page's entry: the window outlives it, answering the page's events.
int main() {
  static WebWindow window;
  window.open();
  return 0;
}
