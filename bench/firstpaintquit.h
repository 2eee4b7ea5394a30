// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QWidget;

// Ends the process once a top-level window has been painted for the first
// time: the exit is queued from that window's first paint event, so it runs
// after the whole frame has been painted and flushed to the screen. The
// process ends without the teardown of the window and the application, which
// is no part of start-up and grows with the number of controls, so that the
// time from launch to exit is start-up alone.
class FirstPaintQuit final : public QObject {
  Q_OBJECT

public:
  explicit FirstPaintQuit(QWidget &window);

protected:
  bool eventFilter(QObject *watched, QEvent *event) override;

private:
  bool painted_ = false;
};
