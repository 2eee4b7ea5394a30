// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "surface/pointerart.h"
#include "web/manifest.h"
#include "web/pagemarkup.h"
#include "web/png.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <fstream>
#include <string>

namespace {

bool write(const std::string &file, const std::string &content, const char *program) {
  std::ofstream out(file, std::ios::binary);
  out << content;
  out.close();
  if (!out) {
    std::fprintf(stderr, "%s: cannot write %s: %s\n", program, file.c_str(), std::strerror(errno));
  }
  return static_cast<bool>(out);
}

} // namespace

// Writes the page to the file named by its first argument, around
// emscripten's script placeholder, where the build links the page's
// WebAssembly; or around the script given as a second argument, for a page
// with the same elements and a script of its own (the benchmarks' reference).
// With --site, writes the site's web app manifest and its icons into a folder
// instead.
int main(int argc, char *argv[]) {
  const char *program = argc > 0 ? argv[0] : "resx_shell";
  try {
    if (argc == 3 && std::string(argv[1]) == "--site") {
      const std::string folder = argv[2];
      bool written = write(folder + "/manifest.webmanifest", manifest(), program);
      for (const Icon &icon : kIcons) {
        written = write(folder + "/" + icon.file, png(pointerart::windowIcon(), icon.scale), program) && written;
      }
      return written ? 0 : 1;
    }
    if (argc != 2 && argc != 3) {
      std::fprintf(stderr, "usage: %s PAGE.html [SCRIPT]\n       %s --site FOLDER\n", program, program);
      return 2;
    }
    return write(argv[1], pageMarkup(argc == 3 ? argv[2] : "{{{ SCRIPT }}}"), program) ? 0 : 1;
  } catch (const std::exception &error) { // out of memory, the only error that building a string has
    std::fprintf(stderr, "%s: %s\n", program, error.what());
    return 1;
  }
}
