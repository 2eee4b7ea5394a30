#pragma once

#include "controlsurface.h"
#include "resx.h"

#include <QCursor>
#include <QWidget>

#include <array>

// The main window: creates every control from its design values, implements
// the control surface on them and forwards clicks to the decoder's handlers.
class ResXWindow final : public QWidget, public ControlSurface {
  Q_OBJECT

public:
  ResXWindow();

  // Runs the decoder's start-up, then shows the window centred on the screen.
  void open();

  [[nodiscard]] QWidget *control(Control control) const { return controls_[index(control)]; }
  // The pointer image that a swatch carries.
  [[nodiscard]] const QCursor &swatchCursor(Control swatch) const { return swatchCursors_[index(swatch)]; }

  void setBackColor(Control control, Colour colour) override;
  [[nodiscard]] Colour backColor(Control control) const override;
  [[nodiscard]] std::string tag(Control control) const override;
  void setCaption(Control control, std::string_view caption) override;
  void setText(Control control, std::string_view text) override;
  void setVisible(Control control, bool visible) override;
  void setWindowCursor(Control swatch) override;
  using QWidget::setVisible;

protected:
  void paintEvent(QPaintEvent *event) override;

private:
  void createControls();
  void wireClicks();

  std::array<QWidget *, kControlCount> controls_{};
  std::array<QCursor, kSwatchCount> swatchCursors_;
  ResX resx_{*this};
};
