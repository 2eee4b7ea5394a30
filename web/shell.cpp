// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/pagemarkup.h"

#include <fstream>

// Writes the page to the file named by its first argument, around
// emscripten's script placeholder, where the build links the page's
// WebAssembly; or around the script given as a second argument, for a page
// with the same elements and a script of its own (the benchmarks' reference).
int main(int argc, char *argv[]) {
  if (argc != 2 && argc != 3) {
    return 2;
  }
  std::ofstream(argv[1]) << pageMarkup(argc == 3 ? argv[2] : "{{{ SCRIPT }}}");
  return 0;
}
