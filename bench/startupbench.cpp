// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/stats.h"
#include "tests/window/xsession.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// Start-up time and peak memory of the program's window against a plain Qt
// window of the same size. Both programs quit on their first paint; they run
// alternately under one private X server, and each figure comes from the
// wall time from launch to exit and the child's own peak resident set.

namespace {

constexpr double kTarget = 1.10;
constexpr unsigned kRunTimeoutSeconds = 30;

struct Run {
  double milliseconds;
  double mebibytes;
};

struct Series {
  const char *name;
  std::string program;
  std::vector<double> milliseconds;
  std::vector<double> mebibytes;
};

// Interrupts a blocked wait4 when a child hangs.
void onAlarm(int /*signal*/) {}

std::optional<Run> run(const XSession &session, const std::string &program) {
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = session.launch(program);
  if (pid <= 0) {
    return std::nullopt;
  }
  int status = 0;
  rusage usage{};
  alarm(kRunTimeoutSeconds);
  const pid_t waited = wait4(pid, &status, 0, &usage);
  alarm(0);
  const auto end = std::chrono::steady_clock::now();
  if (waited != pid) {
    std::fprintf(stderr, "%s did not exit within %u s\n", program.c_str(), kRunTimeoutSeconds);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    return std::nullopt;
  }
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "%s ended with status %d\n", program.c_str(), status);
    return std::nullopt;
  }
  // ru_maxrss is in KiB on Linux.
  return Run{std::chrono::duration<double, std::milli>(end - start).count(),
             static_cast<double>(usage.ru_maxrss) / 1024};
}

void printRow(const char *name, const std::vector<double> &samples, const char *unit) {
  std::printf("  %-8s %8.1f %-3s %8.1f %-3s %8.1f %s\n", name, stats::median(samples), unit, stats::min(samples), unit,
              stats::max(samples), unit);
}

void printRatio(const std::vector<double> &resx, const std::vector<double> &minimal) {
  const double ratio = stats::median(stats::ratios(resx, minimal));
  std::printf("  resx / minimal, median of the pairwise ratios: %.3f   target <= %.2f: %s\n", ratio, kTarget,
              ratio <= kTarget ? "met" : "NOT met");
}

} // namespace

int main(int argc, char *argv[]) {
  if (argc < 3 || argc > 4) {
    std::fprintf(stderr, "usage: %s RESX_PROGRAM MINIMAL_PROGRAM [RUNS]\n", argv[0]);
    return 2;
  }
  const int runs = argc == 4 ? std::atoi(argv[3]) : 30;
  if (runs < 1) {
    std::fprintf(stderr, "RUNS must be positive\n");
    return 2;
  }
  struct sigaction action {};
  action.sa_handler = onAlarm; // no SA_RESTART: the alarm makes wait4 return
  sigaction(SIGALRM, &action, nullptr);

  const XSession session;
  if (!session.ok()) {
    std::fprintf(stderr, "Xvfb did not start\n");
    return 1;
  }
  Series resx{"resx", argv[1], {}, {}};
  Series minimal{"minimal", argv[2], {}, {}};
  // One untimed run of each first, so that neither pays alone for a cold file cache.
  for (Series *series : {&resx, &minimal}) {
    if (!run(session, series->program)) {
      return 1;
    }
  }
  for (int i = 0; i < runs; ++i) {
    // Each pair runs back to back, the order swapping from pair to pair so that
    // neither program always follows the other.
    for (Series *series : i % 2 == 0 ? std::vector{&resx, &minimal} : std::vector{&minimal, &resx}) {
      const auto result = run(session, series->program);
      if (!result) {
        return 1;
      }
      series->milliseconds.push_back(result->milliseconds);
      series->mebibytes.push_back(result->mebibytes);
    }
  }

  std::printf("Start-up to first paint under Xvfb %s: %d runs of each, alternated; wall time from launch to exit\n",
              session.display().c_str(), runs);
  std::printf("  %-8s %12s %12s %12s\n", "", "median", "min", "max");
  printRow(resx.name, resx.milliseconds, "ms");
  printRow(minimal.name, minimal.milliseconds, "ms");
  printRatio(resx.milliseconds, minimal.milliseconds);
  std::printf("Peak resident memory of the same runs (ru_maxrss)\n");
  std::printf("  %-8s %12s %12s %12s\n", "", "median", "min", "max");
  printRow(resx.name, resx.mebibytes, "MiB");
  printRow(minimal.name, minimal.mebibytes, "MiB");
  printRatio(resx.mebibytes, minimal.mebibytes);
  return 0;
}
