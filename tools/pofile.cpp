// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/pofile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <utility>

namespace {

[[noreturn]] void fail(std::string_view file, int line, std::string_view reason, std::string_view text) {
  throw std::runtime_error(PoFile::message(file, line, reason, text));
}

std::string_view trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The placeholders of a text ({1}, {2}, {3}, ...), sorted: a translation must
// have the same ones as its source, each as often, in any order.
std::vector<std::string_view> placeholders(std::string_view text) {
  std::vector<std::string_view> found;
  for (std::size_t at = text.find('{'); at != std::string_view::npos; at = text.find('{', at + 1)) {
    if (at + 2 < text.size() && text[at + 1] >= '1' && text[at + 1] <= '9' && text[at + 2] == '}') {
      found.push_back(text.substr(at, 3));
    }
  }
  std::sort(found.begin(), found.end());
  return found;
}

// The reader of one file's lines: what the entry being read holds so far.
class Reader {
public:
  // Every complete entry goes to `entries`, the header entry included.
  Reader(std::string_view file, std::vector<PoFile::Entry> &entries) : file_(file), entries_(entries) {}

  void line(int number, std::string_view line) {
    number_ = number;
    line_ = line;
    const std::string_view text = trimmed(line);
    if (text.empty() || text.front() == '#') {
      end();
      if (text.starts_with("#,")) {
        std::istringstream flags{std::string(text.substr(2))};
        for (std::string flag; std::getline(flags, flag, ',');) {
          fuzzy_ = fuzzy_ || trimmed(flag) == "fuzzy";
        }
      } else if (text.starts_with("#:")) {
        std::istringstream references{std::string(text.substr(2))};
        for (std::string reference; references >> reference;) {
          references_.push_back(reference);
        }
      }
      return;
    }
    if (text.front() == '"') {
      if (field_ == nullptr) {
        fail(file_, number_, "a string without a keyword", line_);
      }
      field_->append(unquoted(text));
      return;
    }
    const std::string_view keyword = text.substr(0, text.find_first_of(" \t\""));
    const std::string_view rest = text.substr(keyword.size());
    if (keyword == "msgctxt" || (keyword == "msgid" && !context_)) {
      if (hasTranslation_) {
        end();
      } else if (started_) {
        fail(file_, number_, "out of place, before this entry's msgstr", line_);
      }
      start();
    }
    if (keyword == "msgctxt") {
      context_ = true;
      field_ = &entry_.context;
    } else if (keyword == "msgid") {
      context_ = false;
      hasId_ = true;
      entry_.line = number_;
      field_ = &entry_.id;
    } else if (keyword == "msgstr" && hasId_ && !hasTranslation_) {
      hasTranslation_ = true;
      entry_.translationLine = number_;
      field_ = &entry_.translation;
    } else if (keyword == "msgstr") {
      fail(file_, number_, "msgstr without its msgid", line_);
    } else if (keyword == "msgid_plural" || keyword.starts_with("msgstr[")) {
      fail(file_, number_, "plural forms are not supported", line_);
    } else {
      fail(file_, number_, "unknown keyword", line_);
    }
    field_->assign(unquoted(rest));
  }

  // Ends the entry being read, if any, at the end of the file or before a comment or a blank line.
  void end() {
    if (!started_) {
      return;
    }
    if (!hasId_) {
      fail(file_, number_, "msgctxt without its msgid", entry_.context);
    }
    if (!hasTranslation_) {
      fail(file_, entry_.line, "msgid without its msgstr", entry_.id);
    }
    entries_.push_back(std::move(entry_));
    started_ = false;
    context_ = false;
    hasId_ = false;
    hasTranslation_ = false;
    field_ = nullptr;
  }

private:
  void start() {
    entry_ = PoFile::Entry{};
    entry_.fuzzy = std::exchange(fuzzy_, false);
    entry_.references = std::exchange(references_, {});
    started_ = true;
  }

