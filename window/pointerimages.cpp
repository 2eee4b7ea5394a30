// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/pointerimages.h"

#include "surface/pointerart.h"

#include <QImage>

namespace pointerimages {

QImage image(const pointerart::Image &art) {
  QImage image(art.size, art.size, QImage::Format_ARGB32);
  for (int y = 0; y < art.size; ++y) {
    for (int x = 0; x < art.size; ++x) {
      image.setPixel(x, y, art.at(x, y));
    }
  }
  return image;
}

QImage enlarged(const QImage &image, int factor) {
  if (factor <= 1) {
    return image;
  }
  return image.scaled(image.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

} // namespace pointerimages
