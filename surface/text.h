// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "surface/catalogue.h"
#include "surface/language.h"

#include <cstddef>
#include <limits>
#include <string_view>

// A text that a user sees, written in the code in the source language and
// found in the catalogue (po/resx.pot) while compiling: a text that the
// template lacks does not compile, the compiler naming
// Text::sourceTextMissingFromPoResxPot where the text is written.
class Text {
public:
  // The empty text, as "" is.
  constexpr Text() = default;
  // Implicit on purpose, so that constant tables read as the plain Russian
  // literals they hold: {"black", ..., "0-черный", ...}.
  consteval Text(const char *source) : Text("", source) {}
  // A text with a context (msgctxt), for a source text that means more than one thing.
  consteval Text(const char *context, const char *source) : source_(source) {
    if (*context == '\0' && source_.empty()) {
      return; // the empty text, the same in every language
    }
    for (std::size_t i = 0; i < catalogue::kContexts.size(); ++i) {
      if (catalogue::kContexts[i] == context && catalogue::kTexts[0][i] == source_) {
        index_ = i;
        return;
      }
    }
    sourceTextMissingFromPoResxPot();
  }
  // A text shown alike in every language and kept out of the catalogue: a
  // placeholder such as "???" or a symbol such as "±".
  static consteval Text fixed(std::string_view text) {
    Text fixed;
    fixed.source_ = text;
    for (const std::string_view source : catalogue::kTexts[0]) {
      if (source == text) {
        fixedTextIsInPoResxPot();
      }
    }
    return fixed;
  }

  // The text in `language`: its translation, or the fixed text.
  [[nodiscard]] constexpr std::string_view in(Language language) const {
    return index_ == kFixed ? source_ : catalogue::kTexts[language.index()][index_];
  }
  // As written in the code: in the source language, or the fixed text.
  [[nodiscard]] constexpr std::string_view source() const { return source_; }
  // Whether it is the empty text, which is empty in every language.
  [[nodiscard]] constexpr bool empty() const { return source_.empty(); }

  friend constexpr bool operator==(const Text &, const Text &) = default;

private:
  static constexpr std::size_t kFixed = std::numeric_limits<std::size_t>::max();

  // Never defined and not constexpr: a constructor that calls one fails to
  // compile, and the compiler's message names it.
  static void sourceTextMissingFromPoResxPot();
  static void fixedTextIsInPoResxPot();

  std::string_view source_;
  std::size_t index_ = kFixed;
};
