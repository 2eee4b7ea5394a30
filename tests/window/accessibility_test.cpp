// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/window/qtprint.h"
#include "window/resxwindow.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QString>
#include <QTest>

#include <tuple>
#include <utility>

#include <gtest/gtest.h>

using enum Control;

namespace {

QString accessible(const ResXWindow &window, Control control, QAccessible::Text what) {
  QAccessibleInterface *face = QAccessible::queryAccessibleInterface(window.control(control));
  return face != nullptr ? face->text(what) : QStringLiteral("<no interface>");
}

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0) // else an announcement, which only a live bridge receives
// The text of the notification that the window shows, as a screen reader finds it.
QString shownNotice(ResXWindow &window) {
  QAccessibleInterface *face = QAccessible::queryAccessibleInterface(&window);
  for (int i = 0; i < face->childCount(); ++i) {
    if (face->child(i)->role() == QAccessible::Notification && !face->child(i)->state().invisible) {
      return face->child(i)->text(QAccessible::Name);
    }
  }
  return QStringLiteral("<none shown>");
}
#endif

} // namespace

TEST(Accessibility, EveryControlCanBeToldApart) {
  struct Row {
    const char *language;
    Control control;
    const char *name;
    const char *description;
  };
  const Row rows[] = {
      {"ru", black, "0-черный", "0-черный"}, // Qt describes a control by its tooltip
      {"ru", brown, "1-коричневый", "1-коричневый"},
      {"ru", yellow, "4-жёлтый", "4-жёлтый"},
      {"ru", silver, "11-серебряный", "11-серебряный"},
      {"ru", dig1, "полоса 1, не окрашена", ""},
      {"ru", dig6, "полоса 6, не окрашена", ""},
      {"ru", curcolor, "текущий цвет, 0-черный", ""},
      {"ru", curcol, "текущий цвет-чёрный", ""}, // a label keeps its own text
      {"ru", stripbutton, "3 полосы", ""},
      {"ru", resxx, "Rx=", "номинальное сопротивление"}, // named by the label beside it
      {"ru", toler, "±", "допуск"},
      {"ru", ppr, "± ?? ppr/1градC", "температурный коэффициент сопротивления"},
      {"en", yellow, "4 yellow", "4 yellow"},
      {"en", dig1, "band 1, unpainted", ""},
      {"en", curcolor, "current colour, 0 black", ""},
      {"en", stripbutton, "3 bands", ""},
      {"en", resxx, "Rx=", "nominal resistance"},
      {"en", ppr, "± ?? ppm/°C", "temperature coefficient of resistance"},
  };
  for (const Row &row : rows) {
    const ResXWindow window(Language::find(row.language).value());
    EXPECT_EQ(accessible(window, row.control, QAccessible::Name), QString(row.name)) << row.name;
    EXPECT_EQ(accessible(window, row.control, QAccessible::Description), QString(row.description)) << row.name;
  }
}

TEST(Accessibility, NamesFollowTheControlsTexts) {
  ResXWindow window;
  window.surface().setCaption(stripbutton, "4-полосы");
  window.surface().setText(resxx, "4,7 KOm");
  EXPECT_EQ(accessible(window, stripbutton, QAccessible::Name), QString("4-полосы"));
  EXPECT_EQ(accessible(window, resxx, QAccessible::Value), QString("4,7 KOm"));
}

TEST(Accessibility, SwatchesAndBandsArePressedLikeButtons) {
  for (const auto &[code, band, line] : {std::tuple{"ru", "полоса 1, 4-жёлтый", "текущий цвет-жёлтый, Rx= 4?, ± 20%"},
                                         {"en", "band 1, 4 yellow", "current colour: yellow, Rx= 4?, ± 20%"}}) {
    ResXWindow window(Language::find(code).value());
    window.open();
    for (const auto &[control, role] : {std::pair{green, QAccessible::PushButton}, {curcolor, QAccessible::Graphic}}) {
      QAccessibleInterface *face = QAccessible::queryAccessibleInterface(window.control(control));
      EXPECT_EQ(face->role(), role);
      EXPECT_EQ(face->actionInterface()->actionNames().contains("Press"), role == QAccessible::PushButton);
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&window)->role(), QAccessible::Window);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&window)->text(QAccessible::Name), window.windowTitle());
    QAccessible::queryAccessibleInterface(window.control(yellow))->actionInterface()->doAction("Press");
    QAccessible::queryAccessibleInterface(window.control(dig1))->actionInterface()->doAction("Press");
    EXPECT_TRUE(QTest::qWaitFor([&] { return accessible(window, dig1, QAccessible::Name) == band; })) << code;
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0) // else an announcement, which only a live bridge receives
    EXPECT_EQ(accessible(window, dig1, QAccessible::Description), QString(line));
    EXPECT_EQ(shownNotice(window), QString(line)); // what Orca 43 speaks
#endif
  }
}
