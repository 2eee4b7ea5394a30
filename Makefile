# SPDX-FileCopyrightText: 2026 ResX developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds, tests and packages with what is installed; no target installs
# anything. scripts/run installs what building and running need, scripts/test
# what testing needs on top; a missing command stops a target with one line
# naming the script that installs it and the package list that holds it.
# CMake's own makefiles are nested make calls: without this each prints its
# "Entering directory" and "Leaving directory" lines.
MAKEFLAGS += --no-print-directory
PRESET ?= dev
BUILD_DIR = build/$(PRESET)
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 600

# `$(call need,LIST,COMMAND ...[,SCRIPT])`: stops at the first command missing;
# scripts/SCRIPT (scripts/LIST unless named) installs it with the packages of
# scripts/packages-LIST.txt.
need = @for tool in $(2); do command -v $$tool >/dev/null 2>&1 || \
  { echo "make: $$tool is missing; scripts/$(or $(3),$(1)) installs it (scripts/packages-$(1).txt)" >&2; exit 1; }; done
RUN_TOOLS = cmake c++
TEST_TOOLS = Xvfb xdotool xauth help2man dpkg-buildflags dpkg-shlibdeps

.PHONY: all configure build run suite test fuzz bench package screenshot web browser-packages web-suite web-bench clean

all: build

configure:
	$(call need,run,$(RUN_TOOLS))
	cmake --preset $(PRESET)

build: configure
	cmake --build --preset $(PRESET) -j $(JOBS)

# One preset's suite: `make suite PRESET=asan`.
suite:
	$(call need,test,$(TEST_TOOLS))
	$(MAKE) build
	ctest --preset $(PRESET) -j $(JOBS)

# The whole suite, then again under the sanitizers, then a short fuzz.
test:
	$(MAKE) suite PRESET=dev
	$(MAKE) suite PRESET=asan
	$(MAKE) fuzz FUZZ_SECONDS=20

# The decoder fuzzer for FUZZ_SECONDS; the corpus it grows and any crash stay in build/fuzz.
fuzz:
	$(call need,test,clang++)
	$(MAKE) build PRESET=fuzz
	@mkdir -p build/fuzz/corpus build/fuzz/artifacts
	build/fuzz/tests/fuzz/decoder_fuzz -max_total_time=$(FUZZ_SECONDS) -max_len=512 -print_final_stats=1 \
	  -artifact_prefix=build/fuzz/artifacts/ build/fuzz/corpus

# Every benchmark, built in Release and run one at a time; never part of `make test`.
bench:
	$(call need,test,Xvfb dpkg-buildflags)
	$(MAKE) build PRESET=release
	cmake --build --preset release --target run_benchmarks -j 1

# The window from a Release build of the program alone, where warnings stay
# warnings: a newer compiler's new warning must not stop it from opening.
run: PRESET = run
run: build
	$(BUILD_DIR)/app/resx

# A Debian package of the Release build, in build/release/package.
package:
	$(call need,test,help2man dpkg-buildflags dpkg-shlibdeps)
	$(MAKE) build PRESET=release
	cd build/release && cpack --config CPackConfig.cmake

# The web page, build/web/resx.html, built by emscripten (the web preset).
web:
	$(call need,web,cmake emcc)
	cmake --preset web
	cmake --build --preset web --target resx_page -j $(JOBS)

# What the browser tests drive: Chromium, Firefox ESR, WebKitGTK's driver on
# a private X server, and the npm packages that scripts/test --web installs
# into build/web/browser.
browser-packages:
	$(call need,web-test,chromium firefox-esr WebKitWebDriver Xvfb,test --web)
	@test -d build/web/browser/node_modules || \
	  { echo "make: build/web/browser/node_modules is missing; scripts/test --web installs it" >&2; exit 1; }

# The web page's suites: the toolkit-free suites compiled to WebAssembly under
# Node.js, and the browser tests in Chromium, Firefox ESR and WebKitGTK (one
# CTest test each, web_page_ENGINE) with the npm packages that scripts/test
# --web installs into build/web/browser. No display is needed.
web-suite: web browser-packages
	cmake --build --preset web -j $(JOBS)
	ctest --preset web -j $(JOBS)

# The web page's first-click benchmark in headless Chromium; never part of a suite.
web-bench: web browser-packages
	cmake --build --preset web --target run_benchmarks -j 1

# The window after a short decoding, rendered offscreen for the README, in
# Russian and in English.
screenshot: build
	QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$(CURDIR)/$(BUILD_DIR)/xdg-runtime $(BUILD_DIR)/tools/resx_screenshot docs/window.png
	QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$(CURDIR)/$(BUILD_DIR)/xdg-runtime $(BUILD_DIR)/tools/resx_screenshot docs/window-en.png en

clean:
	rm -rf build
