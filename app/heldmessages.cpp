// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/heldmessages.h"

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
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

// What the X11 and Wayland platform plugins say when no display answers; any
// other failure to start (a platform that cannot be found, a library that is
// missing) has its cause in the held messages instead.
bool noDisplayAnswers() {
  return std::ranges::any_of(held, [](const Held &message) {
    return message.text.startsWith(QLatin1String("could not connect to display")) ||
           message.text.startsWith(QLatin1String("Failed to create wl_display"));
  });
}

// The held messages as Qt prints them by default ("category: text"), then one
// line of what to do, with the platforms that Qt lists at the end of its own
// fatal message.
void reportPlatformFailure(const QString &fatal) {
  for (const Held &message : held) {
    const bool named = message.category != nullptr && std::strcmp(message.category, "default") != 0;
    std::fprintf(stderr, "%s%s%s\n", named ? message.category : "", named ? ": " : "", qPrintable(message.text));
  }
  const QLatin1String listed("Available platform plugins are: ");
  const qsizetype at = fatal.indexOf(listed);
  QString available = at < 0 ? QString() : fatal.mid(at + listed.size()).trimmed();
  if (available.endsWith(u'.')) {
    available.chop(1);
  }
  std::fprintf(stderr, "resx: Qt cannot start its platform plugin, for the reason above; install what it names%s%s\n",
               available.isEmpty() ? "" : ", or choose one with -platform: ", qPrintable(available));
}

void hold(QtMsgType type, const QMessageLogContext &context, const QString &text) {
  if (type == QtFatalMsg) {
    if (noDisplayAnswers()) {
      std::fprintf(stderr, "resx: cannot connect to a display (%s); start it on a desktop\n", reason().constData());
    } else {
      reportPlatformFailure(text);
    }
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
