// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "surface/language.h"
#include "surface/text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

Language language(std::string_view code) { return Language::find(code).value(); }

// A lookup is a constant: tables of texts cost nothing at run time.
static_assert(Text("полоса 1").in(*Language::find("de")) == "Ring 1");
static_assert(Text("decimal separator", ",").in(*Language::find("en")) == ".");
static_assert(Text("полоса 1").in(Language()) == "полоса 1" && Text::fixed("±").in(*Language::find("uk")) == "±");

} // namespace

TEST(Language, FollowsTheFirstWantedLanguageItSpeaks) {
  const struct Row {
    std::vector<std::string> wanted;
    const char *expected;
  } rows[] = {
      {{"en-US", "en-Latn-US", "en"}, "en"}, // Qt's uiLanguages()
      {{"de-AT", "de"}, "de"},               // a browser's navigator.languages
      {{"uk"}, "uk"},
      {{"ru-RU", "en"}, "ru"},
      {{"fr-FR", "fr", "uk-UA", "en"}, "uk"}, // the first that it speaks, not the first listed
      {{"EN_gb"}, "en"},                      // any case, '_' as well as '-'
      {{"de_DE.UTF-8"}, "de"},                // a POSIX locale's name
      {{}, "ru"},                             // no language asked for: the source language
      {{"C"}, "ru"},
      {{"POSIX", "C.UTF-8"}, "ru"},
      {{"fr-FR"}, "en"}, // only languages it lacks: English
      {{"C", "ja", ""}, "en"},
      {{"e"}, "en"},     // no prefix match
      {{"", "C"}, "ru"}, // an empty entry asks for none
      {{"rus"}, "en"},   // three letters are another code
  };
  for (const Row &row : rows) {
    EXPECT_EQ(preferredLanguage(row.wanted).code(), row.expected) << ::testing::PrintToString(row.wanted);
  }
}

TEST(Language, ListsEveryLanguageOnceSourceFirstEachByItsCodeAndName) {
  const auto all = Language::all();
  ASSERT_EQ(all.size(), 4U);
  EXPECT_EQ(all.front(), Language());
  const char *names[] = {"русский", "English", "Deutsch", "українська"};
  for (std::size_t i = 0; i < all.size(); ++i) {
    EXPECT_EQ(Language::find(all[i].code()), all[i]);
    EXPECT_EQ(all[i].name(), names[i]);
  }
  EXPECT_EQ(Language::find("RU"), std::nullopt);
  EXPECT_EQ(Language::find("en-US"), std::nullopt);
}

// Every catalogued text has a translation in every language; fixed texts and
// the empty text read alike in all of them.
TEST(Text, ReadsEachLanguagesTranslationOrTheFixedText) {
  const Text band = "3-полосы";
  const Text fixed = Text::fixed("???");
  for (const Language each : Language::all()) {
    EXPECT_FALSE(band.in(each).empty()) << each.code();
    EXPECT_EQ(fixed.in(each), "???");
    EXPECT_EQ(Text("").in(each), "");
  }
  EXPECT_EQ(band.source(), "3-полосы");
  EXPECT_EQ(band.in(language("en")), "3 bands");
  EXPECT_EQ(band.in(language("uk")), "3 смуги");
  EXPECT_EQ(Text("the language's own name", "русский").in(language("uk")), "українська");
}
