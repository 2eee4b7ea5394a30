// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QWidget>

// A rectangle filled with its back colour that reports left-button clicks.
// It keeps the colour itself rather than in a palette of its own: palettes
// are costly to resolve, and the window creates nineteen boxes at start-up.
class PictureBox : public QWidget {
  Q_OBJECT

public:
  PictureBox(const QColor &back, QWidget *parent);

  [[nodiscard]] const QColor &backColor() const { return back_; }
  void setBackColor(const QColor &back);

signals:
  void clicked();

protected:
  void paintEvent(QPaintEvent *event) override;
  void mousePressEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;

private:
  QColor back_;
};
