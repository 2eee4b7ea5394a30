// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/notice.h"

Notice::Notice(QWidget *parent) : QWidget(parent) {
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
