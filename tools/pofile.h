// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// A gettext PO file, or its template, as the catalogue compiler reads it: the
// entries with their context, source text and translation, without the header
// entry and the obsolete (#~) entries. Every fault it finds throws a
// std::runtime_error whose message is one line, `FILE:LINE: reason "text"`,
// which the compiler prints and the build shows.
class PoFile {
public:
  struct Entry {
    std::string context; // msgctxt; empty for none
    std::string id;      // msgid: the source text
    std::string translation;
    bool fuzzy = false;
    std::vector<std::string> references; // where it is used, from its "#:" lines: "packaging/resx.desktop.in"
    int line = 0;                        // of its msgid
    int translationLine = 0;             // of its msgstr
  };

  // Parses `text`; `name` stands for the file in messages.
  PoFile(std::string name, std::string_view text);
  // Reads and parses a file; a file that cannot be read throws with its name and the reason.
  static PoFile read(const std::filesystem::path &path);

  [[nodiscard]] const std::string &name() const { return name_; }
  [[nodiscard]] const std::vector<Entry> &entries() const { return entries_; }

  // This file's translation of every text of `templateFile`, in the
  // template's order. Throws on an entry that the template lacks, on a text
  // that this file lacks, has empty or has fuzzy, and on a translation whose
  // placeholders ({1}, {2}, {3}) are not its source text's.
  [[nodiscard]] std::vector<std::string> translate(const PoFile &templateFile) const;

  // `FILE:LINE: reason "text"`, the text quoted with C escapes as in a PO file.
  static std::string message(std::string_view file, int line, std::string_view reason, std::string_view text);

private:
  [[nodiscard]] const Entry *find(const Entry &entry) const;

  std::string name_;
  std::vector<Entry> entries_;
};
