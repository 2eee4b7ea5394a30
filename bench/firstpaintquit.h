// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QWidget;

// Ends the application once a top-level window has been painted for the first
// time: the exit is queued from that window's first paint event, so it runs
// after the whole frame has been painted and flushed to the screen.
class FirstPaintQuit final : public QObject {
  Q_OBJECT

public:
  explicit FirstPaintQuit(QWidget &window);

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  bool painted_ = false;
};
