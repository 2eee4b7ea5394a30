// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "web/pagemarkup.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

// Writes the page to the file named by its first argument, around
// emscripten's script placeholder, where the build links the page's
// WebAssembly; or around the script given as a second argument, for a page
// with the same elements and a script of its own (the benchmarks' reference).
int main(int argc, char *argv[]) {
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: %s PAGE.html [SCRIPT]\n", argc > 0 ? argv[0] : "resx_shell");
    return 2;
  }
  std::ofstream page(argv[1], std::ios::binary);
  page << pageMarkup(argc == 3 ? argv[2] : "{{{ SCRIPT }}}");
  page.close();
  if (!page) {
    std::fprintf(stderr, "%s: cannot write %s: %s\n", argv[0], argv[1], std::strerror(errno));
    return 1;
  }
  return 0;
}
