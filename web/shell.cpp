// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/pagemarkup.h"

#include <fstream>

// Writes the page around emscripten's script placeholder to the file named
// by its argument; the build links the page's WebAssembly into it.
int main(int argc, char *argv[]) {
  if (argc != 2) {
    return 2;
  }
  std::ofstream(argv[1]) << pageMarkup("{{{ SCRIPT }}}");
  return 0;
}
