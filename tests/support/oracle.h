// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "surface/control.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// An independent model of the decoder, fed the same clicks: it keeps colour
// codes and numbers only and says what the window must show, computing the
// value arithmetically instead of from text templates.
class Oracle {
public:
  // A resistance of `digits` times ten to the power `exponent`, in ohms.
  struct Resistance {
    std::int64_t digits;
    int exponent;
  };

  static constexpr int kUnpainted = -1;

  // A swatch, a band or the band-count button; other controls are ignored.
  void click(Control control);
  // Whether a user can click the control now: hidden bands cannot be clicked.
  [[nodiscard]] bool clickable(Control control) const;
  [[nodiscard]] bool visible(Control control) const;

  [[nodiscard]] int bands() const { return bands_; }
  [[nodiscard]] std::string buttonCaption() const;
  [[nodiscard]] int current() const { return current_; } // code of the picked colour
  [[nodiscard]] int code(int band) const { return codes_.at(static_cast<std::size_t>(band - 1)); }
  [[nodiscard]] Colour bandColour(int band) const;

  [[nodiscard]] int digitBands() const { return bands_ <= 4 ? 2 : 3; }
  [[nodiscard]] int multiplierBand() const { return bands_ <= 4 ? 3 : 4; }
  // False while the value field still shows the placeholder of the last reset.
  [[nodiscard]] bool valueWritten() const { return valueWritten_; }
  // One character per digit band: the digit, or '?' while unpainted.
  [[nodiscard]] std::string digitCharacters() const;
  // The power of ten of the painted multiplier: gold -1, silver -2.
  [[nodiscard]] std::optional<int> multiplierExponent() const;
  // The value once a multiplier is painted; unpainted digit bands count as
  // `unpaintedDigit`, and without it as missing.
  [[nodiscard]] std::optional<Resistance> resistance(std::optional<int> unpaintedDigit = {}) const;

  // Hundredths of a percent of the last accepted tolerance colour (or the
  // fixed 20 % of three bands); empty while no tolerance is known.
  [[nodiscard]] std::optional<int> toleranceHundredths() const { return tolerance_; }
  // Parts per million per degree of band 6; empty until band 6 is painted.
  [[nodiscard]] std::optional<int> ppm() const { return ppm_; }

  [[nodiscard]] static Colour colour(int code);
  [[nodiscard]] static std::string_view colourName(int code);
  [[nodiscard]] static std::optional<int> toleranceOf(int code);
  [[nodiscard]] static std::optional<int> ppmOf(int code);

private:
  [[nodiscard]] bool accepts(int band, int code) const;
  void clickBand(int band);
  void clickButton();

  int bands_ = 3;
  bool buttonClicked_ = false;
  int current_ = 0;
  std::array<int, 6> codes_{kUnpainted, kUnpainted, kUnpainted, kUnpainted, kUnpainted, kUnpainted};
  bool valueWritten_ = false;
  std::optional<int> tolerance_ = 2000;
  std::optional<int> ppm_;
};
