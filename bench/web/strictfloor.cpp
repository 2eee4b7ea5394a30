// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The web's strict floor: the page's elements with one click handler in
// WebAssembly, on the green swatch, which writes the current colour's caption
// through one EM_JS call: the least a C++ page that answers a click pays, with
// no embind. Like the page, its window shows once the handler is wired.

#include <emscripten/emscripten.h>

// NOLINTBEGIN: emscripten's macros, which write JavaScript into the WebAssembly.
// clang-format off
EM_JS(void, wireGreen, (), {
  document.getElementById('green').addEventListener('click', function() { _answer(); });
  document.getElementById('ResX').removeAttribute('aria-busy');
});
EM_JS(void, writeGreenCaption, (), { document.getElementById('curcol').textContent = 'текущий цвет-зелёный'; });
// clang-format on
// NOLINTEND

extern "C" EMSCRIPTEN_KEEPALIVE void answer() { writeGreenCaption(); }

int main() {
  wireGreen();
  return 0;
}
