// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "decoder/resx.h"

#include "decoder/marking.h"
#include "surface/controlsurface.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace {

// The one-character text that stands for a digit band in a value text.
std::string digitCharacter(int code) {
  return code == marking::kNotPainted ? std::string("?") : std::string(1, static_cast<char>('0' + code));
}

// Replaces the placeholders {1}, {2} and {3} of a pattern by the digit
// characters of bands 1, 2 and 3 (or the band count's, at start-up); any other
// character, a lone brace of a translation included, is copied.
std::string fillTemplate(std::string_view pattern, const std::array<std::string, 3> &digits) {
  std::string text;
  text.reserve(pattern.size());
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern.substr(i, 1) == "{" && pattern.size() > i + 2 && pattern[i + 2] == '}' && pattern[i + 1] >= '1' &&
        pattern[i + 1] <= '3') {
      text += digits.at(static_cast<std::size_t>(pattern[i + 1] - '1'));
      i += 2;
    } else {
      text += pattern[i];
    }
  }
  return text;
}

int parseCode(const std::string &text) {
  int code = 0;
  std::from_chars(text.data(), text.data() + text.size(), code);
  return code;
}

bool isGoldOrSilver(int code) { return code == marking::kGold || code == marking::kSilver; }

// A value's text: its digits, each comma the language's decimal separator,
// then its unit.
std::string valueText(const marking::Value &value, const std::array<std::string, 3> &digits, Language language) {
  const std::string filled = fillTemplate(value.digits, digits);
  std::string text;
  for (const char c : filled) {
    text += c == ',' ? marking::kDecimalSeparator.in(language) : std::string_view(&c, 1);
  }
  return text.append(marking::unit(value.unit).in(language));
}

} // namespace

void ResX::Form_Load() {
  n1 = n2 = n3 = n4 = n5 = n6 = marking::kNotPainted;
  dig = 0;
  sn = 3;
  mn = marking::kNoMultiplier;
  surface_.setVisible(Control::dig4, false);
  surface_.setVisible(Control::dig5, false);
  surface_.setVisible(Control::dig6, false);
  // Meant: at start-up the button reads "3полосы", the digit straight before the
  // word, unlike the "3-полосы" that the selector writes on coming back to three
  // bands. Users see this caption first, so it stays as they know it.
  surface_.setCaption(Control::stripbutton,
                      fillTemplate(text(marking::kStartUpCaption), {std::string(1, static_cast<char>('0' + sn))}));
  surface_.setVisible(Control::ppr, false);
  surface_.setWindowCursor(Control::black);
  surface_.setText(Control::toler, text(marking::kFixedTolerance));
  surface_.setText(Control::resxx, text(kNoValue));
  dopenable = true;
}

void ResX::pick(Control swatch) {
  const marking::Swatch &row = marking::swatch(static_cast<int>(index(swatch)));
  surface_.setWindowCursor(swatch);
  dig = row.fixedCode ? *row.fixedCode : parseCode(surface_.tag(swatch));
  coler = surface_.backColor(swatch);
  surface_.setBackColor(Control::curcolor, coler);
  surface_.setCaption(Control::curcol, text(row.caption));
}

void ResX::black_Click() { pick(Control::black); }
void ResX::brown_Click() { pick(Control::brown); }
void ResX::red_Click() { pick(Control::red); }
void ResX::orange_Click() { pick(Control::orange); }
void ResX::yellow_Click() { pick(Control::yellow); }
void ResX::green_Click() { pick(Control::green); }
void ResX::blue_Click() { pick(Control::blue); }
void ResX::violet_Click() { pick(Control::violet); }
void ResX::grey_Click() { pick(Control::grey); }
void ResX::white_Click() { pick(Control::white); }
void ResX::gold_Click() { pick(Control::gold); }
void ResX::silver_Click() { pick(Control::silver); }

void ResX::refreshValue() {
  if (sn <= 4) {
    rxx2();
  } else {
    rxx3();
  }
}

void ResX::dig1_Click() {
  if (dig != marking::kNoFirstDigit && !isGoldOrSilver(dig)) {
    n1 = dig;
    surface_.setBackColor(Control::dig1, coler);
  }
  refreshValue();
}

void ResX::dig2_Click() {
  if (!isGoldOrSilver(dig)) {
    n2 = dig;
    surface_.setBackColor(Control::dig2, coler);
  }
  refreshValue();
}

void ResX::dig3_Click() {
  if (sn <= 4) { // the multiplier: every colour
    n3 = dig;
    mn = n3;
    surface_.setBackColor(Control::dig3, coler);
  } else if (!isGoldOrSilver(dig)) { // the third digit
    n3 = dig;
    surface_.setBackColor(Control::dig3, coler);
  }
  refreshValue();
}

