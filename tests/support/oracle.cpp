// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/support/oracle.h"

namespace {

constexpr int kNone = -1;
constexpr int kGold = 10;
constexpr int kSilver = 11;

// Per colour code: the colour value (0x00BBGGRR), the tolerance in hundredths
// of a percent and the temperature coefficient in ppm per degree (kNone where
// the colour has none), and the colour's name.
struct Row {
  Colour colour;
  int tolerance;
  int ppm;
  std::string_view name;
};
constexpr std::array<Row, 12> kRows{{
    {0x00000000, kNone, kNone, "чёрный"},
    {0x000040C0, 100, 100, "коричневый"},
    {0x000000FF, 200, 50, "красный"},
    {0x000080FF, kNone, 15, "оранжевый"},
    {0x0000FFFF, kNone, 25, "жёлтый"},
    {0x0000FF00, 50, kNone, "зелёный"},
    {0x00FFFF00, 25, 10, "голубой"},
    {0x00FF00FF, 10, 5, "фиолетовый"},
    {0x00808080, 5, kNone, "серый"},
    {0x00FFFFFF, kNone, 1, "белый"},
    {0x00C0FFFF, 500, kNone, "золотой"},
    {0x00FFFFC0, 1000, kNone, "серебряный"},
}};

const Row &row(int code) { return kRows.at(static_cast<std::size_t>(code)); }

std::optional<int> present(int value) { return value == kNone ? std::nullopt : std::optional<int>(value); }

int bandNumber(Control control) { return static_cast<int>(index(control) - index(Control::dig1)) + 1; }
bool isBand(Control control) { return control >= Control::dig1 && control <= Control::dig6; }

} // namespace

Colour Oracle::colour(int code) { return row(code).colour; }
std::string_view Oracle::colourName(int code) { return row(code).name; }
std::optional<int> Oracle::toleranceOf(int code) { return present(row(code).tolerance); }
std::optional<int> Oracle::ppmOf(int code) { return present(row(code).ppm); }

bool Oracle::visible(Control control) const {
  switch (control) {
  case Control::dig4: return bands_ >= 4;
  case Control::dig5: return bands_ >= 5;
  case Control::dig6:
  case Control::ppr: return bands_ == 6;
  default: return true;
  }
}

bool Oracle::clickable(Control control) const {
  return isSwatch(control) || control == Control::stripbutton || (isBand(control) && visible(control));
}

void Oracle::click(Control control) {
  if (isSwatch(control)) {
    current_ = static_cast<int>(index(control));
  } else if (isBand(control)) {
    clickBand(bandNumber(control));
  } else if (control == Control::stripbutton) {
    clickButton();
  }
}

bool Oracle::accepts(int band, int code) const {
  if (band <= digitBands()) {
    return code <= 9 && (band != 1 || code != 0);
  }
  if (band == multiplierBand()) {
    return true;
  }
  if (band == multiplierBand() + 1) {
    return toleranceOf(code).has_value();
  }
  return ppmOf(code).has_value();
}

void Oracle::clickBand(int band) {
  if (accepts(band, current_)) {
    codes_.at(static_cast<std::size_t>(band - 1)) = current_;
    if (band == multiplierBand() + 1) {
      tolerance_ = toleranceOf(current_);
    } else if (band == 6) {
      ppm_ = ppmOf(current_);
    }
  }
  // Every band but the sixth rebuilds the value, painted or not.
  valueWritten_ = valueWritten_ || band != 6;
}

void Oracle::clickButton() {
  bands_ = bands_ == 6 ? 3 : bands_ + 1;
  buttonClicked_ = true;
  codes_.fill(kUnpainted);
  valueWritten_ = false;
  tolerance_ = bands_ == 3 ? std::optional<int>(2000) : std::nullopt;
  ppm_.reset();
}

std::string Oracle::buttonCaption() const {
  const std::string digit(1, static_cast<char>('0' + bands_));
  if (!buttonClicked_) {
    return digit + "полосы";
  }
  return digit + (bands_ <= 4 ? "-полосы" : "-полос");
}

Colour Oracle::bandColour(int band) const {
  const int painted = code(band);
  return painted == kUnpainted ? kUnpaintedBand : colour(painted);
}

std::string Oracle::digitCharacters() const {
  std::string text;
  for (int band = 1; band <= digitBands(); ++band) {
    text += code(band) == kUnpainted ? '?' : static_cast<char>('0' + code(band));
  }
  return text;
}

std::optional<int> Oracle::multiplierExponent() const {
  const int m = code(multiplierBand());
  if (m == kUnpainted) {
    return std::nullopt;
  }
  return m == kGold ? -1 : m == kSilver ? -2 : m;
}

std::optional<Oracle::Resistance> Oracle::resistance(std::optional<int> unpaintedDigit) const {
  const std::optional<int> exponent = multiplierExponent();
  if (!exponent) {
    return std::nullopt;
  }
  std::int64_t digits = 0;
  for (int band = 1; band <= digitBands(); ++band) {
    const int digit = code(band) == kUnpainted ? unpaintedDigit.value_or(kNone) : code(band);
    if (digit == kNone) {
      return std::nullopt;
    }
    digits = digits * 10 + digit;
  }
  return Resistance{digits, *exponent};
}
