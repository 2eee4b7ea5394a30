// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

// A filled rectangle that reports left-button clicks. Its fill is the
// palette's window colour, so the back colour is read and set there.
class PictureBox : public QWidget {
  Q_OBJECT

public:
  explicit PictureBox(QWidget *parent);

signals:
  void clicked();

protected:
  void mousePressEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;
};
