#include "tests/window/xsession.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

// The real program under a private X server, started and closed as a user would.
TEST(Program, OpensItsWindowAndExitsCleanlyWhenClosed) {
  const XSession session;
  ASSERT_TRUE(session.ok()) << "Xvfb did not start";
  const pid_t pid = session.launch(RESX_PROGRAM);
  const auto window = session.waitForWindow("Цветовая маркировка по ГОСT175-72 и 62IEC", 10s);
  ASSERT_TRUE(window) << "no window with the program's title appeared";
  EXPECT_EQ(window->width, 347);
  EXPECT_EQ(window->height, 262);
  session.close(*window);
  EXPECT_EQ(XSession::waitForExit(pid, 2s), 0);
}
