// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "surface/design.h"

#include <QFont>
#include <QString>

// The font of a design face: a bold caption face and a bold output face, each
// with a style hint so that a system without the named family picks a like one.
inline QFont designFont(design::Face face) {
  const bool caption = face == design::Face::caption;
  QFont font(caption ? QStringLiteral("MS Sans Serif") : QStringLiteral("Times New Roman"));
  font.setStyleHint(caption ? QFont::SansSerif : QFont::Serif);
  font.setPointSizeF(caption ? 8.25 : 9.75);
  font.setBold(true);
  return font;
}
