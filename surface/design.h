// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "surface/control.h"
#include "surface/language.h"
#include "surface/text.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The design values of the window and of every control on it: the state in
// which the window creates them, before start-up changes any.
namespace design {

enum class Kind : std::uint8_t { pictureBox, label, textBox, button, rectangle };
enum class Face : std::uint8_t { none, caption, output };
enum class Align : std::uint8_t { left, centre };

// A face that controls show text in: the family the design names; where that
// one is missing (it is on few systems), the free face of the same kind and
// metrics that Debian has (fonts-dejavu-core, fonts-liberation2), then the
// generic family; the size in points and the weight.
enum class Generic : std::uint8_t { sansSerif, serif };
struct Font {
  std::string_view family;
  std::string_view fallback;
  Generic generic;
  double points;
  bool bold;
};
// The face of a control's `Face`; not for Face::none.
const Font &font(Face face);

// Colours of the desktop scheme; the high bit tells them from fixed colours.
inline constexpr Colour kButtonFace = 0x8000000F;
inline constexpr Colour kButtonText = 0x80000012;
inline constexpr Colour kWindowText = 0x80000008;
constexpr bool isSystemColour(Colour c) { return (c & 0x80000000U) != 0; }

struct Rect {
  int left;
  int top;
  int width;
  int height;
};

struct Item {
  std::string_view name;
  Kind kind;
  Rect rect; // pixels from the top left of the client area
  Colour back;
  Colour fore;
  Text text;
  std::string_view tag; // read by the decoder, never shown
  Text hover;
  Face face;
  Align align;
  int tabOrder; // -1: never in the tab order
  // For assistive technology: the name of a picture box that has no hover
  // text, what an output field holds, and the control that a label names.
  // Rows of the design table leave them out; without an initializer g++ warns
  // of each (-Wmissing-field-initializers).
  Text accessibleName = {};    // NOLINT(readability-redundant-member-init)
  Text description = {};       // NOLINT(readability-redundant-member-init)
  std::string_view buddy = {}; // NOLINT(readability-redundant-member-init)
};

// The addressable controls first, in the order of `Control`, then the two
// labels and the five rectangles that draw the resistor, body first.
inline constexpr std::size_t kItemCount = kControlCount + 7;
const std::array<Item, kItemCount> &items();
const Item &item(Control control);
// The control of that name; none for the labels and rectangles, which the
// decoder never addresses, and for any other name.
std::optional<Control> control(std::string_view name);

struct Window {
  std::string_view name;
  Text title;
  int width; // client area, pixels
  int height;
  Colour back;
};
const Window &window();

// The operations of the control surface, for the rule below.
enum class Operation : std::uint8_t { setBackColor, backColor, tag, setCaption, setText, setVisible, setWindowCursor };
// Whether an operation applies to a control, by the control's kind: colours to
// picture boxes, captions to labels and the button, texts to text boxes, tags
// and the window pointer to swatches, visibility to any control. Both control
// surfaces refuse the rest: a wrong call is a mistake in the decoder.
bool applies(Operation operation, Control control);

// How assistive technology names a band or the current colour's box while it
// shows `colour`: by its own name and the colour's, the colour named as its
// swatch is, such as "полоса 1, 4-жёлтый", or "полоса 1, не окрашена".
std::string boxName(Control box, Colour colour, Language language);
// What assistive technology is told after a press: the current colour's
// caption, each output field after the label that names it, and the
// temperature coefficient while it shows, such as
// "текущий цвет-жёлтый, Rx= 4?, ± 20%". `textOf` reads a control's caption or
// text as the window shows it.
std::string outputLine(const std::function<std::string(Control)> &textOf, bool coefficientShown, Language language);

} // namespace design
