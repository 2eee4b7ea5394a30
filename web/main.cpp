// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/pagecalls.h"
#include "web/webwindow.h"

#include <emscripten/emscripten.h>

namespace {

WebWindow &window() {
  static WebWindow window;
  return window;
}

} // namespace

// The page's entry: the window outlives it, answering the page's presses.
int main() {
  window().open();
  return 0;
}

extern "C" EMSCRIPTEN_KEEPALIVE void resxPress(int control) { window().press(static_cast<Control>(control)); }
