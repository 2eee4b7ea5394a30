// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/resxwindow.h"

#include "surface/design.h"
#include "surface/pointerart.h"
#include "window/colourbox.h"
#include "window/designfont.h"
#include "window/flatbutton.h"
#include "window/legibleink.h"
#include "window/picturebox.h"
#include "window/pointerimages.h"
#include "window/qtcolour.h"
#include "window/qtstring.h"

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
#include "window/notice.h"
#endif

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QStyle>
#include <QtMath>

#include <algorithm>
#include <vector>

namespace {

// A pointer with its hot spot at the image centre, drawn at the screen's
// density in whole pixels so that it stays sharp. Qt's xcb backend hands the
// pixmap and the hot spot to the X server as they are, so there the pixmap
// keeps a ratio of 1 and the hot spot counts its pixels. Elsewhere (Wayland)
// the hot spot is logical and the compositor scales it with the pixmap's ratio.
QCursor pointer(const QImage &image) {
  const int factor = std::max(1, qCeil(qApp->devicePixelRatio()));
  QPixmap pixmap = QPixmap::fromImage(pointerimages::enlarged(image, factor));
  if (QGuiApplication::platformName() == QLatin1String("xcb")) {
    return QCursor(pixmap, pixmap.width() / 2, pixmap.height() / 2);
  }
  pixmap.setDevicePixelRatio(factor);
  return QCursor(pixmap, image.width() / 2, image.height() / 2);
}

QCursor swatchPointer(Control swatch) { return pointer(pointerimages::image(pointerart::swatchArrow(swatch))); }

// Only the sizes that window managers show in title bars, task bars and
// switchers: every size here is sent to the X server at each start-up. Larger
// views find the installed theme icon through the desktop file name.
QIcon icon() {
  const QImage art = pointerimages::image(pointerart::windowIcon());
  QIcon icon;
  icon.addPixmap(QPixmap::fromImage(pointerimages::image(pointerart::smallWindowIcon())));
  icon.addPixmap(QPixmap::fromImage(art));
  icon.addPixmap(QPixmap::fromImage(pointerimages::enlarged(art, 2)));
  return icon;
}

// The palette role of a colour of the desktop's scheme. Controls take such a
// colour from the role, which they inherit through the window from the
// application's palette, so they follow a scheme changed while the program runs.
QPalette::ColorRole schemeRole(Colour colour) {
  switch (colour) {
  case design::kButtonFace: return QPalette::Button;
  case design::kButtonText: return QPalette::ButtonText;
  default: return QPalette::WindowText;
  }
}

// A design colour, a scheme's taken from the palette.
QColor resolve(const QPalette &palette, Colour colour) {
  return design::isSystemColour(colour) ? palette.color(schemeRole(colour)) : qtColour(colour);
}

Qt::Alignment alignment(design::Align align) {
  return Qt::AlignVCenter | (align == design::Align::centre ? Qt::AlignHCenter : Qt::AlignLeft);
}

// Qt reports a plain widget as a filler: the window is a frame named by its
// title, the current colour's box a picture, and the notice a notification.
QAccessibleInterface *accessibleInterface(const QString &className, QObject *object) {
  const auto is = [&className](const QMetaObject &type) { return className == QLatin1String(type.className()); };
  QAccessible::Role role = QAccessible::NoRole;
  if (is(ResXWindow::staticMetaObject)) {
    role = QAccessible::Window;
  } else if (is(ColourBox::staticMetaObject)) {
    role = QAccessible::Graphic;
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
  } else if (is(Notice::staticMetaObject)) {
    role = QAccessible::Notification;
#endif
  } else {
    return nullptr;
  }
  return new QAccessibleWidget(qobject_cast<QWidget *>(object), role);
}

// A picture box with a click handler is pressed like a button; the others only show their colour.
QWidget *createControl(const design::Item &item, bool pressable, Language language, QWidget *parent) {
  using design::Kind;
  QWidget *widget = nullptr;
  switch (item.kind) {
  case Kind::pictureBox:
    widget = pressable ? new PictureBox(qtColour(item.back), parent) : new ColourBox(qtColour(item.back), parent);
    break;
  case Kind::label: {
    auto *label = new QLabel(qt(item.text.in(language)), parent);
    label->setAlignment(alignment(item.align));
    label->setAutoFillBackground(true);
    widget = label;
    break;
  }
  case Kind::textBox: {
    auto *edit = new QLineEdit(qt(item.text.in(language)), parent);
    edit->setFrame(false);
    edit->setAlignment(alignment(item.align));
    // Qt keeps two pixels free on either side of a line edit's text, which
    // the design's 37-pixel tolerance field needs for "0,25%" in its face:
    // else Qt scrolls the text to its end and the leading "0" is lost. With
    // no frame, on the window's own grey, the field's edge does not show.
    edit->setTextMargins(-2, 0, -2, 0);
    widget = edit;
    break;
  }
  case Kind::button: {
    auto *button = new FlatButton(qt(item.text.in(language)), parent);
    button->setCursor(Qt::ArrowCursor);
    widget = button;
    break;
  }
  case Kind::rectangle: return nullptr; // drawn on the window's surface
  }
  widget->setObjectName(qt(item.name));
  widget->setGeometry(item.rect.left, item.rect.top, item.rect.width, item.rect.height);
  if (item.kind != Kind::pictureBox) { // a picture box holds its colour itself
    QPalette palette = widget->palette();
    if (design::isSystemColour(item.back)) {
      widget->setBackgroundRole(schemeRole(item.back));
    } else {
      palette.setColor(widget->backgroundRole(), qtColour(item.back));
    }
    if (item.face != design::Face::none) {
      widget->setFont(designFont(item.face));
      if (design::isSystemColour(item.fore)) {
        widget->setForegroundRole(schemeRole(item.fore)); // on a fixed background, see keepTextsLegible
      } else {
        palette.setColor(widget->foregroundRole(), qtColour(item.fore));
      }
    }
    widget->setPalette(palette);
  }
  const std::string_view hover = item.hover.in(language);
  if (!hover.empty()) {
    widget->setToolTip(qt(hover));
  }
  // Swatches show no text: assistive technology names them by their hover
  // text. The control surface names the other picture boxes by their colour.
  if (item.kind == Kind::pictureBox && !hover.empty()) {
    widget->setAccessibleName(qt(hover));
  }
  if (const std::string_view description = item.description.in(language); !description.empty()) {
    widget->setAccessibleDescription(qt(description));
  }
  if (item.kind == Kind::label) {
    widget->setFocusPolicy(Qt::NoFocus);
  }
  return widget;
}

} // namespace

