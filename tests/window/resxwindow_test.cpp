// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "surface/design.h"
#include "surface/pointerart.h"
#include "tests/support/everytext.h"
#include "tests/window/qtprint.h"
#include "tests/window/showntext.h"
#include "window/pointerimages.h"
#include "window/qtcolour.h"
#include "window/resxwindow.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <tuple>

using enum Control;

namespace {

QImage argb(const QImage &image) { return image.convertToFormat(QImage::Format_ARGB32); }

// An opened window that takes real clicks through its native window.
struct Shown {
  ResXWindow window;
  Shown() {
    window.open();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
  }
  void clickAt(QPoint point) { QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, point); }
  void click(Control control) { clickAt(window.control(control)->geometry().center()); }
  QColor pixel(QPoint point) { return window.grab().toImage().pixelColor(point); }
  QColor pixel(Control control) { return pixel(window.control(control)->geometry().center()); }
  [[nodiscard]] QString text(Control control) const { return shownText(window.control(control)); }
  void key(Qt::Key key) { QTest::keyClick(window.windowHandle(), key); }
};

} // namespace

TEST(WindowDesign, EveryControlIsCreatedFromItsDesignValues) {
  ResXWindow window;
  const QImage shown = window.grab().toImage();
  for (std::size_t i = 0; i < design::kItemCount; ++i) {
    const design::Item &item = design::items()[i];
    SCOPED_TRACE(item.name.data());
    const auto *widget =
        window.findChild<QWidget *>(QString::fromUtf8(item.name.data(), static_cast<qsizetype>(item.name.size())));
    if (item.kind == design::Kind::rectangle) {
      EXPECT_EQ(widget, nullptr); // drawn on the window's surface
      continue;
    }
    ASSERT_NE(widget, nullptr);
    if (i < kControlCount) {
      EXPECT_EQ(widget, window.control(static_cast<Control>(i)));
    }
    EXPECT_EQ(widget->geometry(), QRect(item.rect.left, item.rect.top, item.rect.width, item.rect.height));
    EXPECT_EQ(widget->toolTip().toStdString(), item.hover.in(Language()));
    EXPECT_EQ(shownText(widget).toStdString(), item.text.in(Language()));
    EXPECT_TRUE(widget->isVisibleTo(&window));
    if (!design::isSystemColour(item.back)) {
      // Inside the button's one-pixel outline, above any text.
      EXPECT_EQ(colourValue(shown.pixelColor(widget->geometry().topLeft() + QPoint(2, 2))), item.back);
    }
  }
}

TEST(WindowDesign, SpotValuesOfTheLayout) {
  ResXWindow window;
  struct Row {
    Control control;
    QRect rect;
    const char *hover;
  };
  // clang-format off
  const Row rows[] = {
      {black, {17, 7, 40, 16}, "0-черный"},         {brown, {16, 27, 41, 16}, "1-коричневый"},
      {red, {16, 49, 40, 16}, "2-красный"},         {orange, {17, 70, 40, 16}, "3-оранжевый"},
      {yellow, {17, 91, 40, 16}, "4-жёлтый"},       {green, {16, 112, 40, 16}, "5-зелёный"},
      {blue, {17, 133, 40, 16}, "6-голубой"},       {violet, {17, 153, 40, 16}, "7-фиолетовый"},
      {grey, {16, 174, 40, 16}, "8-серый"},         {white, {16, 195, 40, 16}, "9-белый"},
      {gold, {17, 216, 40, 16}, "10-золотой"},      {silver, {16, 237, 40, 16}, "11-серебряный"},
      {dig1, {137, 100, 13, 46}, ""}, {dig2, {155, 100, 13, 46}, ""}, {dig3, {173, 100, 13, 46}, ""},
      {dig4, {191, 100, 13, 46}, ""}, {dig5, {209, 100, 13, 46}, ""}, {dig6, {228, 100, 13, 46}, ""},
      {stripbutton, {162, 213, 85, 22}, ""},
  };
  // clang-format on
  for (const Row &row : rows) {
    EXPECT_EQ(window.control(row.control)->geometry(), row.rect) << static_cast<int>(row.control);
    EXPECT_EQ(window.control(row.control)->toolTip(), QString(row.hover));
  }
  EXPECT_EQ(window.surface().tag(silver), "");
  EXPECT_EQ(window.surface().tag(grey), "8");
  EXPECT_EQ(window.surface().backColor(brown), 0x000040C0U);
  EXPECT_EQ(shownText(window.control(stripbutton)), QString("3 полосы"));
  EXPECT_EQ(shownText(window.control(toler)), QString("??"));
}

