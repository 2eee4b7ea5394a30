// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

// A rectangle filled with the background colour of its palette that takes
// the keyboard focus but answers no click or key: the box of the current
// colour. Not a button, so assistive technology offers no action on it.
class ColourBox : public QWidget {
  Q_OBJECT

public:
  explicit ColourBox(QWidget *parent);

protected:
  void paintEvent(QPaintEvent *event) override;
};
