// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QWidget>

// A rectangle filled with its back colour that takes the keyboard focus but
// answers no click or key: the box of the current colour. Not a button, so
// assistive technology offers no action on it.
class ColourBox : public QWidget {
  Q_OBJECT

public:
  ColourBox(const QColor &back, QWidget *parent);

  [[nodiscard]] const QColor &backColor() const { return back_; }
  void setBackColor(const QColor &back);

protected:
  void paintEvent(QPaintEvent *event) override;

private:
  QColor back_;
};
