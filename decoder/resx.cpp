#include "decoder/resx.h"

#include "decoder/marking.h"
#include "surface/controlsurface.h"

#include <array>
#include <charconv>

namespace {

// The one-character text that stands for a digit band in a value text.
std::string digitCharacter(int code) {
  return code == marking::kNotPainted ? std::string("?") : std::string(1, static_cast<char>('0' + code));
}

// Replaces the letters a, b and c of a value template by the digit characters.
std::string fillTemplate(std::string_view pattern, const std::string &a, const std::string &b, const std::string &c) {
  std::string text;
  text.reserve(pattern.size() + 2);
  for (const char ch : pattern) {
    switch (ch) {
    case 'a': text += a; break;
    case 'b': text += b; break;
    case 'c': text += c; break;
    default: text += ch;
    }
  }
  return text;
}

int parseCode(const std::string &text) {
  int code = 0;
  std::from_chars(text.data(), text.data() + text.size(), code);
  return code;
}

bool isGoldOrSilver(int code) { return code == 10 || code == 11; }

} // namespace

void ResX::Form_Load() {
  n1 = n2 = n3 = n4 = n5 = n6 = marking::kNotPainted;
  dig = 0;
  sn = 3;
  mn = marking::kNoMultiplier;
  surface.setVisible(Control::dig4, false);
  surface.setVisible(Control::dig5, false);
  surface.setVisible(Control::dig6, false);
  surface.setCaption(Control::stripbutton, static_cast<char>('0' + sn) + std::string("полосы"));
  surface.setVisible(Control::ppr, false);
  surface.setWindowCursor(Control::black);
  surface.setText(Control::toler, marking::kFixedTolerance);
  surface.setText(Control::resxx, marking::kNoValue);
  dopenable = true;
}

void ResX::pick(Control swatch) {
  const marking::Swatch &row = marking::swatch(static_cast<int>(index(swatch)));
  surface.setWindowCursor(swatch);
  dig = row.fixedCode ? *row.fixedCode : parseCode(surface.tag(swatch));
  coler = surface.backColor(swatch);
  surface.setBackColor(Control::curcolor, coler);
  surface.setCaption(Control::curcol, row.caption);
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
  if (dig != 0 && !isGoldOrSilver(dig)) {
    n1 = dig;
    surface.setBackColor(Control::dig1, coler);
  }
  refreshValue();
}

void ResX::dig2_Click() {
  if (!isGoldOrSilver(dig)) {
    n2 = dig;
    surface.setBackColor(Control::dig2, coler);
  }
  refreshValue();
}

void ResX::dig3_Click() {
  if (sn <= 4) { // the multiplier: every colour
    n3 = dig;
    mn = n3;
    surface.setBackColor(Control::dig3, coler);
  } else if (!isGoldOrSilver(dig)) { // the third digit
    n3 = dig;
    surface.setBackColor(Control::dig3, coler);
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
  surface.setBackColor(Control::dig4, coler);
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
      surface.setBackColor(Control::dig5, coler);
    }
  }
  refreshValue();
}

void ResX::dig6_Click() {
  if (sn != 6) {
    return;
  }
  const std::string_view caption = marking::temperatureCoefficient(dig);
  if (caption.empty()) {
    return;
  }
  surface.setCaption(Control::ppr, caption);
  surface.setBackColor(Control::dig6, coler);
}

void ResX::stripbutton_Click() {
  ++sn;
  for (const Control band :
       {Control::dig1, Control::dig2, Control::dig3, Control::dig4, Control::dig5, Control::dig6}) {
    surface.setBackColor(band, kUnpaintedBand);
  }
  surface.setText(Control::toler, marking::kNoTolerance);
  surface.setCaption(Control::ppr, marking::kNoTemperatureCoefficient);
  if (sn == 7) {
    sn = 3;
  }
  const marking::Layout &layout = marking::layout(sn);
  surface.setCaption(Control::stripbutton, layout.caption);
  surface.setVisible(Control::dig4, layout.dig4);
  surface.setVisible(Control::dig5, layout.dig5);
  surface.setVisible(Control::dig6, layout.dig6);
  surface.setVisible(Control::ppr, layout.ppr);
  if (layout.fixedTolerance) {
    surface.setText(Control::toler, marking::kFixedTolerance);
  }
  n1 = n2 = n3 = n4 = n5 = n6 = marking::kNotPainted;
  mn = marking::kNoMultiplier;
  surface.setText(Control::resxx, marking::kNoValue);
}

void ResX::dopusk() {
  dopenable = false;
  const std::string_view text = marking::tolerance(dig);
  if (!text.empty()) {
    surface.setText(Control::toler, text);
    dopenable = true;
  }
}

void ResX::rxx2() {
  r11 = digitCharacter(n1);
  r12 = digitCharacter(n2);
  const std::string_view pattern = marking::twoDigitValue(mn);
  if (!pattern.empty()) {
    surface.setText(Control::resxx, fillTemplate(pattern, r11, r12, {}));
  }
}

void ResX::rxx3() {
  r11 = digitCharacter(n1);
  r12 = digitCharacter(n2);
  r13 = digitCharacter(n3);
  const std::string_view pattern = marking::threeDigitValue(mn);
  if (!pattern.empty()) {
    surface.setText(Control::resxx, fillTemplate(pattern, r11, r12, r13));
  }
}

ResX::Handler ResX::clickHandler(Control control) {
  static constexpr std::array<Handler, kControlCount> kHandlers{
      &ResX::black_Click,
      &ResX::brown_Click,
      &ResX::red_Click,
      &ResX::orange_Click,
      &ResX::yellow_Click,
      &ResX::green_Click,
      &ResX::blue_Click,
      &ResX::violet_Click,
      &ResX::grey_Click,
      &ResX::white_Click,
      &ResX::gold_Click,
      &ResX::silver_Click,
      &ResX::dig1_Click,
      &ResX::dig2_Click,
      &ResX::dig3_Click,
      &ResX::dig4_Click,
      &ResX::dig5_Click,
      &ResX::dig6_Click,
      nullptr,
      nullptr,
      nullptr,
      nullptr,
      nullptr,
      &ResX::stripbutton_Click,
  };
  return kHandlers[index(control)];
}

ResX::State ResX::state() const { return {dig, coler, sn, r11, r12, r13, n1, n2, n3, n4, n5, n6, mn, dopenable}; }
