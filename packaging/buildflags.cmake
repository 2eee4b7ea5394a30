# SPDX-FileCopyrightText: 2026 ResX developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The compiler and linker flags of a Debian package build, as dpkg-buildflags
# gives them with every hardening feature on: fortified functions, stack
# protector, read-only relocations bound at start-up, position-independent
# executables. They depend on the architecture the build is for:
# RESX_DEB_HOST_ARCH (for example arm64), by default this machine's.
find_program(RESX_DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT RESX_DPKG_BUILDFLAGS)
  message(FATAL_ERROR "RESX_DEBIAN_BUILDFLAGS needs dpkg-buildflags: scripts/test installs it (scripts/packages-test.txt)")
endif()
set(RESX_DEB_HOST_ARCH "" CACHE STRING "The Debian architecture the build is for (empty: this machine's)")
set(environment DEB_BUILD_MAINT_OPTIONS=hardening=+all)
if(RESX_DEB_HOST_ARCH)
  list(APPEND environment DEB_HOST_ARCH=${RESX_DEB_HOST_ARCH})
endif()
foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env ${environment} ${RESX_DPKG_BUILDFLAGS} --get ${kind}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} OUTPUT_VARIABLE ${kind} OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
message(STATUS "Debian build flags: ${CPPFLAGS} ${CXXFLAGS} ${LDFLAGS}")
string(APPEND CMAKE_CXX_FLAGS " ${CPPFLAGS} ${CXXFLAGS}")
string(APPEND CMAKE_EXE_LINKER_FLAGS " ${LDFLAGS}")
