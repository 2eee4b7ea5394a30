// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/command.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const std::string kTemplate = R"(msgid ""
msgstr ""
"Content-Type: text/plain; charset=UTF-8\n"

msgid "{1}полосы"
msgstr ""

msgctxt "decimal separator"
msgid ","
msgstr ""
)";
const std::string kDecimal = "\nmsgctxt \"decimal separator\"\nmsgid \",\"\nmsgstr \",\"\n";
const std::string kGood = "msgid \"{1}полосы\"\nmsgstr \"{1} Ringe\"\n" + kDecimal;

// The compiler run on a po/ folder of LINGUAS, the template above and one PO
// file: its status, and what it printed with the folder written as DIR.
CommandOutput compile(const std::string &linguas, const std::string &po, std::string arguments = "header DIR DIR/h") {
  const fs::path dir = fs::temp_directory_path() / ("resx-po-" + std::to_string(getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  std::ofstream(dir / "LINGUAS") << linguas;
  std::ofstream(dir / "resx.pot") << kTemplate;
  std::ofstream(dir / "de.po") << po;
  const auto replace = [](std::string &text, const std::string &from, const std::string &to) {
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size()) {
      text.replace(at, from.size(), to);
    }
  };
  replace(arguments, "DIR", dir.string());
  const char *emulator = std::getenv("RESX_EMULATOR");
  CommandOutput out =
      runCommand((emulator != nullptr ? std::string(emulator) + " " : "") + RESX_POCOMPILE_PROGRAM + " " + arguments);
  replace(out.text, dir.string(), "DIR");
  fs::remove_all(dir);
  return out;
}

} // namespace

// Each fault stops the compiler with one line that names the file, the line,
// the reason and the text; a good folder compiles.
TEST(CatalogueCompiler, RefusesEachFaultInOneLine) {
  const struct Row {
    std::string linguas;
    std::string po;
    std::string expected; // empty: compiles
  } rows[] = {
      {"# comment\nde # German\n", kGood, ""},
      {"de\n", "#~ msgid \"старый\"\n#~ msgstr \"alt\"\n\n" + kGood, ""},
      {"de fr\n", kGood, "DIR/LINGUAS:1: no PO file DIR/fr.po for the language \"fr\""},
      {"de\nru\n", kGood, "DIR/LINGUAS:2: the source language, which has no translation \"ru\""},
      {"de\n", "msgid \"{1}полосы\n", "DIR/de.po:1: the string has no closing quote \"msgid \\\"{1}полосы\""},
      {"de\n", "msgid \"a\\q\"\n", R"(DIR/de.po:1: unknown escape sequence "msgid \"a\\q\"")"},
      {"de\n", "msgid \"{1}полосы\"\nmsgid_plural \"x\"\n",
       R"(DIR/de.po:2: plural forms are not supported "msgid_plural \"x\"")"},
      {"de\n", "msgid \"{1}полосы\"\n\"x\" y\n", R"(DIR/de.po:2: text after the closing quote "\"x\" y")"},
      {"de\n", "msgstr \"x\"\n", R"(DIR/de.po:1: msgstr without its msgid "msgstr \"x\"")"},
      {"de\n", kGood + "\nmsgid \"{1}полосы\"\n", "DIR/de.po:8: msgid without its msgstr \"{1}полосы\""},
      {"de\n", kGood + "\nmsgid \"{1}полосы\"\nmsgstr \"x\"\n",
       "DIR/de.po:8: a second entry for the same text \"{1}полосы\""},
      {"de\n", kGood + "\nmsgid \"лишний\"\nmsgstr \"extra\"\n",
       "DIR/de.po:8: not in the template DIR/resx.pot \"лишний\""},
      {"de\n", "msgid \",\"\nmsgstr \",\"\n", "DIR/de.po:1: not in the template DIR/resx.pot \",\""},
      {"de\n", kDecimal, "DIR/resx.pot:5: no translation in DIR/de.po \"{1}полосы\""},
      {"de\n", "msgid \"{1}полосы\"\nmsgstr \"\"\n" + kDecimal, "DIR/de.po:2: empty translation \"{1}полосы\""},
      {"de\n", "#, c-format, fuzzy\n" + kGood, "DIR/de.po:2: fuzzy translation, which counts as none \"{1}полосы\""},
      {"de\n", "msgid \"{1}полосы\"\nmsgstr \"\"\n\"Ringe\"\n" + kDecimal,
       "DIR/de.po:2: placeholders differ from those of \"{1}полосы\" \"Ringe\""},
      {"de\n", "msgid \"{1}полосы\"\nmsgstr \"{1} Ringe {2}\"\n" + kDecimal,
       "DIR/de.po:2: placeholders differ from those of \"{1}полосы\" \"{1} Ringe {2}\""},
  };
  for (const Row &row : rows) {
    SCOPED_TRACE(row.po);
    const CommandOutput out = compile(row.linguas, row.po);
    EXPECT_EQ(out.text, row.expected.empty() ? "" : row.expected + "\n");
    EXPECT_EQ(out.status != 0, !row.expected.empty()) << out.status;
  }
}

TEST(CatalogueCompiler, NamesWhatItCannotReadAndHowToCallIt) {
  const CommandOutput unreadable = compile("de\n", kGood, "header /nonexistent /tmp/h");
  EXPECT_EQ(unreadable.text, "/nonexistent/resx.pot: cannot read: No such file or directory\n");
  EXPECT_NE(unreadable.status, 0);
  const CommandOutput unwritable = compile("de\n", kGood, "header DIR DIR/none/h");
  EXPECT_EQ(unwritable.text, "DIR/none/h: cannot write: No such file or directory\n");
  EXPECT_NE(unwritable.status, 0);
  const CommandOutput usage = compile("de\n", kGood, "header");
  EXPECT_TRUE(usage.text.starts_with("usage: resx_pocompile header PO_DIR HEADER")) << usage.text;
  EXPECT_NE(usage.status, 0);
}
