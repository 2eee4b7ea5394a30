// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/command.h"

#include <array>
#include <cstdio>

CommandOutput runCommand(const std::string &command) {
  CommandOutput out{-1, {}};
  FILE *pipe = popen((command + " 2>&1").c_str(), "r");
  if (pipe == nullptr) {
    return out;
  }
  std::array<char, 4096> buffer{};
  while (const std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe)) {
    out.text.append(buffer.data(), n);
  }
  out.status = pclose(pipe);
  return out;
}
