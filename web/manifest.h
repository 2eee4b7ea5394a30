// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// The site's web app manifest, written from the design table when the page is
// built: the name, the window's colours, the icons (kIcons) and a window of
// its own (standalone), so a phone or a Chromebook can install the site.
std::string manifest();

// The icons that the manifest names: the window's icon enlarged to the sizes
// that installing asks for.
struct Icon {
  const char *file;
  int scale; // of the 32-pixel icon
};
inline constexpr Icon kIcons[] = {{"icon-192.png", 6}, {"icon-512.png", 16}};
