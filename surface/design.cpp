// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "surface/design.h"

#include <algorithm>

namespace design {
namespace {

using K = Kind;
using F = Face;
using A = Align;

constexpr Colour kNoColour = 0;
constexpr Colour kBody = 0x0000C000;
constexpr Colour kLead = 0x0000FFFF;
constexpr Colour kGrey = 0x00C0C0C0;
constexpr Colour kBlackText = 0x00000000;

// clang-format off
constexpr std::array<Item, kItemCount> kItems{{
    // name, kind, {left, top, width, height}, back, fore, text, tag, hover, face, align, tab[, accessible name, description, buddy]
    {"black", K::pictureBox, {17, 7, 40, 16}, 0x00000000, kNoColour, "", "0", "0-черный", F::none, A::left, 1},
    {"brown", K::pictureBox, {16, 27, 41, 16}, 0x000040C0, kNoColour, "", "1", "1-коричневый", F::none, A::left, 10},
    {"red", K::pictureBox, {16, 49, 40, 16}, 0x000000FF, kNoColour, "", "2", "2-красный", F::none, A::left, 2},
    {"orange", K::pictureBox, {17, 70, 40, 16}, 0x000080FF, kNoColour, "", "3", "3-оранжевый", F::none, A::left, 6},
    {"yellow", K::pictureBox, {17, 91, 40, 16}, 0x0000FFFF, kNoColour, "", "4", "4-жёлтый", F::none, A::left, 3},
    {"green", K::pictureBox, {16, 112, 40, 16}, 0x0000FF00, kNoColour, "", "5", "5-зелёный", F::none, A::left, 0},
    {"blue", K::pictureBox, {17, 133, 40, 16}, 0x00FFFF00, kNoColour, "", "6", "6-голубой", F::none, A::left, 4},
    {"violet", K::pictureBox, {17, 153, 40, 16}, 0x00FF00FF, kNoColour, "", "7", "7-фиолетовый", F::none, A::left, 5},
    {"grey", K::pictureBox, {16, 174, 40, 16}, 0x00808080, kNoColour, "", "8", "8-серый", F::none, A::left, 12},
    {"white", K::pictureBox, {16, 195, 40, 16}, 0x00FFFFFF, kNoColour, "", "9", "9-белый", F::none, A::left, 9},
    {"gold", K::pictureBox, {17, 216, 40, 16}, 0x00C0FFFF, kNoColour, "", "10", "10-золотой", F::none, A::left, 8},
    // Silver's tag is empty on purpose: its code, 11, is fixed in the decoder, which never reads the tag, so
    // the design gives it none.
    {"silver", K::pictureBox, {16, 237, 40, 16}, 0x00FFFFC0, kNoColour, "", "", "11-серебряный", F::none, A::left, 11},
    {"dig1", K::pictureBox, {137, 100, 13, 46}, kUnpaintedBand, kNoColour, "", "", "", F::none, A::left, 17, "полоса 1", ""},
    {"dig2", K::pictureBox, {155, 100, 13, 46}, kUnpaintedBand, kNoColour, "", "", "", F::none, A::left, 18, "полоса 2", ""},
    {"dig3", K::pictureBox, {173, 100, 13, 46}, kUnpaintedBand, kNoColour, "", "", "", F::none, A::left, 19, "полоса 3", ""},
    {"dig4", K::pictureBox, {191, 100, 13, 46}, kUnpaintedBand, kNoColour, "", "", "", F::none, A::left, 20, "полоса 4", ""},
    {"dig5", K::pictureBox, {209, 100, 13, 46}, kUnpaintedBand, kNoColour, "", "", "", F::none, A::left, 21, "полоса 5", ""},
    {"dig6", K::pictureBox, {228, 100, 13, 46}, kUnpaintedBand, kNoColour, "", "", "", F::none, A::left, 22, "полоса 6", ""},
    {"curcolor", K::pictureBox, {144, 156, 102, 19}, 0x00000000, kNoColour, "", "", "", F::none, A::left, 24, "текущий цвет", ""},
    {"curcol", K::label, {102, 180, 196, 18}, kButtonFace, kButtonText, kBlackCaption, "", "", F::caption, A::centre, 25},
    {"resxx", K::textBox, {110, 47, 76, 19}, kGrey, kBlackText, kNoValue, "", "", F::output, A::left, 14, "", "номинальное сопротивление"},
    {"toler", K::textBox, {207, 48, 37, 19}, kGrey, kBlackText, Text::fixed("??"), "", "", F::output, A::left, 13, "", "допуск"},
    {"ppr", K::label, {246, 48, 96, 21}, kGrey, kBlackText, kNoTemperatureCoefficient, "", "", F::output, A::left, 23, "", "температурный коэффициент сопротивления"},
    // "3 полосы" with a space is the design caption, meant to differ from start-up's "3полосы" (what users
    // see: start-up replaces it before the window is shown) and the selector's "3-полосы", so that the
    // caption tells which of the three wrote it.
    {"stripbutton", K::button, {162, 213, 85, 22}, kGrey, kButtonText, "3 полосы", "", "", F::caption, A::centre, 7},
    {"Label0", K::label, {73, 45, 37, 21}, kGrey, kBlackText, Text::fixed("Rx="), "", "", F::output, A::centre, 16, "", "", "resxx"},
    {"Label1", K::label, {186, 46, 20, 21}, kGrey, kBlackText, Text::fixed("±"), "", "", F::output, A::centre, 15, "", "", "toler"},
    {"Res0", K::rectangle, {131, 97, 129, 52}, kBody, kWindowText, "", "", "", F::none, A::left, -1},
    {"Res1", K::rectangle, {116, 94, 16, 57}, kBody, kWindowText, "", "", "", F::none, A::left, -1},
    {"Res2", K::rectangle, {259, 95, 16, 57}, kBody, kWindowText, "", "", "", F::none, A::left, -1},
    {"Res3", K::rectangle, {101, 118, 17, 9}, kLead, kWindowText, "", "", "", F::none, A::left, -1},
    {"Res4", K::rectangle, {274, 119, 17, 9}, kLead, kWindowText, "", "", "", F::none, A::left, -1},
}};
// clang-format on

// The caption face on labels and the button, the output face on the output line.
constexpr std::array<Font, 2> kFonts{{
    {"MS Sans Serif", "DejaVu Sans", Generic::sansSerif, 8.25, true},
    {"Times New Roman", "Liberation Serif", Generic::serif, 9.75, true},
}};
static_assert(static_cast<std::size_t>(Face::output) == kFonts.size());

// The T of "ГОСT" in the title is a Latin T, not a Cyrillic one, on purpose:
// the title is kept character for character as users know it, since window
// rules and scripts find the window by its title.
constexpr Window kWindow{"ResX", "Цветовая маркировка по ГОСT175-72 и 62IEC", 347, 262, kGrey};

static_assert(kItems[index(Control::silver)].name == "silver");
static_assert(kItems[index(Control::dig1)].name == "dig1");
static_assert(kItems[index(Control::stripbutton)].name == "stripbutton");
// The window starts with the texts that the decoder writes for the same state.
static_assert(kItems[index(Control::resxx)].text == kNoValue);
static_assert(kItems[index(Control::ppr)].text == kNoTemperatureCoefficient);
static_assert(kItems[index(Control::curcol)].text == kBlackCaption);

// Swatches are picture boxes, so a swatch's colour can be read as well as its tag.
static_assert(std::all_of(kItems.begin(), kItems.begin() + kSwatchCount,
                          [](const Item &row) { return row.kind == Kind::pictureBox; }));

// Assistive technology names a band's colour after the swatch of that colour:
// no two swatches share a colour, and none is the unpainted band's.
constexpr bool swatchColoursAreDistinct() {
  for (std::size_t i = 0; i < kSwatchCount; ++i) {
    for (std::size_t j = i + 1; j < kSwatchCount; ++j) {
      if (kItems[i].back == kItems[j].back) {
        return false;
      }
    }
    if (kItems[i].back == kUnpaintedBand) {
      return false;
    }
  }
  return true;
}
static_assert(swatchColoursAreDistinct());

} // namespace

const std::array<Item, kItemCount> &items() { return kItems; }
const Item &item(Control control) { return kItems[index(control)]; }
const Window &window() { return kWindow; }
const Font &font(Face face) { return kFonts.at(static_cast<std::size_t>(face) - 1); }

std::optional<Control> control(std::string_view name) {
  for (std::size_t i = 0; i < kControlCount; ++i) {
    if (kItems[i].name == name) {
      return static_cast<Control>(i);
    }
  }
  return std::nullopt;
}

// The rule, read from the kinds in the table.
bool applies(Operation operation, Control control) {
  const Kind kind = kItems[index(control)].kind;
  switch (operation) {
  case Operation::setBackColor:
  case Operation::backColor: return kind == Kind::pictureBox;
  case Operation::tag:
  case Operation::setWindowCursor: return isSwatch(control);
  case Operation::setCaption: return kind == Kind::label || kind == Kind::button;
  case Operation::setText: return kind == Kind::textBox;
  case Operation::setVisible: return true;
  }
  return false;
}

std::string boxName(Control box, Colour colour, Language language) {
  std::string name = std::string(kItems[index(box)].accessibleName.in(language)) + ", ";
  for (std::size_t i = 0; i < kSwatchCount; ++i) {
    if (kItems[i].back == colour) {
      return name.append(kItems[i].hover.in(language));
    }
  }
  return name.append(Text("не окрашена").in(language));
}

std::string outputLine(const std::function<std::string(Control)> &textOf, bool coefficientShown, Language language) {
  std::string line = textOf(Control::curcol);
  for (const Item &label : kItems) {
    if (const std::optional<Control> field = control(label.buddy)) {
      line.append(", ").append(label.text.in(language)).append(" ").append(textOf(*field));
    }
  }
  if (coefficientShown) {
    line.append(", ").append(textOf(Control::ppr));
  }
  return line;
}

} // namespace design
