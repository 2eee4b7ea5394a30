# SPDX-FileCopyrightText: 2026 ResX developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by scripts/test and scripts/web, from the top of the repository:
# each stage writes its whole output to build/logs/STAGE.log and prints a line
# or two here; a failing stage prints the end of its log.
logs=build/logs
mkdir -p "$logs"
failures=0

# `stage NAME TITLE COMMAND...`: runs the command with its output in its log.
stage() {
  local name=$1 title=$2 log=$logs/$1.log start=$SECONDS
  shift 2
  echo "== $title (log: $log)"
  "$@" >"$log" 2>&1
  local status=$?
  if ((status != 0)); then
    echo "-- the last lines of $log:"
    tail -n 40 "$log"
    echo "-- $name FAILED after $((SECONDS - start)) s; the whole output is in $log"
    failures=$((failures + 1))
  else
    echo "   done in $((SECONDS - start)) s"
  fi
  return "$status"
}

# `setup LIST...`: installs the missing packages of scripts/packages-LIST.txt
# (the set-up stage), or ends the script, as nothing can go on without them.
setup() {
  if ! stage setup "Set-up: the Debian packages of$(printf ' scripts/packages-%s.txt' "$@")" \
    ./scripts/install-deps "$@"; then
    echo "set-up failed: nothing done"
    exit 1
  fi
  echo "   $(sed -n 's/^Installing missing packages: //p' "$logs/setup.log" | wc -w) packages of the lists installed now"
}

# A file's size in KB of 1,000 bytes, to one decimal: "101.7 KB".
kilobytes() {
  local bytes
  bytes=$(stat -c %s "$1")
  printf '%d.%d KB' $((bytes / 1000)) $((bytes % 1000 / 100))
}
