// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The catalogue compiler: reads po/LINGUAS, the template po/resx.pot and every
// listed language's PO file, refuses any fault in one line
// `FILE:LINE: reason "text"` with a non-zero status (which stops the build),
// and writes one of three files from them:
//   header   the constant tables of surface/catalogue.h, which surface/text.h reads;
//   desktop  the desktop entry from its template, whose `_Key=` lines carry source texts;
//   metainfo the AppStream metadata from its template, whose `<_tag>` elements carry
//            source texts and whose `<_languages/>` becomes the list of languages.
// The two package files take English as their untranslated text, the fallback
// for every language that the program lacks, as the program itself does.
#include "tools/pofile.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The language of the template's texts, and the one the package files show
// where the desktop's language has no translation.
constexpr std::string_view kSourceLanguage = "ru";
constexpr std::string_view kFallbackLanguage = "en";

// The languages (the source language first, then LINGUAS's order) and every
// language's texts, in the template's order; the source language's are the
// template's own.
struct Catalogue {
  PoFile source;
  std::vector<std::string> codes;
  std::vector<std::vector<std::string>> texts;

  // The position of a text without context in the template.
  [[nodiscard]] std::size_t find(const std::string &file, int line, const std::string &id) const {
    const auto &entries = source.entries();
    const auto match = std::find_if(entries.begin(), entries.end(), [&](const PoFile::Entry &entry) {
      return entry.context.empty() && entry.id == id;
    });
    if (match == entries.end()) {
      throw std::runtime_error(PoFile::message(file, line, "not in the template " + source.name(), id));
    }
    return static_cast<std::size_t>(match - entries.begin());
  }
  // The untranslated language first, then the others in the catalogue's order.
  [[nodiscard]] std::vector<std::size_t> packageOrder() const {
    const auto fallback = std::find(codes.begin(), codes.end(), kFallbackLanguage);
    std::vector<std::size_t> order{fallback == codes.end() ? 0 : static_cast<std::size_t>(fallback - codes.begin())};
    for (std::size_t language = 0; language < codes.size(); ++language) {
      if (language != order.front()) {
        order.push_back(language);
      }
    }
    return order;
  }
};

std::string readText(const fs::path &path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  if (!in || !(text << in.rdbuf())) {
    throw std::runtime_error(path.string() + ": cannot read: " + std::strerror(errno));
  }
  return text.str();
}

void writeText(const fs::path &path, const std::string &text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  if (!out || !out.write(text.data(), static_cast<std::streamsize>(text.size())) || !out.flush()) {
    throw std::runtime_error(path.string() + ": cannot write: " + std::strerror(errno));
  }
}

std::vector<std::string> lines(const std::string &text) {
  std::vector<std::string> all;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    all.push_back(line);
  }
  return all;
}

// LINGUAS: language codes separated by spaces or lines, `#` starting a comment.
Catalogue load(const fs::path &folder) {
  Catalogue catalogue{PoFile::read(folder / "resx.pot"), {std::string(kSourceLanguage)}, {}};
  std::vector<std::string> sources;
  for (const PoFile::Entry &entry : catalogue.source.entries()) {
    sources.push_back(entry.id);
  }
  catalogue.texts.push_back(std::move(sources));
  const fs::path linguas = folder / "LINGUAS";
  int number = 0;
  for (const std::string &line : lines(readText(linguas))) {
    ++number;
    std::istringstream words(line.substr(0, line.find('#')));
    for (std::string code; words >> code;) {
      const auto fail = [&](std::string_view reason) {
        throw std::runtime_error(PoFile::message(linguas.string(), number, reason, code));
      };
      if (!std::all_of(code.begin(), code.end(), [](char c) {
            return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '@';
          })) {
        fail("not a language code");
      }
      if (std::find(catalogue.codes.begin(), catalogue.codes.end(), code) != catalogue.codes.end()) {
        fail(code == kSourceLanguage ? "the source language, which has no translation" : "listed twice");
      }
      const fs::path file = folder / (code + ".po");
      if (!fs::exists(file)) {
        fail("no PO file " + file.string() + " for the language");
      }
      catalogue.texts.push_back(PoFile::read(file).translate(catalogue.source));
      catalogue.codes.push_back(code);
    }
  }
  return catalogue;
}

