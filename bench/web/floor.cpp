// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The web's text floor: the page's elements with one click handler in
// WebAssembly, on the green swatch, which writes the current colour's caption
// through embind, as any C++ page that answers a click does.

#include <emscripten/html5.h>
#include <emscripten/val.h>

#include <string>

int main() {
  emscripten_set_click_callback("#green", nullptr, EM_FALSE,
                                [](int /*type*/, const EmscriptenMouseEvent * /*event*/, void * /*data*/) {
                                  emscripten::val::global("document")
                                      .call<emscripten::val>("getElementById", std::string("curcol"))
                                      .set("textContent", std::string("текущий цвет-зелёный"));
                                  return EM_FALSE;
                                });
  return 0;
}
