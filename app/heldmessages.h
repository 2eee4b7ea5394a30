// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

// While it lives, Qt's messages are held back instead of printed. Qt ends the
// program with a fatal message when its platform plugin cannot start. When it
// reaches no display, that becomes one line saying what to do; for any other
// cause the held messages that name it come first. Either way the status is 1
// instead of an abort. When it ends, the held messages are passed on as they came.
class HeldMessages {
public:
  HeldMessages();
  ~HeldMessages();
  HeldMessages(const HeldMessages &) = delete;
  HeldMessages &operator=(const HeldMessages &) = delete;
  HeldMessages(HeldMessages &&) = delete;
  HeldMessages &operator=(HeldMessages &&) = delete;

private:
  QtMessageHandler previous_;
};