// A C++ string literal; a `?` after a `?` is escaped so that no pair reads as a trigraph.
std::string literal(std::string_view text) {
  std::string out = "\"";
  for (std::size_t i = 0; i < text.size(); ++i) {
    switch (text[i]) {
    case '\n': out += "\\n"; break;
    case '\t': out += "\\t"; break;
    case '"': out += "\\\""; break;
    case '\\': out += "\\\\"; break;
    case '?': out += i > 0 && text[i - 1] == '?' ? "\\?" : "?"; break;
    default: out += text[i];
    }
  }
  return out + '"';
}

// Whether only the package's files use a text (its "#:" references all name
// packaging/): the desktop entry's and AppStream's texts, which the program
// and the page need not carry.
bool packageOnly(const PoFile::Entry &entry) {
  return !entry.references.empty() &&
         std::all_of(entry.references.begin(), entry.references.end(),
                     [](const std::string &file) { return file.starts_with("packaging/"); });
}

std::string header(const Catalogue &catalogue) {
  const auto list = [](const std::vector<std::string> &texts, std::string_view indent) {
    std::string out;
    for (const std::string &text : texts) {
      out.append(indent).append(literal(text)).append(",\n");
    }
    return out;
  };
  std::vector<std::string> contexts;
  std::vector<std::vector<std::string>> texts(catalogue.codes.size());
  for (std::size_t id = 0; id < catalogue.source.entries().size(); ++id) {
    if (packageOnly(catalogue.source.entries()[id])) {
      continue;
    }
    contexts.push_back(catalogue.source.entries()[id].context);
    for (std::size_t language = 0; language < texts.size(); ++language) {
      texts[language].push_back(catalogue.texts[language][id]);
    }
  }
  const std::size_t count = contexts.size();
  std::string out =
      "// Written by resx_pocompile from po/LINGUAS, po/resx.pot and the PO files: edit those, not this.\n"
      "#pragma once\n\n#include <array>\n#include <string_view>\n\nnamespace catalogue {\n\n"
      "// The languages: the source language first, then po/LINGUAS's order.\n"
      "inline constexpr std::array<std::string_view, " +
      std::to_string(catalogue.codes.size()) + "> kLanguages{\n" + list(catalogue.codes, "    ") +
      "};\n\n// The context (msgctxt) of each text of po/resx.pot that the code uses, in its order; empty for none.\n"
      "inline constexpr std::array<std::string_view, " +
      std::to_string(count) + "> kContexts{\n" + list(contexts, "    ") +
      "};\n\n// Each language's texts, indexed as kContexts; the source language's are the template's.\n"
      "inline constexpr std::array<std::array<std::string_view, " +
      std::to_string(count) + ">, " + std::to_string(catalogue.codes.size()) + "> kTexts{{\n";
  for (std::size_t language = 0; language < catalogue.codes.size(); ++language) {
    out += "    {{ // " + catalogue.codes[language] + "\n" + list(texts[language], "        ") + "    }},\n";
  }
  return out + "}};\n\n} // namespace catalogue\n";
}

// A desktop entry's `_Key=source` line becomes `Key=` with the untranslated
// text and `Key[code]=` for every language, the source language included.
std::string desktopEntry(const Catalogue &catalogue, const std::string &file, const std::string &text) {
  std::string out;
  int number = 0;
  for (const std::string &line : lines(text)) {
    ++number;
    const std::size_t equals = line.find('=');
    if (!line.starts_with('_') || equals == std::string::npos) {
      out += line + '\n';
      continue;
    }
    const std::string key = line.substr(1, equals - 1);
    const std::size_t id = catalogue.find(file, number, line.substr(equals + 1));
    for (const std::size_t language : catalogue.packageOrder()) {
      std::string value;
      for (const char c : catalogue.texts[language][id]) {
        value += c == '\\' ? "\\\\" : c == '\n' ? "\\n" : std::string(1, c);
      }
      const bool untranslated = language == catalogue.packageOrder().front();
      out.append(key).append(untranslated ? "" : "[" + catalogue.codes[language] + "]");
      out.append("=").append(value).append("\n");
    }
  }
  return out;
}