ResXWindow::ResXWindow(Language language)
    : language_(language), widgets_(*this, swatchPointer, language), resx_(widgets_, language) {
  QAccessible::installFactory(accessibleInterface); // once: Qt keeps no factory twice
  const design::Window &look = design::window();
  setObjectName(qt(look.name));
  setWindowTitle(qt(look.title.in(language_)));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(look.width, look.height);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, qtColour(look.back));
  setPalette(palette);
  setAutoFillBackground(true);
  setWindowIcon(icon());
  // The design pointer is black's arrow: the window shares black's pointer
  // rather than making the same one twice.
  setCursor(widgets_.swatchCursor(Control::black));
  createControls();
  wireClicks();
}

void ResXWindow::createControls() {
  // Labels first, so that every other control lies above them.
  std::vector<const design::Item *> order;
  for (const design::Item &item : design::items()) {
    order.push_back(&item);
  }
  std::stable_partition(order.begin(), order.end(),
                        [](const design::Item *item) { return item->kind == design::Kind::label; });
  for (const design::Item *item : order) {
    const auto position = static_cast<std::size_t>(item - design::items().data());
    if (position >= kControlCount) { // the labels that the decoder never addresses
      createControl(*item, false, language_, this);
      continue;
    }
    const auto control = static_cast<Control>(position);
    QWidget *widget = createControl(*item, ResX::clickHandler(control) != nullptr, language_, this);
    widgets_.attach(control, widget);
    if (item->kind == design::Kind::pictureBox && !isSwatch(control)) {
      widgets_.setBackColor(control, item->back); // names it by its colour
    }
  }
  for (const design::Item &item : design::items()) { // a label names the text box beside it
    if (!item.buddy.empty()) {
      findChild<QLabel *>(qt(item.name))->setBuddy(findChild<QWidget *>(qt(item.buddy)));
    }
  }
  control(Control::resxx)->setCursor(pointer(pointerimages::image(pointerart::valueFieldArrow())));
  keepTextsLegible();

  // Keyboard focus moves through the focusable controls in their design order.
  std::vector<std::pair<int, QWidget *>> focusable;
  for (std::size_t i = 0; i < kControlCount; ++i) {
    QWidget *widget = control(static_cast<Control>(i));
    if (widget->focusPolicy() != Qt::NoFocus) {
      focusable.emplace_back(design::items()[i].tabOrder, widget);
    }
  }
  std::sort(focusable.begin(), focusable.end());
  for (std::size_t i = 1; i < focusable.size(); ++i) {
    QWidget::setTabOrder(focusable[i - 1].second, focusable[i].second);
  }
  focusable.front().second->setFocus(); // the window opens with the focus on the first
}

