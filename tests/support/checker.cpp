// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/checker.h"

#include "surface/design.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <string_view>

namespace {

using namespace std::string_view_literals;

constexpr std::string_view kPlusMinus = "± ";
constexpr std::string_view kPerDegree = "ppr/1градC";
constexpr std::string_view kNoPpm = "± ?? ppr/1градC";

// A decimal number as written: its digit characters ('?' allowed where asked)
// with at most one comma, `fraction` of them after it.
struct Written {
  std::string digits;
  int fraction = 0;
};

std::optional<Written> parseNumber(std::string_view text, bool questionMarks) {
  Written n;
  const std::size_t comma = text.find(',');
  if (comma == 0 || comma + 1 == text.size()) {
    return std::nullopt;
  }
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (i == comma) {
      continue;
    }
    if (!((c >= '0' && c <= '9') || (questionMarks && c == '?'))) {
      return std::nullopt;
    }
    n.digits += c;
  }
  if (n.digits.empty()) {
    return std::nullopt;
  }
  n.fraction = comma == std::string_view::npos ? 0 : static_cast<int>(text.size() - comma - 1);
  return n;
}

std::int64_t toInteger(std::string_view digits) {
  std::int64_t value = 0;
  for (const char c : digits) {
    value = value * 10 + (c == '?' ? 1 : c - '0');
  }
  return value;
}

Oracle::Resistance normalised(Oracle::Resistance r) {
  while (r.digits != 0 && r.digits % 10 == 0) {
    r.digits /= 10;
    ++r.exponent;
  }
  return r.digits == 0 ? Oracle::Resistance{0, 0} : r;
}

std::string describe(Oracle::Resistance r) {
  return std::to_string(r.digits) + "e" + std::to_string(r.exponent) + " Om";
}

// The disagreements found so far, one line each; built only on failure.
class Report {
public:
  template <typename... Parts> void fail(const Parts &...parts) {
    (append(parts), ...);
    out += '\n';
  }
  [[nodiscard]] const std::string &str() const { return out; }

private:
  void append(std::string_view text) { out += text; }
  void append(const std::string &text) { out += text; }
  void append(const char *text) { out += text; }
  void append(std::int64_t number) { out += std::to_string(number); }
  void append(int number) { out += std::to_string(number); }

  std::string out;
};

// The value with a multiplier: a number, a space and a unit. Its digits are
// the band digits in order ('?' where unpainted), perhaps behind "0," and
// perhaps followed by zeros before the comma; with '?' read as 1 it is the
// oracle's value with 1 on the unpainted bands, written in the largest unit
// that keeps its whole part at least 1.
void checkValue(const Oracle &oracle, std::string_view text, Report &report) {
  const std::string bands = oracle.digitCharacters();
  const std::size_t space = text.find(' ');
  const std::string_view unit = space == std::string_view::npos ? ""sv : text.substr(space + 1);
  const int unitExponent = unit == "Om" ? 0 : unit == "KOm" ? 3 : unit == "MOm" ? 6 : unit == "GOm" ? 9 : -1;
  const std::optional<Written> number = parseNumber(text.substr(0, space), true);
  if (unitExponent < 0 || !number) {
    report.fail("resxx \"", text, "\" is no number with a unit, bands ", bands);
    return;
  }
  const std::string &digits = number->digits;
  const std::size_t leadingZeros = std::min(digits.find_first_not_of('0'), digits.size());
  const std::string_view significant = std::string_view(digits).substr(leadingZeros);
  const std::string_view padding = significant.substr(std::min(bands.size(), significant.size()));
  if (!significant.starts_with(bands) || padding.find_first_not_of('0') != std::string_view::npos ||
      (!padding.empty() && number->fraction > 0)) {
    report.fail("resxx \"", text, "\" does not keep the band digits ", bands);
  }
  const Oracle::Resistance written{toInteger(digits), unitExponent - number->fraction};
  const Oracle::Resistance expected = *oracle.resistance(1);
  if (normalised(written).digits != normalised(expected).digits ||
      normalised(written).exponent != normalised(expected).exponent) {
    report.fail("resxx \"", text, "\" is ", describe(written), ", expected ", describe(expected),
                " (unpainted digits read as 1)");
  }
  const std::int64_t whole = toInteger(std::string_view(digits).substr(0, digits.size() - number->fraction));
  if (whole > 999 || (whole == 0 && unitExponent != 0)) {
    report.fail("resxx \"", text, "\" is not written in the largest unit that keeps it at least 1");
  }
}