  // A string in double quotes with the C escapes \n \t \" \\, and nothing after it.
  [[nodiscard]] std::string unquoted(std::string_view text) const {
    text = trimmed(text);
    if (!text.starts_with('"')) {
      fail(file_, number_, "a string in double quotes expected", line_);
    }
    std::string out;
    for (std::size_t i = 1; i < text.size(); ++i) {
      if (text[i] == '"') {
        if (i + 1 != text.size()) {
          fail(file_, number_, "text after the closing quote", line_);
        }
        return out;
      }
      if (text[i] != '\\') {
        out += text[i];
        continue;
      }
      const char escaped = i + 1 < text.size() ? text[++i] : '\0';
      const std::string_view from = "nt\"\\";
      const std::string_view to = "\n\t\"\\";
      const std::size_t which = from.find(escaped);
      if (escaped == '\0' || which == std::string_view::npos) {
        fail(file_, number_, "unknown escape sequence", line_);
      }
      out += to[which];
    }
    fail(file_, number_, "the string has no closing quote", line_);
  }

  std::string_view file_;
  std::vector<PoFile::Entry> &entries_;
  int number_ = 0;
  std::string_view line_;
  PoFile::Entry entry_;
  std::string *field_ = nullptr; // what a continuation line extends
  bool started_ = false;
  bool context_ = false; // a msgctxt read, its msgid not yet
  bool hasId_ = false;
  bool hasTranslation_ = false;
  bool fuzzy_ = false;                  // a "#, fuzzy" line before the next entry
  std::vector<std::string> references_; // "#:" lines before the next entry
};

} // namespace

PoFile::PoFile(std::string name, std::string_view text) : name_(std::move(name)) {
  std::vector<Entry> all;
  Reader reader(name_, all);
  int number = 0;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    if (line.ends_with('\r')) {
      line.remove_suffix(1);
    }
    reader.line(++number, line);
    text.remove_prefix(std::min(end + 1, text.size()));
  }
  reader.end();
  for (Entry &entry : all) {
    if (entry.id.empty() && entry.context.empty()) {
      continue; // the header entry
    }
    if (find(entry) != nullptr) {
      fail(name_, entry.line, "a second entry for the same text", entry.id);
    }
    entries_.push_back(std::move(entry));
  }
}

PoFile PoFile::read(const std::filesystem::path &path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  if (!in || !(text << in.rdbuf())) {
    throw std::runtime_error(path.string() + ": cannot read: " + std::strerror(errno));
  }
  return {path.string(), text.str()};
}

std::vector<std::string> PoFile::translate(const PoFile &templateFile) const {
  for (const Entry &entry : entries_) {
    if (templateFile.find(entry) == nullptr) {
      fail(name_, entry.line, "not in the template " + templateFile.name_, entry.id);
    }
  }
  std::vector<std::string> translations;
  for (const Entry &source : templateFile.entries_) {
    const Entry *entry = find(source);
    if (entry == nullptr) {
      fail(templateFile.name_, source.line, "no translation in " + name_, source.id);
    }
    if (entry->translation.empty()) {
      fail(name_, entry->translationLine, "empty translation", source.id);
    }
    if (entry->fuzzy) {
      fail(name_, entry->line, "fuzzy translation, which counts as none", source.id);
    }
    if (placeholders(entry->translation) != placeholders(source.id)) {
      fail(name_, entry->translationLine, "placeholders differ from those of \"" + source.id + "\"",
           entry->translation);
    }
    translations.push_back(entry->translation);
  }
  return translations;
}

std::string PoFile::message(std::string_view file, int line, std::string_view reason, std::string_view text) {
  std::string quoted;
  for (const char c : text) {
    switch (c) {
    case '\n': quoted += "\\n"; break;
    case '\t': quoted += "\\t"; break;
    case '"': quoted += "\\\""; break;
    case '\\': quoted += "\\\\"; break;
    default: quoted += c;
    }
  }
  return std::string(file) + ':' + std::to_string(line) + ": " + std::string(reason) + " \"" + quoted + '"';
}

const PoFile::Entry *PoFile::find(const Entry &entry) const {
  const auto match = std::find_if(entries_.begin(), entries_.end(), [&](const Entry &other) {
    return other.id == entry.id && other.context == entry.context;
  });
  return match == entries_.end() ? nullptr : &*match;
}
