// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "surface/control.h"
#include "surface/language.h"

#include <string>

class ControlSurface;

// The resistor decoder: the decoder state and one handler per wired event.
// It reads and changes the window only through its control surface, and
// writes its texts in the language it is given.
//
// Handlers are named control_Event after the control and the event that they
// answer (`dig1_Click`, `stripbutton_Click`; `Form_Load` for start-up), so the
// window wires each event by name. The short, partly transliterated names are
// kept on purpose, each explained here: `dopusk` judges the tolerance (Russian
// "допуск"); `rxx2` and `rxx3` write the value with two and three digits;
// `coler` is the current colour's value and `dig` its code; `sn` is the number
// of bands; `n1` to `n6` the code on each band and `mn` the multiplier's;
// `r11` to `r13` the digit characters of bands 1 to 3; and `dopenable` whether
// the tolerance band may be painted. Controls keep their names likewise.
class ResX {
public:
  explicit ResX(ControlSurface &surface, Language language = {}) : surface_(surface), language_(language) {}
  ResX(const ResX &) = delete;
  ResX &operator=(const ResX &) = delete;
  ResX(ResX &&) = delete;
  ResX &operator=(ResX &&) = delete;
  ~ResX() = default;

  void Form_Load();

  void black_Click();
  void brown_Click();
  void red_Click();
  void orange_Click();
  void yellow_Click();
  void green_Click();
  void blue_Click();
  void violet_Click();
  void grey_Click();
  void white_Click();
  void gold_Click();
  void silver_Click();

  void dig1_Click();
  void dig2_Click();
  void dig3_Click();
  void dig4_Click();
  void dig5_Click();
  void dig6_Click();

  void stripbutton_Click();

  using Handler = void (ResX::*)();
  // The click handler wired to a control; nullptr for a control that has none.
  static Handler clickHandler(Control control);

  // A read-only copy of the decoder state.
  struct State {
    int dig;
    Colour coler;
    int sn;
    std::string r11, r12, r13;
    int n1, n2, n3, n4, n5, n6;
    int mn;
    bool dopenable;
  };
  [[nodiscard]] State state() const;

private:
  // Makes the swatch's colour the current colour: pointer, code, colour value,
  // current-colour swatch and caption.
  void pick(Control swatch);
  // Rebuilds the value text with the procedure for the current band count.
  void refreshValue();
  // Judges the current colour as a tolerance colour: writes its tolerance and
  // sets `dopenable`, or clears `dopenable` and leaves the field alone.
  void dopusk();
  // Writes the value text of three and four bands: two digits and a multiplier.
  void rxx2();
  // Writes the value text of five and six bands: three digits and a multiplier.
  void rxx3();

  // A text as the decoder writes it, in its language.
  [[nodiscard]] std::string_view text(const Text &text) const { return text.in(language_); }

  ControlSurface &surface_;
  const Language language_;

  // The decoder state. Its members keep their established short names, so they
  // carry no suffix; each line says what it holds.
  int dig = 0;           // the current colour's code, 0 (black) to 11 (silver)
  Colour coler = 0;      // the current colour's value, which painted bands take
  int sn = 3;            // the number of bands: 3, 4, 5 or 6
  std::string r11;       // band 1's digit character in the value text, rebuilt before each use
  std::string r12;       // band 2's digit character, likewise
  std::string r13;       // band 3's digit character with five and six bands, likewise
  int n1 = -1;           // the code painted on band 1, or marking::kNotPainted
  int n2 = -1;           // band 2's, likewise
  int n3 = -1;           // band 3's, likewise
  int n4 = -1;           // band 4's, likewise
  int n5 = -1;           // band 5's, likewise (it feeds no computation)
  int n6 = -1;           // never set: band 6 is painted without recording a code
  int mn = 12;           // the multiplier band's code, or marking::kNoMultiplier
  bool dopenable = true; // whether the last colour offered as a tolerance was one; gates bands 4 and 5
};
