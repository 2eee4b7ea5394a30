// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAbstractButton>
#include <QColor>

// A rectangle filled with its back colour that is pressed like a button: by a
// left click, by Space, Return or Enter while it holds the keyboard focus, and
// by assistive technology's "Press" action. Being a button gives it the role,
// the action and Space from Qt. It keeps the colour itself rather than in a
// palette of its own: palettes are costly to resolve, and the window creates
// nineteen boxes at start-up.
class PictureBox : public QAbstractButton {
  Q_OBJECT

public:
  PictureBox(const QColor &back, QWidget *parent);

  [[nodiscard]] const QColor &backColor() const { return back_; }
  void setBackColor(const QColor &back);

protected:
  // The fill, with a focus mark while the keyboard gave the box the focus.
  void paintEvent(QPaintEvent *event) override;
  void keyPressEvent(QKeyEvent *event) override;

private:
  QColor back_;
};
