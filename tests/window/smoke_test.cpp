#include "xsession.h"

#include <gtest/gtest.h>

#include <csignal>

using namespace std::chrono_literals;

// The real program under a private X server, started and closed as a user would.
TEST(Program, OpensItsWindowAndExitsCleanlyWhenClosed) {
  const XSession session;
  ASSERT_TRUE(session.ok()) << "Xvfb did not start";
  const pid_t pid = session.launch(RESX_PROGRAM);
  ASSERT_GT(pid, 0);
  const auto window = session.waitForWindow("Цветовая маркировка по ГОСT175-72 и 62IEC", 10s);
  if (!window) {
    kill(pid, SIGKILL);
    FAIL() << "no window with the program's title appeared";
  }
  EXPECT_EQ(window->width, 347);
  EXPECT_EQ(window->height, 262);
  session.close(*window);
  const auto status = XSession::waitForExit(pid, 2s);
  if (!status) {
    kill(pid, SIGKILL);
  }
  EXPECT_EQ(status, 0);
}
