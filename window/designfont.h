// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "surface/design.h"
#include "window/qtstring.h"

#include <QFont>

// The font of a design face, with its fallback and a style hint so that a
// system without the named family picks a like one.
inline QFont designFont(design::Face face) {
  const design::Font &look = design::font(face);
  QFont font;
  font.setFamilies({qt(look.family), qt(look.fallback)});
  font.setStyleHint(look.generic == design::Generic::sansSerif ? QFont::SansSerif : QFont::Serif);
  font.setPointSizeF(look.points);
  font.setBold(look.bold);
  return font;
}