void ResX::dig4_Click() {
  const bool multiplier = sn >= 5;
  if (sn == 4) { // the tolerance band
    dopusk();
    rxx2();
  }
  // The multiplier band takes every colour: a colour refused earlier by a
  // tolerance band must not lock the user out of entering the multiplier.
  if (!multiplier && !dopenable) {
    return;
  }
  surface_.setBackColor(Control::dig4, coler);
  n4 = dig;
  if (multiplier) {
    mn = n4;
    rxx3();
  }
}

void ResX::dig5_Click() {
  if (sn >= 5) { // the tolerance band
    dopusk();
    if (dopenable) {
      n5 = dig;
      surface_.setBackColor(Control::dig5, coler);
    }
  }
  refreshValue();
}

void ResX::dig6_Click() {
  if (sn != 6) {
    return;
  }
  const std::string_view caption = text(marking::temperatureCoefficient(dig));
  if (caption.empty()) {
    return;
  }
  surface_.setCaption(Control::ppr, caption);
  surface_.setBackColor(Control::dig6, coler);
}

void ResX::stripbutton_Click() {
  ++sn;
  for (const Control band :
       {Control::dig1, Control::dig2, Control::dig3, Control::dig4, Control::dig5, Control::dig6}) {
    surface_.setBackColor(band, kUnpaintedBand);
  }
  surface_.setText(Control::toler, text(marking::kNoTolerance));
  surface_.setCaption(Control::ppr, text(kNoTemperatureCoefficient));
  if (sn == 7) {
    sn = 3;
  }
  const marking::Layout &layout = marking::layout(sn);
  surface_.setCaption(Control::stripbutton, text(layout.caption));
  surface_.setVisible(Control::dig4, layout.dig4);
  surface_.setVisible(Control::dig5, layout.dig5);
  surface_.setVisible(Control::dig6, layout.dig6);
  surface_.setVisible(Control::ppr, layout.ppr);
  if (layout.fixedTolerance) {
    surface_.setText(Control::toler, text(marking::kFixedTolerance));
  }
  n1 = n2 = n3 = n4 = n5 = n6 = marking::kNotPainted;
  mn = marking::kNoMultiplier;
  surface_.setText(Control::resxx, text(kNoValue));
}

void ResX::dopusk() {
  dopenable = false;
  const std::string_view tolerance = text(marking::tolerance(dig));
  if (!tolerance.empty()) {
    surface_.setText(Control::toler, tolerance);
    dopenable = true;
  }
}

void ResX::rxx2() {
  r11 = digitCharacter(n1);
  r12 = digitCharacter(n2);
  if (const std::optional<marking::Value> value = marking::twoDigitValue(mn)) {
    surface_.setText(Control::resxx, valueText(*value, {r11, r12, {}}, language_));
  }
}

void ResX::rxx3() {
  r11 = digitCharacter(n1);
  r12 = digitCharacter(n2);
  r13 = digitCharacter(n3);
  if (const std::optional<marking::Value> value = marking::threeDigitValue(mn)) {
    surface_.setText(Control::resxx, valueText(*value, {r11, r12, r13}, language_));
  }
}

ResX::Handler ResX::clickHandler(Control control) {
  // Filled by name, so no handler can land on another control's place.
  static constexpr std::array<Handler, kControlCount> kHandlers = [] {
    std::array<Handler, kControlCount> table{};
    table[index(Control::black)] = &ResX::black_Click;
    table[index(Control::brown)] = &ResX::brown_Click;
    table[index(Control::red)] = &ResX::red_Click;
    table[index(Control::orange)] = &ResX::orange_Click;
    table[index(Control::yellow)] = &ResX::yellow_Click;
    table[index(Control::green)] = &ResX::green_Click;
    table[index(Control::blue)] = &ResX::blue_Click;
    table[index(Control::violet)] = &ResX::violet_Click;
    table[index(Control::grey)] = &ResX::grey_Click;
    table[index(Control::white)] = &ResX::white_Click;
    table[index(Control::gold)] = &ResX::gold_Click;
    table[index(Control::silver)] = &ResX::silver_Click;
    table[index(Control::dig1)] = &ResX::dig1_Click;
    table[index(Control::dig2)] = &ResX::dig2_Click;
    table[index(Control::dig3)] = &ResX::dig3_Click;
    table[index(Control::dig4)] = &ResX::dig4_Click;
    table[index(Control::dig5)] = &ResX::dig5_Click;
    table[index(Control::dig6)] = &ResX::dig6_Click;
    table[index(Control::stripbutton)] = &ResX::stripbutton_Click;
    return table;
  }();
  // The twelve swatches, six bands and the button, and nothing else, are wired
  // (std::count: the web build's older libc++ lacks std::ranges::count).
  static_assert(std::count(kHandlers.begin(), kHandlers.end(), nullptr) == kControlCount - kSwatchCount - 6 - 1);
  return kHandlers[index(control)];
}

ResX::State ResX::state() const { return {dig, coler, sn, r11, r12, r13, n1, n2, n3, n4, n5, n6, mn, dopenable}; }