void ResXWindow::keepTextsLegible() {
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const design::Item &item = design::items()[i];
    QWidget *widget = control(static_cast<Control>(i));
    // No control exists yet while the constructor sets the window's palette.
    if (widget == nullptr || !design::isSystemColour(item.fore) || design::isSystemColour(item.back)) {
      continue;
    }
    QPalette palette = widget->palette();
    palette.setColor(widget->foregroundRole(),
                     legibleInk(this->palette().color(QPalette::Active, schemeRole(item.fore)), qtColour(item.back)));
    widget->setPalette(palette);
  }
}

void ResXWindow::changeEvent(QEvent *event) {
  if (event->type() == QEvent::PaletteChange) { // the scheme's colours changed, which the window inherits
    keepTextsLegible();
  }
  QWidget::changeEvent(event);
}

void ResXWindow::wireClicks() {
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const ResX::Handler handler = ResX::clickHandler(static_cast<Control>(i));
    if (handler == nullptr) {
      continue;
    }
    QWidget *widget = control(static_cast<Control>(i));
    const auto forward = [this, handler, widget] {
      (resx_.*handler)();
      announce(widget);
    };
    connect(qobject_cast<QAbstractButton *>(widget), &QAbstractButton::clicked, this, forward);
  }
}

QString ResXWindow::outputLine() const {
  const auto textOf = [this](Control shown) {
    const QWidget *widget = control(shown);
    const auto *edit = qobject_cast<const QLineEdit *>(widget);
    return (edit != nullptr ? edit->text() : qobject_cast<const QLabel *>(widget)->text()).toStdString();
  };
  return qt(design::outputLine(textOf, control(Control::ppr)->isVisible(), language_));
}

void ResXWindow::announce(QWidget *pressed) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
  if (QAccessible::isActive()) { // else no assistive technology listens
    QAccessibleAnnouncementEvent event(pressed, outputLine());
    QAccessible::updateAccessibility(&event);
  }
#else
  const QString line = outputLine();
  // Without announcements, the pressed control describes the outcome, and
  // setting the description notifies assistive technology; the control
  // pressed before falls back to its own description.
  if (described_ != nullptr && described_ != pressed) {
    described_->setAccessibleDescription({});
  }
  pressed->setAccessibleDescription(line);
  described_ = pressed;
  // Orca 43 cannot speak that change from Qt 6.4, which sends the control in
  // place of the new text; it speaks a notification that is shown. Made at
  // the first press: start-up needs none.
  if (notice_ == nullptr) {
    notice_ = new Notice(this);
  }
  notice_->present(line);
#endif
}

void ResXWindow::open() {
  resx_.Form_Load();
  setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen()->availableGeometry()));
  show();
}

bool ResXWindow::drawsItsLetters() const {
  const auto draws = [](const QWidget *control, const QString &text) {
    return std::all_of(text.begin(), text.end(), [&](QChar c) { return QFontMetrics(control->font()).inFont(c); });
  };
  // A caption and a value, in each face: every letter the language writes with.
  return draws(control(Control::curcol), qt(kBlackCaption.in(language_))) &&
         draws(control(Control::resxx), qt(design::item(Control::ppr).text.in(language_)));
}

void ResXWindow::paintEvent(QPaintEvent * /*event*/) {
  QPainter painter(this);
  for (const design::Item &item : design::items()) {
    if (item.kind != design::Kind::rectangle) {
      continue;
    }
    const QRect area(item.rect.left, item.rect.top, item.rect.width, item.rect.height);
    // The one-pixel outline as filled areas: exact at any screen density.
    painter.fillRect(area, resolve(palette(), item.fore));
    painter.fillRect(area.adjusted(1, 1, -1, -1), resolve(palette(), item.back));
  }
}
