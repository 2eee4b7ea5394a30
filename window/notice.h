// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

// An empty widget that assistive technology sees as a notification: showing
// it makes a screen reader speak its name. Stands in for announcements where
// Qt has none (before 6.8, where alone it is built). Widgets have no settable
// role: ResXWindow's accessibility factory gives it the notification role.
class Notice final : public QWidget {
  Q_OBJECT

public:
  explicit Notice(QWidget *parent);

  // Shows the notification anew with the given text.
  void present(const QString &text);
};
