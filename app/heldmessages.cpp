// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/heldmessages.h"

#include <QByteArray>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Held {
  QtMsgType type;
  const char *file; // the context's strings are literals that live as long as the program
  int line;
  const char *function;
  const char *category;
  QString text;
};

std::vector<Held>
    held; // NOLINT(cppcoreguidelines-avoid-non-const-global-variables): a message handler has no other state

// Why no display answers, from what the environment names.
QByteArray reason() {
  const QByteArray x11 = qgetenv("DISPLAY");
  const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
  if (x11.isEmpty() && wayland.isEmpty()) {
    return "neither DISPLAY nor WAYLAND_DISPLAY is set";
  }
  return "nothing answers at " + (x11.isEmpty() ? "WAYLAND_DISPLAY=" + wayland : "DISPLAY=" + x11);
}

void hold(QtMsgType type, const QMessageLogContext &context, const QString &text) {
  if (type == QtFatalMsg) {
    std::fprintf(stderr, "resx: cannot connect to a display (%s); start it on a desktop\n", reason().constData());
    std::_Exit(1); // the application is half built: nothing of it may run at exit
  }
  held.push_back({type, context.file, context.line, context.function, context.category, text});
}

} // namespace

HeldMessages::HeldMessages() : previous_(qInstallMessageHandler(hold)) {}

HeldMessages::~HeldMessages() {
  qInstallMessageHandler(previous_);
  for (const Held &message : held) {
    const QMessageLogContext context(message.file, message.line, message.function, message.category);
    qt_message_output(message.type, context, message.text);
  }
  held.clear();
}
