# SPDX-FileCopyrightText: 2026 ResX developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Cross-building for 64-bit Arm (arm64, such as a Raspberry Pi) on a Debian PC
# with the arm64 architecture added to apt and scripts/packages-arm64.txt
# installed: the cross compilers, and the arm64 libraries at their multiarch
# paths beside the PC's own. The `arm64` preset uses it, with Qt's build tools
# from the host (QT_HOST_PATH).
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
# No root to re-root the searches into, so no CMAKE_FIND_ROOT_PATH_MODE_*:
# multiarch keeps the arm64 libraries and their CMake packages in
# /usr/lib/aarch64-linux-gnu beside the PC's, and with this find_library and
# find_package search lib/aarch64-linux-gnu under each prefix, not the PC's
# lib/x86_64-linux-gnu (find_path include/aarch64-linux-gnu, then the shared
# include). Programs (help2man, qemu) are the PC's own; Qt finds its build
# tools through QT_HOST_PATH.
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
# Debian's name for it: the package's architecture and dpkg-buildflags' target.
set(RESX_DEB_HOST_ARCH arm64 CACHE STRING "The Debian architecture the build is for (empty: this machine's)")

# Every arm64 program the build or the tests run goes through qemu's user-mode
# emulator (qemu-aarch64; its older -static name too). The multiarch loader
# and libraries sit at their usual paths, so it needs no -L. One word, no
# arguments: the tests that start the program themselves prefix it.
find_program(RESX_QEMU_AARCH64 NAMES qemu-aarch64 qemu-aarch64-static REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${RESX_QEMU_AARCH64})