std::string xmlEscaped(std::string_view text) {
  std::string out;
  for (const char c : text) {
    out += c == '&' ? "&amp;" : c == '<' ? "&lt;" : c == '>' ? "&gt;" : std::string(1, c);
  }
  return out;
}

constexpr std::array<std::pair<std::string_view, char>, 5> kEntities{
    {{"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}}};

// An element's text as a source text: entities replaced, white space collapsed.
std::string sourceText(std::string_view xml) {
  std::string out;
  for (std::size_t i = 0; i < xml.size(); ++i) {
    if (xml[i] == ' ' || xml[i] == '\n' || xml[i] == '\t') {
      if (!out.empty() && out.back() != ' ') {
        out += ' ';
      }
      continue;
    }
    bool replaced = false;
    for (const auto &[entity, c] : kEntities) {
      if (xml.substr(i).starts_with(entity)) {
        out += c;
        i += entity.size() - 1;
        replaced = true;
        break;
      }
    }
    if (!replaced) {
      out += xml[i];
    }
  }
  if (!out.empty() && out.back() == ' ') {
    out.pop_back();
  }
  return out;
}

// An AppStream template's `<_tag>source</_tag>` (on one line or over several)
// becomes `<tag>` with the untranslated text and `<tag xml:lang="code">` for
// every language; `<_languages/>` becomes the list of the languages.
std::string metainfo(const Catalogue &catalogue, const std::string &file, const std::string &text) {
  const std::vector<std::string> all = lines(text);
  std::string out;
  for (std::size_t at = 0; at < all.size(); ++at) {
    const std::string &line = all[at];
    const std::size_t start = line.find_first_not_of(" \t");
    const std::string indent = line.substr(0, start);
    if (start == std::string::npos || line.compare(start, 2, "<_") != 0) {
      out += line + '\n';
    } else if (line.substr(start) == "<_languages/>") {
      out += indent + "<languages>\n";
      for (const std::string &code : catalogue.codes) {
        out.append(indent).append("  <lang>").append(code).append("</lang>\n");
      }
      out += indent + "</languages>\n";
    } else {
      const int number = static_cast<int>(at) + 1;
      const std::size_t nameEnd = line.find('>', start);
      const std::string tag = line.substr(start + 2, nameEnd - start - 2);
      std::string element = line.substr(nameEnd == std::string::npos ? line.size() : nameEnd + 1);
      const std::string closing = "</_" + tag + ">";
      while (element.find(closing) == std::string::npos && at + 1 < all.size()) {
        element += '\n' + all[++at];
      }
      const std::size_t end = element.find(closing);
      if (nameEnd == std::string::npos || end == std::string::npos || end + closing.size() != element.size()) {
        throw std::runtime_error(PoFile::message(file, number, "not an element <_tag>text</_tag> alone", line));
      }
      const std::size_t id = catalogue.find(file, number, sourceText(element.substr(0, end)));
      for (const std::size_t language : catalogue.packageOrder()) {
        const bool untranslated = language == catalogue.packageOrder().front();
        out.append(indent).append("<").append(tag);
        out.append(untranslated ? "" : " xml:lang=\"" + catalogue.codes[language] + '"');
        out.append(">").append(xmlEscaped(catalogue.texts[language][id])).append("</").append(tag).append(">\n");
      }
    }
  }
  return out;
}

} // namespace

int main(int argc, char *argv[]) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const bool header = args.size() == 3 && args[0] == "header";
  const bool package = args.size() == 4 && (args[0] == "desktop" || args[0] == "metainfo");
  if (!header && !package) {
    std::cerr << "usage: resx_pocompile header PO_DIR HEADER | desktop PO_DIR TEMPLATE FILE | metainfo PO_DIR "
                 "TEMPLATE FILE\n";
    return 2;
  }
  try {
    const Catalogue catalogue = load(args[1]);
    if (header) {
      writeText(args[2], ::header(catalogue));
    } else {
      const std::string text = readText(args[2]);
      writeText(args[3],
                args[0] == "desktop" ? desktopEntry(catalogue, args[2], text) : metainfo(catalogue, args[2], text));
    }
  } catch (const std::exception &error) {
    std::cerr << error.what() << '\n';
    return 1;
  }
  return 0;
}