// Every text as the user reads it, and where it sits: literal texts, and the
// columns that each control's ink leaves free on either side of it.
TEST(WindowDesign, EveryTextReadsAndSitsAsDrawn) {
  ResXWindow window;
  enum class Sits : std::uint8_t { left, centre };
  struct Row {
    const char *name;
    const char *text;
    Sits sits;
  };
  const Row rows[] = {
      {"Label0", "Rx=", Sits::centre},
      {"Label1", "±", Sits::centre},
      {"resxx", "???", Sits::left},
      {"toler", "??", Sits::left},
      {"ppr", "± ?? ppr/1градC", Sits::left},
      {"curcol", "текущий цвет-чёрный", Sits::centre},
      {"stripbutton", "3 полосы", Sits::centre},
  };
  for (const Row &row : rows) {
    SCOPED_TRACE(row.name);
    auto *widget = window.findChild<QWidget *>(row.name);
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(shownText(widget), QString(row.text));
    // Inside a two-pixel border (the button's outline), ink is what differs from the background.
    const QImage image = widget->grab().toImage();
    const QRgb background = image.pixel(2, 2);
    int first = image.width();
    int last = -1;
    for (int y = 2; y < image.height() - 2; ++y) {
      for (int x = 2; x < image.width() - 2; ++x) {
        if (image.pixel(x, y) != background) {
          first = std::min(first, x);
          last = std::max(last, x);
        }
      }
    }
    const int left = first;
    const int right = image.width() - 1 - last;
    EXPECT_GE(last, 0) << "no ink";
    if (row.sits == Sits::left) {
      EXPECT_TRUE(left <= 4 && left < right) << "free columns: " << left << " left, " << right << " right";
    } else {
      EXPECT_LE(std::abs(right - left), 2) << "free columns: " << left << " left, " << right << " right";
    }
  }
}

// Every text that a control shows, in every language, fits inside it in the
// control's face: a line edit keeps two pixels free on either side but for
// its text margins, the button its outline.
TEST(WindowDesign, EveryTextFitsItsControlInEveryLanguage) {
  for (const Language language : Language::all()) {
    const ResXWindow window(language);
    for (const auto &[control, texts] : everyText(language)) {
      const QWidget *widget = window.control(control);
      const auto *edit = qobject_cast<const QLineEdit *>(widget);
      int margin = widget->inherits("QPushButton") ? 2 : 0;
      if (edit != nullptr) {
        margin = 4 + edit->textMargins().left() + edit->textMargins().right();
      }
      for (const std::string &text : texts) {
        EXPECT_LE(QFontMetrics(widget->font()).horizontalAdvance(QString::fromStdString(text)),
                  widget->width() - margin)
            << language.code() << ": \"" << text << "\" in " << widget->objectName().toStdString();
      }
    }
  }
}

TEST(WindowDesign, FixedWindowWithACloseBoxOnly) {
  ResXWindow window;
  EXPECT_EQ(window.windowTitle(), QString("Цветовая маркировка по ГОС") + QChar('T') + "175-72 и 62IEC");
  EXPECT_EQ(window.size(), QSize(347, 262));
  EXPECT_EQ(window.minimumSize(), window.maximumSize());
  const Qt::WindowFlags flags = window.windowFlags();
  EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_EQ(colourValue(window.palette().color(QPalette::Window)), 0x00C0C0C0U);
  EXPECT_EQ(argb(window.windowIcon().pixmap(32, 32).toImage()), argb(pointerimages::image(pointerart::windowIcon())));
}

