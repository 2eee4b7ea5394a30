// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Renders the window after a short decoding to a PNG, for the README:
// four bands, yellow, violet, red and a gold tolerance band; in Russian, or in
// the language whose code follows.
#include "surface/language.h"
#include "window/resxwindow.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QTest>

#include <cstdio>
#include <optional>

int main(int argc, char *argv[]) {
  const std::optional<Language> language = argc == 3 ? Language::find(argv[2]) : Language();
  if ((argc != 2 && argc != 3) || !language) {
    std::fprintf(stderr, "usage: %s OUTPUT.png [LANGUAGE]\n", argv[0]);
    return 2;
  }
  QApplication app(argc, argv);
  ResXWindow window(*language);
  window.open();
  const auto click = [&window](Control control) { QTest::mouseClick(window.control(control), Qt::LeftButton); };
  using enum Control;
  click(stripbutton);
  for (const auto &[colour, band] : {std::pair{yellow, dig1}, {violet, dig2}, {red, dig3}, {gold, dig4}}) {
    click(colour);
    click(band);
  }
  // The picture shows the pointer too, where a user would rest it.
  QImage image = window.grab().toImage();
  QPainter painter(&image);
  const QCursor pointer = window.cursor();
  painter.drawPixmap(QPoint(292, 150) - pointer.hotSpot(), pointer.pixmap());
  painter.end();
  QFile file(QString::fromLocal8Bit(argv[1]));
  if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG")) {
    std::fprintf(stderr, "%s: cannot write %s: %s\n", argv[0], argv[1], qPrintable(file.errorString()));
    return 1;
  }
  return 0;
}
