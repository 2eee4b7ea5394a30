// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

struct xcb_connection_t;

// A private X server (Xvfb) for running the real program as a user would, and
// the few window-manager chores the tests need: finding a top-level window by
// title, locating it and reading its pixels, and asking it to close with
// WM_DELETE_WINDOW.
class XSession {
public:
  struct Window {
    unsigned id;
    int width;
    int height;
  };
  struct Point {
    int x;
    int y;
    bool operator==(const Point &) const = default;
  };
  // The pointer image the server shows, in its own (device) pixels.
  struct Cursor {
    int width;
    int height;
    Point hotSpot;
    Point tip; // the topmost opaque pixel, leftmost in its row
    bool operator==(const Cursor &) const = default;
  };

  XSession(); // starts Xvfb; `ok()` tells whether it came up
  ~XSession();
  XSession(const XSession &) = delete;
  XSession &operator=(const XSession &) = delete;
  XSession(XSession &&) = delete;
  XSession &operator=(XSession &&) = delete;

  [[nodiscard]] bool ok() const { return connection_ != nullptr; }
  [[nodiscard]] const std::string &display() const { return display_; }

  // Starts a program on this display with Qt's xcb platform and the caller's
  // extra variables ("NAME=value"), as `programCommand` gives it; returns its
  // process id, or -1. A program still running when the session ends is killed.
  [[nodiscard]] pid_t launch(const std::string &program, const std::vector<std::string> &environment = {}) const;
  [[nodiscard]] std::optional<Window> waitForWindow(const std::string &title, std::chrono::milliseconds timeout) const;
  // The top left of the window's client area on the screen.
  [[nodiscard]] std::optional<Point> origin(const Window &window) const;
  // The colour shown at a point of the window, as 0x00RRGGBB.
  [[nodiscard]] std::optional<std::uint32_t> pixel(const Window &window, Point at) const;
  // Runs a command (such as xdotool) on this display, in the environment that
  // `launch` gives, and waits: its exit status, or -1.
  [[nodiscard]] int run(const std::vector<std::string> &command,
                        const std::vector<std::string> &environment = {}) const;
  // The class part of the window's WM_CLASS, which desktops match with a menu entry's StartupWMClass.
  [[nodiscard]] std::string windowClass(const Window &window) const;
  // The pointer image shown now, as the XFixes extension reports it.
  [[nodiscard]] std::optional<Cursor> cursor() const;
  void close(const Window &window) const;
  // Whether a launched program is still running; leaves its exit status to `waitForExit`.
  static bool running(pid_t pid);
  // The resident memory of a process in KiB, from /proc; -1 if unknown.
  static long residentKiB(pid_t pid);
  // The exit status of a launched program, or nothing if it is still running after the timeout.
  static std::optional<int> waitForExit(pid_t pid, std::chrono::milliseconds timeout);
  // The command that starts a program of this build: the program alone, or in
  // a cross build's tests after the emulator that RESX_EMULATOR names
  // (tests/CMakeLists.txt).
  static std::vector<std::string> programCommand(const std::string &program);
  // Whether programs run under that emulator, whose process is then the one
  // that `launch` returns.
  static bool emulated();

private:
  // The emulator that RESX_EMULATOR names, the one place that reads it; null if none.
  static const char *emulator();
  [[nodiscard]] pid_t spawn(const std::vector<std::string> &command, const std::vector<std::string> &environment) const;

  pid_t server_ = -1;
  mutable std::vector<pid_t> launched_;
  std::string display_;
  xcb_connection_t *connection_ = nullptr;
};