TEST(WindowDesign, FontsFallBackToFacesThatShowCyrillic) {
  ResXWindow window;
  const QFontInfo output(window.control(resxx)->font());
  const QFontInfo caption(window.control(curcol)->font());
  EXPECT_EQ(output.family(), QString("Liberation Serif"));
  EXPECT_EQ(caption.family(), QString("DejaVu Sans"));
  EXPECT_TRUE(output.bold() && caption.bold());
  EXPECT_DOUBLE_EQ(window.control(resxx)->font().pointSizeF(), 9.75);
  EXPECT_DOUBLE_EQ(window.control(stripbutton)->font().pointSizeF(), 8.25);
}

TEST(WindowDesign, TheResistorIsDrawnUnderTheBands) {
  Shown shown;
  struct Row {
    QPoint point;
    QColor colour;
    const char *what;
  };
  const Row rows[] = {
      {{133, 120}, QColor(0, 192, 0), "body"},          {{200, 97}, Qt::black, "body outline"},
      {{131, 120}, Qt::black, "left cap outline"},      {{120, 100}, QColor(0, 192, 0), "left cap"},
      {{105, 122}, QColor(255, 255, 0), "lead"},        {{300, 20}, QColor(192, 192, 192), "background"},
      {{197, 120}, QColor(0, 192, 0), "hidden band 4"}, {{143, 120}, QColor(192, 255, 192), "unpainted band 1"},
      {{268, 100}, QColor(0, 192, 0), "right cap"},     {{285, 123}, QColor(255, 255, 0), "right lead"},
  };
  const QImage image = shown.window.grab().toImage();
  for (const Row &row : rows) {
    EXPECT_EQ(image.pixelColor(row.point), row.colour) << row.what;
  }
}

TEST(WindowStartUp, ShowsTheThreeBandLayout) {
  Shown shown;
  for (const Control hidden : {dig4, dig5, dig6, ppr}) {
    EXPECT_FALSE(shown.window.control(hidden)->isVisible());
  }
  EXPECT_EQ(shown.text(stripbutton), QString("3полосы"));
  EXPECT_EQ(shown.text(toler), QString("20%"));
  EXPECT_EQ(shown.text(resxx), QString("???"));
  EXPECT_EQ(argb(shown.window.cursor().pixmap().toImage()), argb(pointerimages::image(pointerart::swatchArrow(black))));
  // At scale 1 the hot spot that Qt is given is the one the platform gets: the image centre.
  EXPECT_EQ(shown.window.cursor().hotSpot(), QPoint(16, 16));
  EXPECT_EQ(shown.window.control(resxx)->cursor().hotSpot(), QPoint(16, 16));
}

TEST(WindowClicks, APickThenABandClickPaintsTheBand) {
  Shown shown;
  shown.click(yellow);
  EXPECT_EQ(shown.text(curcol), QString("текущий цвет-жёлтый"));
  shown.click(dig1);
  EXPECT_EQ(shown.pixel(dig1), QColor(255, 255, 0));
  shown.click(violet);
  shown.click(dig2);
  shown.click(red);
  shown.click(dig3);
  EXPECT_EQ(shown.pixel(dig2), QColor(255, 0, 255));
  EXPECT_EQ(shown.pixel(dig3), QColor(255, 0, 0));
  EXPECT_EQ(shown.text(resxx), QString("4,7 KOm"));
}

TEST(WindowClicks, AHiddenBandTakesNoClickUntilShown) {
  Shown shown;
  shown.click(brown);
  shown.click(dig4); // hidden: the click lands on the body
  EXPECT_EQ(shown.window.surface().backColor(dig4), kUnpaintedBand);
  EXPECT_EQ(shown.pixel(dig4), QColor(0, 192, 0));
  EXPECT_EQ(shown.text(toler), QString("20%"));

  shown.click(stripbutton);
  EXPECT_TRUE(shown.window.control(dig4)->isVisible());
  shown.click(dig4);
  EXPECT_EQ(shown.pixel(dig4), QColor(192, 64, 0));
  EXPECT_EQ(shown.text(toler), QString("1%"));
}

