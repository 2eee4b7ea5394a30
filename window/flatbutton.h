// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPushButton>

// A push button with a flat look: its face colour inside a one-pixel border
// in the text colour, a little darker while pressed, a dotted frame while the
// keyboard gave it the focus. Painted directly, so no style sheet has to be
// parsed.
class FlatButton : public QPushButton {
  Q_OBJECT

public:
  FlatButton(const QString &text, QWidget *parent);

protected:
  void paintEvent(QPaintEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
};