void checkTolerance(const Oracle &oracle, std::string_view text, Report &report) {
  const std::optional<int> expected = oracle.toleranceHundredths();
  if (!expected) {
    if (text != "??%") {
      report.fail(R"(toler ")", text, R"(", expected "??%")");
    }
    return;
  }
  const std::optional<Written> number =
      text.ends_with('%') ? parseNumber(text.substr(0, text.size() - 1), false) : std::nullopt;
  std::int64_t hundredths = number ? toInteger(number->digits) : -1;
  for (int place = number ? number->fraction : 2; place < 2; ++place) {
    hundredths *= 10;
  }
  if (!number || number->fraction > 2 || hundredths != *expected) {
    report.fail("toler \"", text, "\", expected ", *expected, " hundredths of a percent");
  }
}

void checkPpm(const Oracle &oracle, std::string_view text, Report &report) {
  const std::optional<int> expected = oracle.ppm();
  if (!expected) {
    if (text != kNoPpm) {
      report.fail("ppr \"", text, "\", expected \"", kNoPpm, "\"");
    }
    return;
  }
  const bool framed =
      text.starts_with(kPlusMinus) && text.ends_with(kPerDegree) && text.size() > kPlusMinus.size() + kPerDegree.size();
  const std::optional<Written> number =
      framed ? parseNumber(text.substr(kPlusMinus.size(), text.size() - kPlusMinus.size() - kPerDegree.size()), false)
             : std::nullopt;
  if (!number || number->fraction != 0 || toInteger(number->digits) != *expected) {
    report.fail("ppr \"", text, "\", expected ", *expected, " ppm");
  }
}

} // namespace

std::string check(const Oracle &oracle, const RecordingSurface &surface) {
  Report report;
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const auto control = static_cast<Control>(i);
    if (surface.state(control).visible != oracle.visible(control)) {
      report.fail(design::item(control).name,
                  oracle.visible(control) ? " is hidden, expected shown" : " is shown, expected hidden");
    }
  }
  for (int band = 1; band <= 6; ++band) {
    const auto control = static_cast<Control>(index(Control::dig1) + static_cast<std::size_t>(band - 1));
    if (surface.state(control).back != oracle.bandColour(band)) {
      report.fail("dig", band, " has colour ", colourText(surface.state(control).back), ", expected ",
                  colourText(oracle.bandColour(band)));
    }
  }
  if (surface.state(Control::stripbutton).text != oracle.buttonCaption()) {
    report.fail("stripbutton \"", surface.state(Control::stripbutton).text, "\", expected \"", oracle.buttonCaption(),
                "\"");
  }
  const int current = oracle.current();
  if (surface.windowCursor() != static_cast<Control>(current)) {
    report.fail("the window pointer is not that of ", design::item(static_cast<Control>(current)).name);
  }
  if (surface.state(Control::curcolor).back != Oracle::colour(current)) {
    report.fail("curcolor has colour ", colourText(surface.state(Control::curcolor).back), ", expected ",
                colourText(Oracle::colour(current)));
  }
  const std::string caption = "текущий цвет-" + std::string(Oracle::colourName(current));
  if (surface.state(Control::curcol).text != caption) {
    report.fail("curcol \"", surface.state(Control::curcol).text, "\", expected \"", caption, "\"");
  }

  const std::string_view value = surface.state(Control::resxx).text;
  if (!oracle.valueWritten() || !oracle.multiplierExponent()) {
    const std::string expected = oracle.valueWritten() ? oracle.digitCharacters() : "???";
    if (value != expected) {
      report.fail("resxx \"", value, "\", expected \"", expected, "\"");
    }
  } else {
    checkValue(oracle, value, report);
  }
  checkTolerance(oracle, surface.state(Control::toler).text, report);
  checkPpm(oracle, surface.state(Control::ppr).text, report);
  return report.str();
}