TEST(WindowClicks, ControlsWithoutAHandlerIgnoreClicksAndTyping) {
  Shown shown;
  for (int i = 0; i < 3; ++i) {
    shown.click(stripbutton); // six bands: every band and the coefficient label shown
  }
  shown.click(yellow);
  const QPoint unwired[] = {
      shown.window.control(curcolor)->geometry().center(),
      shown.window.control(curcol)->geometry().center(),
      shown.window.control(ppr)->geometry().center(),
      shown.window.control(resxx)->geometry().center(),
      shown.window.control(toler)->geometry().center(),
      {90, 55},   // "Rx="
      {195, 56},  // "±"
      {250, 120}, // the body
      {120, 100}, // an end cap
      {105, 122}, // a lead
      {300, 20},  // the background
  };
  for (const QPoint &point : unwired) {
    shown.clickAt(point);
    QTest::mouseDClick(shown.window.windowHandle(), Qt::LeftButton, {}, point);
  }
  for (const QChar ch : QString("Привет\t\x01 ,;")) {
    QTest::sendKeyEvent(QTest::Click, shown.window.control(resxx), Qt::Key_unknown, QString(ch), Qt::NoModifier);
  }
  EXPECT_EQ(shown.text(toler), QString("??%"));
  EXPECT_EQ(shown.text(ppr), QString("± ?? ppr/1градC"));
  EXPECT_EQ(shown.text(stripbutton), QString("6-полос"));
  for (const Control band : {dig1, dig2, dig3, dig4, dig5, dig6}) {
    EXPECT_EQ(shown.window.surface().backColor(band), kUnpaintedBand);
  }
  // The value field shows what was typed until the next value replaces it.
  EXPECT_TRUE(shown.text(resxx).startsWith(QString("???Привет")));
  shown.click(dig1);
  EXPECT_EQ(shown.text(resxx), QString("4??"));
}

TEST(WindowClicks, TheButtonAnswersTheSpaceKey) {
  Shown shown;
  QWidget *button = shown.window.control(stripbutton);
  button->setFocus();
  QTest::keyClick(button, Qt::Key_Space);
  EXPECT_EQ(shown.text(stripbutton), QString("4-полосы"));
}

TEST(WindowPointer, FollowsEveryPickWhileTheValueFieldKeepsItsOwn) {
  Shown shown;
  const QImage valueField = argb(pointerimages::image(pointerart::valueFieldArrow()));
  for (int code = 0; code < 12; ++code) {
    const auto swatch = static_cast<Control>(code);
    shown.click(swatch);
    EXPECT_EQ(argb(shown.window.cursor().pixmap().toImage()),
              argb(pointerimages::image(pointerart::swatchArrow(swatch))))
        << code;
    EXPECT_EQ(argb(shown.window.control(resxx)->cursor().pixmap().toImage()), valueField) << code;
    EXPECT_EQ(shown.window.control(swatch)->cursor().shape(), Qt::ArrowCursor) << code;
  }
  EXPECT_EQ(shown.window.control(toler)->cursor().shape(), Qt::IBeamCursor);
}

TEST(WindowKeyboard, TabAndShiftTabCycleInTheDesignOrderPastHiddenBands) {
  const QString three =
      "green black red yellow blue violet orange stripbutton gold white brown silver grey toler resxx "
      "dig1 dig2 dig3 curcolor green";
  for (const QString &cycle : {three, QString(three).replace("dig3", "dig3 dig4 dig5 dig6")}) {
    for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Backtab}) {
      Shown shown;
      for (const Control band : {dig4, dig5, dig6}) {
        shown.window.surface().setVisible(band, cycle != three); // hidden by start-up, or shown again
      }
      const QStringList order = cycle.split(' ');
      for (qsizetype i = 1; i < order.size(); ++i) {
        shown.key(key);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), order[key == Qt::Key_Tab ? i : order.size() - 1 - i]);
      }
      // The keyboard's focus is marked just inside the box's edge.
      EXPECT_NE(shown.pixel(shown.window.control(green)->geometry().topLeft() + QPoint(1, 1)), QColor(0, 255, 0));
    }
  }
}

