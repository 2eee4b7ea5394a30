// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "decoder/resx.h"
#include "window/windowsurface.h"

#include <QWidget>

class Notice;

// The main window: creates every control from its design values, implements
// the control surface on them and forwards clicks to the decoder's handlers.
class ResXWindow final : public QWidget {
  Q_OBJECT

public:
  // The window with its texts in `language`.
  explicit ResXWindow(Language language = {});

  // Runs the decoder's start-up, then shows the window centred on the screen.
  void open();
  // Whether the window's fonts, fallbacks included, can draw the letters of its texts.
  [[nodiscard]] bool drawsItsLetters() const;

  [[nodiscard]] QWidget *control(Control control) const { return widgets_.widget(control); }
  // The pointer image that a swatch carries.
  [[nodiscard]] const QCursor &swatchCursor(Control swatch) const { return widgets_.swatchCursor(swatch); }
  // The surface through which the decoder reads and changes the controls.
  [[nodiscard]] ControlSurface &surface() { return widgets_; }
  [[nodiscard]] const ControlSurface &surface() const { return widgets_; }

protected:
  void changeEvent(QEvent *event) override;
  void paintEvent(QPaintEvent *event) override;

private:
  void createControls();
  void wireClicks();
  // Gives each text whose colour comes from the desktop's scheme, on a
  // background that the design fixes, an ink that stays legible on it (legibleInk).
  void keepTextsLegible();
  // The current colour and the output line, as a screen reader hears them after a press.
  [[nodiscard]] QString outputLine() const;
  // Tells assistive technology the outcome of a press.
  void announce(QWidget *pressed);

  const Language language_;
  WindowSurface widgets_;
  ResX resx_;
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0) // else announcements tell the outcome of a press
  QWidget *described_ = nullptr;           // the control that describes the last press
  Notice *notice_ = nullptr;               // the notification that a screen reader speaks
#endif
};
