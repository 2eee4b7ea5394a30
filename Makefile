# SPDX-FileCopyrightText: 2026 ResX developers
# SPDX-License-Identifier: GPL-3.0-or-later

# `make run` and `make test` do all set-up: missing Debian packages, configure, build.
# CMake's own makefiles are nested make calls: without this each prints its
# "Entering directory" and "Leaving directory" lines.
MAKEFLAGS += --no-print-directory
PRESET ?= dev
BUILD_DIR = build/$(PRESET)
JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 600

.PHONY: all deps configure build run suite test fuzz bench package screenshot clean

all: build

deps:
	./scripts/install-deps

configure: deps
	cmake --preset $(PRESET)

build: configure
	cmake --build --preset $(PRESET) -j $(JOBS)

# One preset's suite: `make suite PRESET=asan`.
suite: build
	ctest --preset $(PRESET) -j $(JOBS)

# The whole suite, then again under the sanitizers, then a short fuzz.
test: deps
	$(MAKE) suite PRESET=dev
	$(MAKE) suite PRESET=asan
	@if command -v clang++ >/dev/null 2>&1; then $(MAKE) fuzz FUZZ_SECONDS=20; \
	else echo "Fuzzing skipped: clang++ is missing (scripts/packages.txt lists clang)."; fi

# The decoder fuzzer for FUZZ_SECONDS; the corpus it grows and any crash stay in build/fuzz.
fuzz: deps
	@command -v clang++ >/dev/null 2>&1 || { echo "make fuzz needs clang++ (scripts/packages.txt lists clang)."; exit 1; }
	cmake --preset fuzz
	cmake --build --preset fuzz -j $(JOBS)
	@mkdir -p build/fuzz/corpus build/fuzz/artifacts
	build/fuzz/tests/fuzz/decoder_fuzz -max_total_time=$(FUZZ_SECONDS) -max_len=512 -print_final_stats=1 \
	  -artifact_prefix=build/fuzz/artifacts/ build/fuzz/corpus

# Every benchmark, built in Release and run one at a time; never part of `make test`.
bench: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS)
	cmake --build --preset release --target run_benchmarks -j 1

# The window from the release build, where warnings stay warnings: a newer
# compiler's new warning must not stop the program from opening.
run: PRESET = release
run: build
	$(BUILD_DIR)/app/resx

# A Debian package of the Release build, in build/release/package.
package: deps
	cmake --preset release
	cmake --build --preset release -j $(JOBS)
	cd build/release && cpack --config CPackConfig.cmake

# The window after a short decoding, rendered offscreen for the README.
screenshot: build
	QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$(CURDIR)/$(BUILD_DIR)/xdg-runtime $(BUILD_DIR)/tools/resx_screenshot docs/window.png

clean:
	rm -rf build
