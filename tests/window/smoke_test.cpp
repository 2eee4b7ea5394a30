// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "xsession/xsession.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <optional>
#include <ostream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

using namespace std::chrono_literals;

// The real program under a private X server, started and closed as a user
// would, in the language that the user's environment asks for.
TEST(Program, OpensItsWindowAndExitsCleanlyWhenClosed) {
  const XSession session;
  ASSERT_TRUE(session.ok()) << "Xvfb did not start";
  const std::pair<std::vector<std::string>, const char *> rows[] = {
      {{}, "Цветовая маркировка по ГОСT175-72 и 62IEC"}, // the tests' C.UTF-8: no language asked
      {{"LC_ALL=", "LANG=en_US.UTF-8"}, "Resistor colour code to GOST 175-72 and IEC 62"},
      {{"LANGUAGE=fr:de"}, "Widerstands-Farbcode nach GOST 175-72 und IEC 62"},
      {{"LC_ALL=uk_UA.UTF-8"}, "Кольорове маркування резисторів за ГОСТ 175-72 та IEC 62"},
      {{"LC_ALL=fr_FR.UTF-8"}, "Resistor colour code to GOST 175-72 and IEC 62"},
  };
  for (const auto &[environment, title] : rows) {
    const pid_t pid = session.launch(RESX_PROGRAM, environment);
    const auto window = session.waitForWindow(title, 10s);
    ASSERT_TRUE(window) << "no window titled " << title << " appeared";
    EXPECT_EQ(window->width, 347);
    EXPECT_EQ(window->height, 262);
    session.close(*window);
    EXPECT_EQ(XSession::waitForExit(pid, 10s), 0); // ample under the sanitizers on a busy machine
  }
}

namespace {

// What `read` returns once it is `expected`, or after five seconds.
template <typename T, typename Read> std::optional<T> waitFor(const T &expected, Read read) {
  std::optional<T> seen;
  for (int i = 0; i < 250 && seen != expected; ++i) {
    std::this_thread::sleep_for(20ms);
    seen = read();
  }
  return seen;
}

} // namespace

void PrintTo(const XSession::Cursor &c, std::ostream *os) {
  *os << c.width << "x" << c.height << " hot spot " << c.hotSpot.x << "," << c.hotSpot.y << " tip " << c.tip.x << ","
      << c.tip.y;
}

class ProgramAtScale : public testing::TestWithParam<const char *> {}; // QT_SCALE_FACTOR

// What the X server shows and where its clicks land, not what Qt reads back:
// pointers centred on their hot spot, the arrow's tip three art pixels above,
// and a click with the tip on a swatch and then on a band paints the band.
TEST_P(ProgramAtScale, ThePointerClicksWhereItsTipIs) {
  const double ratio = std::strtod(GetParam(), nullptr);
  const XSession session;
  ASSERT_TRUE(session.ok()) << "Xvfb did not start";
  ASSERT_GT(session.launch(RESX_PROGRAM, {std::string("QT_SCALE_FACTOR=") + GetParam()}), 0);
  const auto window = session.waitForWindow("Цветовая маркировка по ГОСT175-72 и 62IEC", 10s);
  ASSERT_TRUE(window);
  const auto origin = session.origin(*window);
  ASSERT_TRUE(origin);
  const auto device = [ratio](double x, double y) {
    return XSession::Point{static_cast<int>(x * ratio), static_cast<int>(y * ratio)};
  };
  const auto moveTo = [&](XSession::Point p, const char *then = nullptr) {
    std::vector<std::string> command{"xdotool", "mousemove", std::to_string(origin->x + p.x),
                                     std::to_string(origin->y + p.y)};
    if (then != nullptr) {
      command.insert(command.end(), {then, "1"});
    }
    return session.run(command) == 0;
  };
  const int k = static_cast<int>(std::ceil(ratio)); // device pixels per art pixel
  const XSession::Cursor arrow{32 * k, 32 * k, {16 * k, 16 * k}, {16 * k, 13 * k}};
  const XSession::Cursor valueField{32 * k, 32 * k, {16 * k, 16 * k}, {17 * k, 14 * k}};
  ASSERT_TRUE(moveTo(device(148, 56))); // over the value field
  const auto cursor = [&session] { return session.cursor(); };
  EXPECT_EQ(waitFor(valueField, cursor), valueField);
  ASSERT_TRUE(moveTo(device(300, 20))); // over the background
  const auto shown = waitFor(arrow, cursor);
  ASSERT_TRUE(shown);
  EXPECT_EQ(shown, arrow);

  // The tip on the middle of the yellow swatch, then of band 2.
  const XSession::Point reach{shown->tip.x - shown->hotSpot.x, shown->tip.y - shown->hotSpot.y};
  for (const XSession::Point target : {device(37, 99), device(161.5, 123)}) {
    ASSERT_TRUE(moveTo({target.x - reach.x, target.y - reach.y}, "click"));
  }
  const auto band = [&] { return session.pixel(*window, device(161.5, 123)); };
  EXPECT_EQ(waitFor(0xFFFF00U, band), 0xFFFF00U) << "band 2 is not yellow";
}

INSTANTIATE_TEST_SUITE_P(Scales, ProgramAtScale, testing::Values("1", "1.5", "2"));
