// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// A shell command's exit status, as from waitpid, and everything it printed on
// standard output and standard error together.
struct CommandOutput {
  int status;
  std::string text;
};

// Runs a command through the shell and waits for it.
CommandOutput runCommand(const std::string &command);
