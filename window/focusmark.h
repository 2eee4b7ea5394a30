// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

// Whether a control shows its focus mark: while it has the focus and the
// keyboard moved the focus there (Tab, Shift+Tab), as desktop styles do. A
// mark after a mouse click would only tell the user where they just clicked.
inline bool showsFocusMark(const QWidget &control) {
  return control.hasFocus() && control.window()->testAttribute(Qt::WA_KeyboardFocusChange);
}
