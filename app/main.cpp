// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/heldmessages.h"
#include "surface/language.h"
#include "window/qtstring.h"
#include "window/resxwindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLocale>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

const QCommandLineOption kLanguage(QStringLiteral("language"), QString(), QStringLiteral("code"));

// The languages as --help and a refused code list them: "ru (русский), en (English), ...".
QString languages(bool named) {
  QStringList list;
  for (const Language language : Language::all()) {
    list << qt(language.code()) + (named ? " (" + qt(language.name()) + ")" : QString());
  }
  return list.join(QStringLiteral(", "));
}

void describe(QCommandLineParser &parser) {
  parser.setApplicationDescription(
      QStringLiteral("Decodes the colour marking of fixed resistors under GOST 175-72 and IEC 62: pick a colour,\n"
                     "click a band, and read the nominal value, the tolerance and the temperature coefficient."));
  parser.addHelpOption();
  parser.addVersionOption();
  QCommandLineOption language = kLanguage;
  language.setDescription(QStringLiteral("The window's language: %1. Without it, the desktop's language, or English "
                                         "where the program does not speak that; Russian in the C locale.")
                              .arg(languages(true)));
  parser.addOption(language);
}

// The language that --language names; ends the program, status 2, on a code it does not know.
std::optional<Language> chosenLanguage(const QCommandLineParser &parser) {
  if (!parser.isSet(kLanguage)) {
    return std::nullopt;
  }
  const QString code = parser.value(kLanguage);
  const std::optional<Language> language = Language::find(code.toStdString());
  if (!language) {
    std::fprintf(stderr, "resx: unknown language '%s'; the languages are %s\n", qPrintable(code),
                 qPrintable(languages(false)));
    std::exit(2);
  }
  return language;
}

// The desktop's language, as Qt reads it from LANGUAGE, LC_ALL, LC_MESSAGES and LANG.
Language desktopLanguage() {
  std::vector<std::string> wanted;
  for (const QString &tag : QLocale::system().uiLanguages()) {
    wanted.push_back(tag.toStdString());
  }
  return preferredLanguage(wanted);
}

// --help and --version answer, and an unknown language is refused, before any
// display is needed. Other options wait for the application, which takes Qt's
// own (-platform, -style, ...) first. --help-all lists those too, which only a
// GUI application knows: it gets one on the minimal platform, which needs no
// display.
void answerHelpAndVersion(int argc, char *argv[]) {
  const QCoreApplication core(argc, argv);
  QCommandLineParser parser;
  describe(parser);
  const bool parsed = parser.parse(QCoreApplication::arguments());
  chosenLanguage(parser); // Qt's options, unknown here, leave the others parsed
  if (!parsed) {
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

  ResXWindow window(chosenLanguage(parser).value_or(desktopLanguage()));
  if (!window.drawsItsLetters()) {
    std::fprintf(stderr, "resx: warning: no installed font has the letters of the window's texts, so they show as "
                         "empty boxes; install fonts-dejavu-core\n");
  }
  window.open();
  return QApplication::exec();
}
