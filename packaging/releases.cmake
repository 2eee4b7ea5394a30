# SPDX-FileCopyrightText: 2026 ResX developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes the Debian changelog and the AppStream metainfo with its releases from
# CHANGELOG.md, so that neither can drift from it; the metainfo's id is the
# application id and its developer the maintainer. Run at build time as
#   cmake -DCHANGELOG=... -DVERSION=... -DPACKAGE=... -DMAINTAINER=...
#         -DDEBIAN_CHANGELOG=... -DRESX_ID=... -DRESX_MAINTAINER_NAME=...
#         -DRESX_MAINTAINER_EMAIL=... -DMETAINFO_IN=... -DMETAINFO=... -P releases.cmake
cmake_minimum_required(VERSION 3.25)

# CMake lists are split at ';', so semicolons in the text travel as a unit
# separator and come back on writing.
string(ASCII 31 semicolon)
file(READ ${CHANGELOG} text)
string(REPLACE ";" "${semicolon}" text "${text}")
string(REPLACE "`" "" text "${text}")
string(REPLACE "\n" ";" lines "${text}")

# Every release: its version in `versions`, its date and time, and its bullets
# (continuation lines joined) in `items_<version>`.
set(versions)
set(version)
set(item)
macro(end_item)
  if(NOT "${item}" STREQUAL "")
    list(APPEND items_${version} "${item}")
    set(item)
  endif()
endmacro()
foreach(line IN LISTS lines)
  if(line MATCHES "^## ")
    end_item()
    if(NOT line MATCHES "^## ([0-9]+\\.[0-9]+\\.[0-9]+) - ([0-9]+-[0-9]+-[0-9]+) ([0-9]+:[0-9]+) UTC$")
      message(FATAL_ERROR "${CHANGELOG}: not a release heading (## VERSION - YYYY-MM-DD HH:MM UTC): ${line}")
    endif()
    set(version ${CMAKE_MATCH_1})
    list(APPEND versions ${version})
    set(date_${version} ${CMAKE_MATCH_2})
    set(time_${version} ${CMAKE_MATCH_3})
  elseif(NOT "${version}" STREQUAL "" AND line MATCHES "^- (.+)")
    end_item()
    set(item "${CMAKE_MATCH_1}")
  elseif(NOT "${item}" STREQUAL "" AND line MATCHES "^  +(.+)")
    string(APPEND item " ${CMAKE_MATCH_1}")
  else()
    end_item()
  endif()
endforeach()
end_item()

list(GET versions 0 newest)
if(NOT "${newest}" STREQUAL "${VERSION}")
  message(FATAL_ERROR "${CHANGELOG}: the newest release is ${newest}, the project version ${VERSION}")
endif()

# Words of `text` on lines of at most 80 columns, the first starting with
# `first`, the others with `rest`.
function(wrap text first rest out)
  string(REPLACE " " ";" words "${text}")
  set(result)
  set(line "${first}")
  set(separator "")
  foreach(word IN LISTS words)
    if("${word}" STREQUAL "")
      continue()
    endif()
    string(LENGTH "${line}${separator}${word}" length)
    if(length GREATER 80 AND NOT "${separator}" STREQUAL "")
      string(APPEND result "${line}\n")
      set(line "${rest}${word}")
    else()
      string(APPEND line "${separator}${word}")
    endif()
    set(separator " ")
  endforeach()
  set(${out} "${result}${line}\n" PARENT_SCOPE)
endfunction()

set(debian)
set(releases)
foreach(version IN LISTS versions)
  execute_process(COMMAND date -u -R -d "${date_${version}} ${time_${version}} UTC"
    OUTPUT_VARIABLE stamp OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  if(NOT "${debian}" STREQUAL "")
    string(APPEND debian "\n")
  endif()
  string(APPEND debian "${PACKAGE} (${version}) unstable; urgency=medium\n\n")
  string(APPEND releases "    <release version=\"${version}\" date=\"${date_${version}}\">\n"
    "      <description>\n        <ul>\n")
  foreach(item IN LISTS items_${version})
    wrap("${item}" "  * " "    " lines)
    string(APPEND debian "${lines}")
    string(REPLACE "&" "&amp;" item "${item}")
    string(REPLACE "<" "&lt;" item "${item}")
    string(REPLACE ">" "&gt;" item "${item}")
    string(APPEND releases "          <li>${item}</li>\n")
  endforeach()
  string(APPEND debian "\n -- ${MAINTAINER}  ${stamp}\n")
  string(APPEND releases "        </ul>\n      </description>\n    </release>\n")
endforeach()

string(REPLACE "${semicolon}" ";" debian "${debian}")
string(REPLACE "${semicolon}" ";" RESX_RELEASES "${releases}")
file(WRITE ${DEBIAN_CHANGELOG} "${debian}")
configure_file(${METAINFO_IN} ${METAINFO} @ONLY)
