// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "surface/language.h"

#include "surface/text.h"

#include <cctype>

Language Language::fallback() { return find("en").value_or(Language()); }

std::string_view Language::name() const { return Text("the language's own name", "русский").in(*this); }

Language preferredLanguage(const std::vector<std::string> &userLanguages) {
  bool namesAny = false;
  for (const std::string &wanted : userLanguages) {
    std::string primary = wanted.substr(0, wanted.find_first_of("-_.@"));
    std::transform(primary.begin(), primary.end(), primary.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (const std::optional<Language> language = Language::find(primary)) {
      return *language;
    }
    namesAny = namesAny || (!primary.empty() && primary != "c" && primary != "posix");
  }
  return namesAny ? Language::fallback() : Language();
}
