// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/command.h"
#include "xsession/xsession.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <sys/wait.h>

namespace {

// A display number that no X server holds.
std::string unusedDisplay() {
  int number = 90;
  while (std::filesystem::exists("/tmp/.X11-unix/X" + std::to_string(number)) ||
         std::filesystem::exists("/tmp/.X" + std::to_string(number) + "-lock")) {
    ++number;
  }
  // Appended rather than `":" + ...`, which g++ 12 at -O2 mistakes for an overlapping copy (-Wrestrict).
  return std::string(":").append(std::to_string(number));
}

// A font configuration that finds no font at all.
std::string noFonts() {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "resx-no-fonts";
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "fonts.conf") << "<?xml version=\"1.0\"?>\n<fontconfig><dir>" << (folder / "none").string()
                                       << "</dir><cachedir>" << (folder / "cache").string()
                                       << "</cachedir></fontconfig>\n";
  return (folder / "fonts.conf").string();
}

} // namespace

TEST(Program, AnswersFromATerminal) {
  const std::string program = RESX_PROGRAM;
  std::string run; // the program as a shell command, through the emulator in a cross build
  for (const std::string &word : XSession::programCommand(program)) {
    run += (run.empty() ? "" : " ") + word;
  }
  const std::string noDisplay = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ";
  const std::string display = unusedDisplay();
  const XSession session; // a display that answers
  ASSERT_TRUE(session.ok()) << "Xvfb did not start";
  struct Row {
    std::string command;
    int status;
    std::string output; // the whole output, or its first line when it ends in "..."
  };
  const Row rows[] = {
      {noDisplay + run, 1,
       "resx: cannot connect to a display (neither DISPLAY nor WAYLAND_DISPLAY is set); start it on a desktop\n"},
      {noDisplay + "DISPLAY=" + display + " " + run, 1,
       "resx: cannot connect to a display (nothing answers at DISPLAY=" + display + "); start it on a desktop\n"},
      // A platform that cannot start where a display answers: Qt's reason first, then what to do.
      {noDisplay + "DISPLAY=" + session.display() + " " + run + " -platform nosuchplugin", 1,
       "qt.qpa.plugin: Could not find the Qt platform plugin \"nosuchplugin\" in \"\"\nresx: Qt cannot start its "
       "platform plugin, for the reason above; install what it names, or choose one with -platform: ..."},
      {noDisplay + run + " --version", 0, "resx " RESX_VERSION "\n"},
      {noDisplay + run + " --help-all", 0, "platform <platformName[:options]>  QPA plugin..."},
      {noDisplay + run + " --help", 0, "Usage: " + program + " [options]\n..."},
      {noDisplay + run + " --help", 0, "--language <code>  The window's language: ru (русский), en (English), de..."},
      {noDisplay + run + " --language fr", 2, "resx: unknown language 'fr'; the languages are ru, en, de, uk\n"},
      {run + " --no-such-option", 1, "Unknown option 'no-such-option'.\n..."},
      // With no font to draw them, a warning; the window still opens and runs until stopped.
      {"FONTCONFIG_FILE=" + noFonts() + " timeout 2 " + run, 124,
       "resx: warning: no installed font has the letters of the window's texts, so they show as empty boxes; "
       "install fonts-dejavu-core\n..."},
  };
  for (const Row &row : rows) {
    SCOPED_TRACE(row.command);
    const CommandOutput out = runCommand(row.command);
    ASSERT_TRUE(WIFEXITED(out.status)) << "ended by a signal: " << out.text;
    EXPECT_EQ(WEXITSTATUS(out.status), row.status) << out.text;
    if (row.output.ends_with("...")) {
      const std::string first = row.output.substr(0, row.output.size() - 3);
      EXPECT_NE(out.text.find(first), std::string::npos) << out.text;
    } else {
      EXPECT_EQ(out.text, row.output);
    }
  }
}
