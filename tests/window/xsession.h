#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <sys/types.h>

struct xcb_connection_t;

// A private X server (Xvfb) for running the real program as a user would, and
// the few window-manager chores the tests need: finding a top-level window by
// title and asking it to close with WM_DELETE_WINDOW.
class XSession {
public:
  struct Window {
    unsigned id;
    int width;
    int height;
  };

  XSession(); // starts Xvfb; `ok()` tells whether it came up
  ~XSession();
  XSession(const XSession &) = delete;
  XSession &operator=(const XSession &) = delete;
  XSession(XSession &&) = delete;
  XSession &operator=(XSession &&) = delete;

  [[nodiscard]] bool ok() const { return connection_ != nullptr; }
  [[nodiscard]] const std::string &display() const { return display_; }

  // Starts a program on this display; returns its process id, or -1.
  [[nodiscard]] pid_t launch(const std::string &program) const;
  [[nodiscard]] std::optional<Window> waitForWindow(const std::string &title, std::chrono::milliseconds timeout) const;
  void close(const Window &window) const;
  // The exit status of a launched program, or nothing if it is still running after the timeout.
  static std::optional<int> waitForExit(pid_t pid, std::chrono::milliseconds timeout);

private:
  pid_t server_ = -1;
  std::string display_;
  xcb_connection_t *connection_ = nullptr;
};
