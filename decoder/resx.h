#pragma once

#include "surface/control.h"

#include <string>

class ControlSurface;

// The resistor decoder: the decoder state and one handler per wired event.
// It reads and changes the window only through its control surface.
class ResX {
public:
  explicit ResX(ControlSurface &surface) : surface(surface) {}
  ResX(const ResX &) = delete;
  ResX &operator=(const ResX &) = delete;
  ResX(ResX &&) = delete;
  ResX &operator=(ResX &&) = delete;
  ~ResX() = default;

  void Form_Load();

  void black_Click();
  void brown_Click();
  void red_Click();
  void orange_Click();
  void yellow_Click();
  void green_Click();
  void blue_Click();
  void violet_Click();
  void grey_Click();
  void white_Click();
  void gold_Click();
  void silver_Click();

  void dig1_Click();
  void dig2_Click();
  void dig3_Click();
  void dig4_Click();
  void dig5_Click();
  void dig6_Click();

  void stripbutton_Click();

  using Handler = void (ResX::*)();
  // The click handler wired to a control; nullptr for a control that has none.
  static Handler clickHandler(Control control);

  // A read-only copy of the decoder state.
  struct State {
    int dig;
    Colour coler;
    int sn;
    std::string r11, r12, r13;
    int n1, n2, n3, n4, n5, n6;
    int mn;
    bool dopenable;
  };
  [[nodiscard]] State state() const;

private:
  void pick(Control swatch);
  void refreshValue();
  void dopusk();
  void rxx2();
  void rxx3();

  ControlSurface &surface;

  int dig = 0;
  Colour coler = 0;
  int sn = 3;
  std::string r11;
  std::string r12;
  std::string r13;
  int n1 = -1;
  int n2 = -1;
  int n3 = -1;
  int n4 = -1;
  int n5 = -1;
  int n6 = -1;
  int mn = 12;
  bool dopenable = true;
};
