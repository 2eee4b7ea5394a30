// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>

// The text a control shows: a label's or button's caption, a text box's text.
inline QString shownText(const QWidget *widget) {
  if (const auto *label = qobject_cast<const QLabel *>(widget)) {
    return label->text();
  }
  if (const auto *edit = qobject_cast<const QLineEdit *>(widget)) {
    return edit->text();
  }
  if (const auto *button = qobject_cast<const QPushButton *>(widget)) {
    return button->text();
  }
  return {};
}
