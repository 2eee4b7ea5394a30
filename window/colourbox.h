// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "window/picturebox.h"

// The box of the current colour: a picture box that takes the keyboard focus
// but answers no click or key, which go on to the window as from any plain
// widget. Assistive technology sees a picture with no action (ResXWindow
// gives it that interface), not a button.
class ColourBox : public PictureBox {
  Q_OBJECT

public:
  using PictureBox::PictureBox;

protected:
  [[nodiscard]] bool hitButton(const QPoint &pos) const override;
  void keyPressEvent(QKeyEvent *event) override;
  void keyReleaseEvent(QKeyEvent *event) override;
};
