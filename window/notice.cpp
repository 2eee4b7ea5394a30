// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/notice.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {

// Widgets have no settable role; a factory gives this one the notification role.
QAccessibleInterface *noticeInterface(const QString &className, QObject *object) {
  if (className == QLatin1String(Notice::staticMetaObject.className())) {
    return new QAccessibleWidget(qobject_cast<QWidget *>(object), QAccessible::Notification);
  }
  return nullptr;
}

} // namespace

Notice::Notice(QWidget *parent) : QWidget(parent) {
  static const bool registered = (QAccessible::installFactory(noticeInterface), true);
  Q_UNUSED(registered)
  // Nothing to see or click: it exists for its accessibility events.
  setAttribute(Qt::WA_TransparentForMouseEvents);
  resize(0, 0);
  hide();
}

void Notice::present(const QString &text) {
  setAccessibleName(text);
  // Qt tells assistive technology of each hide and show; a screen reader
  // (Orca) speaks a notification each time it is shown.
  hide();
  show();
}
