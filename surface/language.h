// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "surface/catalogue.h"

#include <algorithm>
#include <array>
#include <compare>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A language the program speaks: one of the catalogue's languages (po/LINGUAS,
// after the source language). Default-constructed it is the source language,
// Russian, in which every text is written in the code.
class Language {
public:
  constexpr Language() = default;

  // The language of that code exactly as po/LINGUAS writes it ("ru" for the source language).
  static constexpr std::optional<Language> find(std::string_view code) {
    const auto *match = std::find(catalogue::kLanguages.begin(), catalogue::kLanguages.end(), code);
    if (match == catalogue::kLanguages.end()) {
      return std::nullopt;
    }
    return Language(static_cast<std::size_t>(match - catalogue::kLanguages.begin()));
  }
  // Every language: the source language first, then po/LINGUAS's order.
  static constexpr std::array<Language, catalogue::kLanguages.size()> all() {
    std::array<Language, catalogue::kLanguages.size()> languages{};
    for (std::size_t i = 0; i < languages.size(); ++i) {
      languages[i] = Language(i);
    }
    return languages;
  }

  // English, where the program speaks none of the languages a user wants:
  // the language most users read after their own.
  static Language fallback();

  [[nodiscard]] constexpr std::string_view code() const { return catalogue::kLanguages[index_]; }
  // The language's name in itself ("русский"), as the catalogue has it.
  [[nodiscard]] std::string_view name() const;
  // Its position in all(), which indexes the catalogue's tables.
  [[nodiscard]] constexpr std::size_t index() const { return index_; }

  friend constexpr auto operator<=>(const Language &, const Language &) = default;

private:
  constexpr explicit Language(std::size_t index) : index_(index) {}

  std::size_t index_ = 0;
};

// The language to speak to a user who prefers `userLanguages`, most wanted
// first, as Qt's QLocale::uiLanguages() ("en-US", "en"; "C" for the C and POSIX
// locales) or a browser's navigator.languages ("de-AT") lists them: the first
// whose primary subtag (before '-' or '_', or a POSIX locale's '.' or '@', in
// any case) the program speaks;
// the source language where the list asks for none (empty, or only C or
// POSIX); English where it names only languages that the program lacks.
Language preferredLanguage(const std::vector<std::string> &userLanguages);
