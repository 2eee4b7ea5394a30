// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "xsession/xsession.h"

#include <xcb/xcb.h>
#include <xcb/xfixes.h>

#include <algorithm>
#include <array>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <memory>
#include <span>
#include <spawn.h>
#include <string_view>
#include <thread>
#include <unistd.h>
#include <vector>

#include <sys/wait.h>

namespace {

using namespace std::chrono_literals;

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;
template <typename T> Reply<T> reply(T *raw) { return Reply<T>(raw, &std::free); }

xcb_atom_t atom(xcb_connection_t *c, const char *name) {
  const auto r = reply(xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr));
  return r ? r->atom : xcb_atom_t{XCB_ATOM_NONE};
}

std::string property(xcb_connection_t *c, xcb_window_t window, xcb_atom_t name, xcb_atom_t type) {
  const auto r = reply(xcb_get_property_reply(c, xcb_get_property(c, 0, window, name, type, 0, 1024), nullptr));
  if (!r) {
    return {};
  }
  return {static_cast<const char *>(xcb_get_property_value(r.get())),
          static_cast<std::size_t>(xcb_get_property_value_length(r.get()))};
}

} // namespace

XSession::XSession() {
  std::array<int, 2> fds{};
  if (pipe(fds.data()) != 0) {
    return;
  }
  fcntl(fds[0], F_SETFD, FD_CLOEXEC); // the server inherits only the end it writes to
  server_ = spawn(
      {"Xvfb", "-displayfd", std::to_string(fds[1]), "-noreset", "-nolisten", "tcp", "-screen", "0", "1024x768x24"},
      {});
  ::close(fds[1]);
  // Xvfb writes its display number once it accepts connections.
  std::string number;
  char ch = 0;
  while (read(fds[0], &ch, 1) == 1 && ch != '\n') {
    number += ch;
  }
  ::close(fds[0]);
  if (number.empty()) {
    return;
  }
  display_ = ":" + number;
  connection_ = xcb_connect(display_.c_str(), nullptr);
  if (xcb_connection_has_error(connection_) != 0) {
    xcb_disconnect(connection_);
    connection_ = nullptr;
  }
}

XSession::~XSession() {
  for (const pid_t pid : launched_) {
    if (running(pid)) {
      kill(pid, SIGKILL);
      waitpid(pid, nullptr, 0);
    }
  }
  if (connection_ != nullptr) {
    xcb_disconnect(connection_);
  }
  if (server_ > 0) {
    kill(server_, SIGTERM);
    waitpid(server_, nullptr, 0);
  }
}

// Between fork and exec only async-signal-safe calls are allowed, so the child
// gets its environment whole from posix_spawn instead of calling setenv.
pid_t XSession::spawn(const std::vector<std::string> &command, const std::vector<std::string> &environment) const {
  std::vector<std::string> variables{"DISPLAY=" + display_, "QT_QPA_PLATFORM=xcb"};
  variables.insert(variables.end(), environment.begin(), environment.end());
  std::vector<std::string> inherited;
  for (char **entry = environ; *entry != nullptr; ++entry) {
    const std::string_view text(*entry);
    const std::string_view name = text.substr(0, text.find('=') + 1);
    if (std::ranges::none_of(variables, [name](const std::string &v) { return v.starts_with(name); })) {
      inherited.emplace_back(text);
    }
  }
  variables.insert(variables.begin(), inherited.begin(), inherited.end());
  const auto pointers = [](const std::vector<std::string> &strings) {
    std::vector<char *> result;
    result.reserve(strings.size() + 1);
    for (const std::string &s : strings) {
      result.push_back(const_cast<char *>(s.c_str()));
    }
    result.push_back(nullptr);
    return result;
  };
  pid_t pid = -1;
  return posix_spawnp(&pid, command.at(0).c_str(), nullptr, nullptr, pointers(command).data(),
                      pointers(variables).data()) == 0
             ? pid
             : -1;
}

const char *XSession::emulator() { return std::getenv("RESX_EMULATOR"); }

bool XSession::emulated() { return emulator() != nullptr; }

std::vector<std::string> XSession::programCommand(const std::string &program) {
  return emulated() ? std::vector<std::string>{emulator(), program} : std::vector<std::string>{program};
}

pid_t XSession::launch(const std::string &program, const std::vector<std::string> &environment) const {
  const pid_t pid = spawn(programCommand(program), environment);
  if (pid > 0) {
    launched_.push_back(pid);
  }
  return pid;
}

