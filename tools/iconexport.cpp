// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the window's icon into a hicolor icon theme folder: the small
// drawing at 16 pixels, and the large one at its own size and at whole
// multiples of it, enlarged without smoothing.
#include "surface/pointerart.h"
#include "window/pointerimages.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>

#include <cstdio>

int main(int argc, char *argv[]) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s THEME_DIR ICON_NAME\n", argv[0]);
    return 2;
  }
  const QString theme = QString::fromLocal8Bit(argv[1]);
  const QString name = QString::fromLocal8Bit(argv[2]);
  const auto write = [&](const QImage &image) {
    const QString folder = QStringLiteral("%1/%2x%2/apps").arg(theme).arg(image.width());
    QDir().mkpath(folder); // where it cannot be made, opening the file says why
    QFile file(folder + '/' + name + ".png");
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG")) {
      std::fprintf(stderr, "%s: cannot write %s: %s\n", argv[0], qPrintable(file.fileName()),
                   qPrintable(file.errorString()));
      return false;
    }
    return true;
  };
  bool written = write(pointerimages::image(pointerart::smallWindowIcon()));
  const QImage icon = pointerimages::image(pointerart::windowIcon());
  for (const int factor : {1, 2, 4, 8}) {
    written = write(pointerimages::enlarged(icon, factor)) && written;
  }
  return written ? 0 : 1;
}