TEST(WindowKeyboard, TheButtonShowsItsFocusFrameAfterTabNotAfterAClick) {
  Shown shown;
  QWidget *button = shown.window.control(stripbutton);
  const auto tabToTheButton = [&] { // from green, 7 of the 19 stops of the tab order
    for (int i = 0; i < 7; ++i) {
      shown.key(Qt::Key_Tab);
    }
    return button->hasFocus();
  };
  ASSERT_TRUE(tabToTheButton());
  shown.click(stripbutton);
  const QImage clicked = button->grab().toImage();
  shown.window.control(green)->setFocus();
  EXPECT_EQ(button->grab().toImage(), clicked);
  ASSERT_TRUE(tabToTheButton());
  EXPECT_NE(button->grab().toImage(), clicked);
}

TEST(WindowKeyboard, DecodesWithTabShiftTabSpaceAndReturnAlone) {
  Shown shown;
  // T Tab, B Shift+Tab, _ Space, R Return, E Enter; from green, 0 of the 19 stops of the tab order, to yellow 3 and
  // dig1 15, violet 5 and dig2 16, red 2 and dig3 17.
  const Qt::Key keys[] = {Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter};
  for (const char key : std::string_view("TTT_BBBBBBBRTTTTTTTTTEBBBBBBBB_TTTTTRBBBB_")) {
    shown.key(keys[std::string_view("TB_RE").find(key)]);
  }
  EXPECT_EQ(shown.text(resxx), QString("4,7 KOm"));
  QSignalSpy clicks(QApplication::focusWidget(), SIGNAL(clicked())); // a held key presses once, not on its repeats
  QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
  QApplication::sendEvent(QApplication::focusWidget(), &repeat);
  EXPECT_EQ(clicks.count(), 0);
}

TEST(WindowDesign, TheButtonCaptionStaysLegibleInAnyColourScheme) {
  // A dark scheme's white text (1.8:1 on the design's 0xC0C0C0 face) gives way to black; a light one's navy stays.
  for (const auto &[scheme, ink] : {std::pair<QColor, QColor>{Qt::white, Qt::black}, {Qt::darkBlue, Qt::darkBlue}}) {
    const QPalette standard = QApplication::palette();
    QPalette palette(QColor(53, 53, 53));
    palette.setColor(QPalette::ButtonText, scheme);
    QApplication::setPalette(palette);
    const ResXWindow window;
    QApplication::setPalette(standard);
    EXPECT_EQ(window.control(stripbutton)->palette().color(QPalette::ButtonText), ink) << scheme.name().toStdString();
  }
}

TEST(WindowDesign, FollowsTheColourSchemeWhileRunning) {
  Shown shown;
  QWidget *label = shown.window.control(curcol);
  const QPalette standard = QApplication::palette();
  // A dark scheme, whose white button text gives way to black on the button's face; then a light one.
  for (const auto &[button, text, ink] : {std::tuple<QColor, QColor, QColor>{QColor(53, 53, 53), Qt::white, Qt::black},
                                          {QColor(239, 239, 239), Qt::darkBlue, Qt::darkBlue}}) {
    QPalette scheme(button);
    scheme.setColor(QPalette::ButtonText, text);
    QApplication::setPalette(scheme);
    QCoreApplication::processEvents(); // the widgets take the change as an event
    EXPECT_EQ(shown.pixel(label->geometry().topLeft() + QPoint(1, 1)), button);
    EXPECT_EQ(label->palette().color(label->foregroundRole()), text);
    EXPECT_EQ(shown.window.control(stripbutton)->palette().color(QPalette::ButtonText), ink);
  }
  QApplication::setPalette(standard);
  QCoreApplication::processEvents();
}
