// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/heldmessages.h"
#include "window/resxwindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <optional>

namespace {

void describe(QCommandLineParser &parser) {
  parser.setApplicationDescription(
      QStringLiteral("Decodes the colour marking of fixed resistors under GOST 175-72 and IEC 62: pick a colour,\n"
                     "click a band, and read the nominal value, the tolerance and the temperature coefficient."));
  parser.addHelpOption();
  parser.addVersionOption();
}

// --help and --version answer before any display is needed. Other options wait
// for the application, which takes Qt's own (-platform, -style, ...) first.
// --help-all lists those too, which only a GUI application knows: it gets one
// on the minimal platform, which needs no display.
void answerHelpAndVersion(int argc, char *argv[]) {
  const QCoreApplication core(argc, argv);
  QCommandLineParser parser;
  describe(parser);
  if (!parser.parse(QCoreApplication::arguments())) {
    return;
  }
  if (parser.isSet("help-all")) {
    qputenv("QT_QPA_PLATFORM", "minimal");
  } else if (parser.isSet("help") || parser.isSet("version")) {
    parser.process(core); // prints and ends the program
  }
}

} // namespace

int main(int argc, char *argv[]) {
  QCoreApplication::setApplicationName(QStringLiteral("resx"));
  QCoreApplication::setApplicationVersion(QStringLiteral(RESX_VERSION));
  QGuiApplication::setDesktopFileName(QStringLiteral(RESX_ID));
  if (argc > 1) {
    answerHelpAndVersion(argc, argv);
  }

  std::optional<HeldMessages> startUp;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) { // a platform named by the user is Qt's to report on
    startUp.emplace();
  }
  const QApplication app(argc, argv);
  startUp.reset();
  QCommandLineParser parser;
  describe(parser);
  parser.process(app); // Qt's usual error, and status 1, for an unknown option

  ResXWindow window;
  if (!window.drawsCyrillic()) {
    std::fprintf(stderr, "resx: warning: no installed font has Cyrillic letters, so the window's texts show as "
                         "empty boxes; install fonts-dejavu-core\n");
  }
  window.open();
  return QApplication::exec();
}