std::optional<XSession::Window> XSession::waitForWindow(const std::string &title,
                                                        std::chrono::milliseconds timeout) const {
  const xcb_atom_t netName = atom(connection_, "_NET_WM_NAME");
  const xcb_atom_t utf8 = atom(connection_, "UTF8_STRING");
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  do {
    const auto tree = reply(xcb_query_tree_reply(connection_, xcb_query_tree(connection_, root), nullptr));
    const xcb_window_t *children = tree ? xcb_query_tree_children(tree.get()) : nullptr;
    const int count = tree ? xcb_query_tree_children_length(tree.get()) : 0;
    for (int i = 0; i < count; ++i) {
      const auto attributes = reply(
          xcb_get_window_attributes_reply(connection_, xcb_get_window_attributes(connection_, children[i]), nullptr));
      if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE ||
          property(connection_, children[i], netName, utf8) != title) {
        continue;
      }
      const auto geometry =
          reply(xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, children[i]), nullptr));
      if (geometry) {
        return Window{children[i], geometry->width, geometry->height};
      }
    }
    std::this_thread::sleep_for(20ms);
  } while (std::chrono::steady_clock::now() < deadline);
  return std::nullopt;
}

std::optional<XSession::Point> XSession::origin(const Window &window) const {
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
  const auto r = reply(xcb_translate_coordinates_reply(
      connection_, xcb_translate_coordinates(connection_, window.id, root, 0, 0), nullptr));
  if (!r) {
    return std::nullopt;
  }
  return Point{r->dst_x, r->dst_y};
}

std::optional<std::uint32_t> XSession::pixel(const Window &window, Point at) const {
  const auto r = reply(
      xcb_get_image_reply(connection_,
                          xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, window.id,
                                        static_cast<std::int16_t>(at.x), static_cast<std::int16_t>(at.y), 1, 1, ~0U),
                          nullptr));
  // The server's 24-bit visual: one 32-bit pixel, blue in the lowest byte.
  if (!r || xcb_get_image_data_length(r.get()) < 4) {
    return std::nullopt;
  }
  const std::uint8_t *data = xcb_get_image_data(r.get());
  return static_cast<std::uint32_t>(data[0] | data[1] << 8 | data[2] << 16);
}

int XSession::run(const std::vector<std::string> &command, const std::vector<std::string> &environment) const {
  const pid_t pid = spawn(command, environment);
  int status = 0;
  if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status)) {
    return -1;
  }
  return WEXITSTATUS(status);
}

std::string XSession::windowClass(const Window &window) const {
  // Two strings, each ending in a null: the instance name, then the class.
  const std::string value = property(connection_, window.id, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING);
  const std::size_t end = value.find('\0');
  return end == std::string::npos ? std::string() : std::string(value.c_str() + end + 1);
}

std::optional<XSession::Cursor> XSession::cursor() const {
  // XFixes answers only a client that has told it which version it speaks.
  reply(xcb_xfixes_query_version_reply(connection_, xcb_xfixes_query_version(connection_, 4, 0), nullptr));
  const auto r =
      reply(xcb_xfixes_get_cursor_image_reply(connection_, xcb_xfixes_get_cursor_image(connection_), nullptr));
  if (!r) {
    return std::nullopt;
  }
  const std::span argb(xcb_xfixes_get_cursor_image_cursor_image(r.get()),
                       static_cast<std::size_t>(xcb_xfixes_get_cursor_image_cursor_image_length(r.get())));
  const auto tip = std::ranges::find_if(argb, [](std::uint32_t pixel) { return pixel >> 24 != 0; }) - argb.begin();
  return Cursor{
      r->width, r->height, {r->xhot, r->yhot}, {static_cast<int>(tip % r->width), static_cast<int>(tip / r->width)}};
}

void XSession::close(const Window &window) const {
  xcb_client_message_event_t event{};
  event.response_type = XCB_CLIENT_MESSAGE;
  event.format = 32;
  event.window = window.id;
  event.type = atom(connection_, "WM_PROTOCOLS");
  event.data.data32[0] = atom(connection_, "WM_DELETE_WINDOW");
  event.data.data32[1] = XCB_CURRENT_TIME;
  xcb_send_event(connection_, 0, window.id, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char *>(&event));
  xcb_flush(connection_);
}

std::optional<int> XSession::waitForExit(pid_t pid, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  do {
    int status = 0;
    if (waitpid(pid, &status, WNOHANG) == pid) {
      return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    std::this_thread::sleep_for(10ms);
  } while (std::chrono::steady_clock::now() < deadline);
  return std::nullopt;
}

bool XSession::running(pid_t pid) {
  siginfo_t info{};
  return waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == 0;
}

long XSession::residentKiB(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string key;
  while (status >> key) {
    if (key == "VmRSS:") {
      long kib = -1;
      status >> kib;
      return kib;
    }
    status.ignore(4096, '\n');
  }
  return -1;
}
