# SPDX-FileCopyrightText: 2026 ResX developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Cross-building for 64-bit Arm (arm64, such as a Raspberry Pi) on a Debian PC
# with the arm64 architecture added to apt: the cross compilers of
# crossbuild-essential-arm64 and the arm64 libraries at their multiarch paths.
# The `arm64` preset uses it, with Qt's build tools from the host (QT_HOST_PATH).
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
# Debian's name for it: the package's architecture and dpkg-buildflags' target.
set(RESX_DEB_HOST_ARCH arm64 CACHE STRING "The Debian architecture the build is for (empty: this machine's)")

# Libraries, headers and CMake packages for arm64 only; programs (moc, help2man) from the host.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every arm64 program the build or the tests run goes through qemu's user-mode
# emulator (Debian's qemu-user: qemu-aarch64; its older -static name too). The
# multiarch loader and libraries sit at their usual paths, so it needs no -L.
# One word, no arguments: the tests that start the program themselves prefix it.
find_program(RESX_QEMU_AARCH64 NAMES qemu-aarch64 qemu-aarch64-static REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${RESX_QEMU_AARCH64})
