// SPDX-FileCopyrightText: 2026 ResX developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/stats.h"
#include "xsession/xsession.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// Start-up time and peak memory of the program's window against reference
// programs: plain Qt windows of the same size. Every program quits on its first
// paint; they run in turn under one private X server, and each figure comes
// from the wall time from launch to exit and the child's own peak resident set.

namespace {

// The aim applies to the last reference, the one that does the same kind of work:
// the program's own cost beyond a window that shows text.
constexpr double kAim = 1.05;
constexpr unsigned kRunTimeoutSeconds = 30;

struct Run {
  double milliseconds;
  double cpuMilliseconds;
  double mebibytes;
};

struct Series {
  std::string name;
  std::string program;
  std::vector<double> milliseconds;
  std::vector<double> cpuMilliseconds;
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
  const auto milliseconds = [](const timeval &t) {
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3;
  };
  return Run{std::chrono::duration<double, std::milli>(end - start).count(),
             milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime), static_cast<double>(usage.ru_maxrss) / 1024};
}

// A program's short name: its file name without the directory and the common prefix.
std::string shortName(const std::string &program) {
  std::string name = program.substr(program.find_last_of('/') + 1);
  constexpr std::string_view kPrefix = "bench_startup_";
  return name.starts_with(kPrefix) ? name.substr(kPrefix.size()) : name;
}

// The program's figures and those of every reference, then the program over each reference.
void printTable(const std::vector<Series> &all, std::vector<double> Series::*samples, const char *unit) {
  std::printf("  %-10s %12s %12s %12s\n", "", "median", "min", "max");
  for (const Series &series : all) {
    const std::vector<double> &values = series.*samples;
    std::printf("  %-10s %8.1f %-3s %8.1f %-3s %8.1f %s\n", series.name.c_str(), stats::median(values), unit,
                stats::min(values), unit, stats::max(values), unit);
  }
  for (std::size_t i = 1; i < all.size(); ++i) {
    const double ratio = stats::median(stats::ratios(all[0].*samples, all[i].*samples));
    std::printf("  %s / %s, median of the pairwise ratios: %.3f", all[0].name.c_str(), all[i].name.c_str(), ratio);
    if (i + 1 == all.size()) {
      std::printf("   aim <= %.2f: %s", kAim, ratio <= kAim ? "met" : "NOT met");
    }
    std::printf("\n");
  }
}

} // namespace

int main(int argc, char *argv[]) {
  // A last argument of digits only is the number of runs.
  const bool runsGiven =
      argc > 1 && std::string_view(argv[argc - 1]).find_first_not_of("0123456789") == std::string_view::npos;
  const int programs = argc - 1 - (runsGiven ? 1 : 0);
  if (programs < 2) {
    std::fprintf(stderr, "usage: %s PROGRAM REFERENCE... [RUNS]\n", argv[0]);
    return 2;
  }
  // A single run varies by a tenth; 200 rounds settle the ratios to within about half a percent.
  const int runs = runsGiven ? std::atoi(argv[argc - 1]) : 200;
  if (runs < 1) {
    std::fprintf(stderr, "RUNS must be positive\n");
    return 2;
  }
  struct sigaction action = {};
  action.sa_handler = onAlarm; // no SA_RESTART: the alarm makes wait4 return
  sigaction(SIGALRM, &action, nullptr);

  const XSession session;
  if (!session.ok()) {
    std::fprintf(stderr, "Xvfb did not start\n");
    return 1;
  }
  // Xvfb starts with the pointer in the middle of the screen, where the
  // program centres its window and the references do not: the pointer would
  // enter the program's window alone, and change its shape there. In the
  // bottom right corner it lies outside every window.
  if (session.run({"xdotool", "mousemove", "1023", "767"}) != 0) {
    std::fprintf(stderr, "xdotool could not move the pointer\n");
    return 1;
  }
  std::vector<Series> all;
  for (int i = 1; i <= programs; ++i) {
    all.push_back({shortName(argv[i]), argv[i], {}, {}, {}});
  }
  // One untimed run of each first, so that none pays alone for a cold file cache.
  for (const Series &series : all) {
    if (!run(session, series.program)) {
      return 1;
    }
  }
  // Each round runs every program once, back to back, in an order shuffled anew
  // each round so that no program always follows another; the seed is fixed.
  std::vector<Series *> order;
  order.reserve(all.size());
  for (Series &series : all) {
    order.push_back(&series);
  }
  std::mt19937 random(1);
  for (int i = 0; i < runs; ++i) {
    std::shuffle(order.begin(), order.end(), random);
    for (Series *series : order) {
      const auto result = run(session, series->program);
      if (!result) {
        return 1;
      }
      series->milliseconds.push_back(result->milliseconds);
      series->cpuMilliseconds.push_back(result->cpuMilliseconds);
      series->mebibytes.push_back(result->mebibytes);
    }
  }

  std::printf(
      "Start-up to first paint under Xvfb %s: %d runs of each, in shuffled rounds; wall time from launch to exit\n",
      session.display().c_str(), runs);
  printTable(all, &Series::milliseconds, "ms");
  std::printf("Peak resident memory of the same runs (ru_maxrss)\n");
  printTable(all, &Series::mebibytes, "MiB");
  // Unlike wall time, hardly affected by other work on the machine.
  std::printf("Processor time of the same runs, user and system (ru_utime + ru_stime)\n");
  printTable(all, &Series::cpuMilliseconds, "ms");
  return 0;
}
