// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/firstpaintquit.h"
#include "surface/design.h"
#include "window/designfont.h"
#include "window/qtstring.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace {

// A control of the design placed as the program places it, in its face and with its text.
void place(QWidget &widget, const design::Item &item) {
  widget.setGeometry(item.rect.left, item.rect.top, item.rect.width, item.rect.height);
  widget.setFont(designFont(item.face));
}

} // namespace

// The floor for a window that shows text: a window of the program's size with
// one label in the caption face and one line edit in the output face, holding
// the program's start-up texts, ending at its first paint. Beside the empty
// window it adds what any such window pays: the font database, text layout
// and the first line edit.
int main(int argc, char *argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  const FirstPaintQuit quit(window);
  window.setFixedSize(design::window().width, design::window().height);
  const design::Item &caption = design::item(Control::curcol);
  QLabel label(qt(caption.text.in(Language())), &window);
  place(label, caption);
  const design::Item &output = design::item(Control::resxx);
  QLineEdit edit(qt(output.text.in(Language())), &window);
  place(edit, output);
  window.show();
  return QApplication::exec();
}
