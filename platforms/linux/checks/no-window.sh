#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The built program started where no window can be shown:
#   no display             no DISPLAY, no WAYLAND_DISPLAY, no platform named
#   display gone           DISPLAY names a display that does not exist
#   -platform bogus        a platform that does not exist, on the command line
#   QT_QPA_PLATFORM=bogus  the same, in the environment
#   xcb, display gone      a platform that exists but cannot connect
#   linuxfb, no device     a platform that starts but has no screen
# Each must end within 10 s with status 1 and one German line on the
# standard error (no abort, no core dump, nothing of Qt's own), which names
# what is missing and, where Qt names them, the platforms there are. Then,
# on a display of its own (Xvfb, started by the checks' kit), the program must
# start as always: its window opens, and it prints nothing.
# Starts and ends only its own processes, by their ids.
#
# usage: no-window.sh <program>
set -euo pipefail
# The kit of the checks, where the script is run by hand.
export PYTHONPATH=${PYTHONPATH:-$(realpath "$(dirname "$0")/../../../checks")}

# On the display the kit started: the program's window must open, and it
# must print nothing.
if [ "${1:-}" = --on-display ]; then
  program=$2 work=$3 title=$4
  (cd "$work/run" &&
    exec env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE XDG_RUNTIME_DIR="$work/xdg" \
      "$program" >"$work/out" 2>"$work/err") &
  game=$!
  window=0
  for _ in $(seq 100); do
    kill -0 "$game" 2>/dev/null || break
    window=$(xwininfo -root -tree 2>/dev/null | grep -c "\"$title\"" || true)
    [ "$window" -gt 0 ] && break
    sleep 0.1
  done
  # Whatever it would print at the start has been printed a second later.
  sleep 1
  running=no
  kill -0 "$game" 2>/dev/null && running=yes
  kill "$game" 2>/dev/null || true
  wait "$game" 2>/dev/null || true
  if [ "$window" -gt 0 ] && [ "$running" = yes ] && [ ! -s "$work/out" ] && [ ! -s "$work/err" ]; then
    exit 0
  fi
  echo "   FAIL  a display of its own: window shown: $window, running: $running," \
    "printed: $(cat "$work/out" "$work/err" | wc -l) lines" >&2
  cat "$work/out" "$work/err" | sed 's/^/         | /' >&2
  exit 1
fi

program=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Cores are written where the process runs: into a folder of the check's
# own, with no limit on their size, so that an abort leaves one.
mkdir -m 700 "$work/run" "$work/xdg"
ulimit -c unlimited
core_pattern=$(cat /proc/sys/kernel/core_pattern 2>/dev/null || echo '?')

# A display number no X server has: no socket, no lock file, no abstract
# socket.
free_display() {
  local n
  for n in $(seq 90 199); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    grep -q "@/tmp/.X11-unix/X$n\$" /proc/net/unix 2>/dev/null && continue
    echo ":$n"
    return
  done
  echo "no-window: no free display number between 90 and 199" >&2
  exit 1
}
gone=$(free_display)

platforms='Vorhandene Plattformen \(-platform\): [a-z0-9]+(, [a-z0-9]+)*\.'
desktop='Das Spiel öffnet sein Fenster nur in einer grafischen Sitzung \(X11 oder Wayland\); bitte dort starten\.'

passed=0
failed=0

# expect <name> <pattern for the whole standard error> <env assignments...> -- <arguments...>
expect() {
  local name=$1 pattern=$2
  shift 2
  local settings=()
  while [ "$1" != -- ]; do settings+=("$1"); shift; done
  shift
  local status=0
  (cd "$work/run" &&
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE \
      XDG_RUNTIME_DIR="$work/xdg" "${settings[@]}" \
      timeout -k 2 10 "$program" "$@" >"$work/out" 2>"$work/err") || status=$?
  local problems=()
  case $status in
    1) ;;
    124 | 137) problems+=("still running after 10 s") ;;
    13[0-9] | 1[4-9][0-9]) problems+=("killed by signal $((status - 128)) (status $status)") ;;
    *) problems+=("exit status $status, not 1") ;;
  esac
  local cores
  cores=$(find "$work/run" -maxdepth 1 -name 'core*' | wc -l)
  [ "$cores" -eq 0 ] || problems+=("left $cores core dump(s)")
  rm -f "$work/run"/core*
  [ ! -s "$work/out" ] || problems+=("wrote on the standard output")
  local lines
  lines=$(wc -l <"$work/err")
  [ "$lines" -eq 1 ] || problems+=("$lines lines on the standard error, not one")
  grep -q -x -E -- "$pattern" "$work/err" || problems+=("not the German line expected")
  if [ ${#problems[@]} -eq 0 ]; then
    passed=$((passed + 1))
    echo "   ok    $name: $(cat "$work/err")"
  else
    failed=$((failed + 1))
    echo "   FAIL  $name: $(IFS=';'; echo "${problems[*]}")" >&2
    sed 's/^/         | /' "$work/err" >&2
  fi
}

echo "-- where no window can be shown (cores go to: $core_pattern)"
expect "no display" \
  "roemische-zahlen: Keine grafische Oberfläche \(DISPLAY und WAYLAND_DISPLAY sind nicht gesetzt\)\. $desktop $platforms" \
  --
expect "display gone ($gone)" \
  "roemische-zahlen: Die grafische Oberfläche ist nicht erreichbar \(DISPLAY ist „$gone“\)\. $desktop $platforms" \
  DISPLAY="$gone" --
expect "-platform bogus" \
  "roemische-zahlen: Die Plattform „bogus“ aus -platform gibt es nicht\. $platforms" \
  -- -platform bogus
expect "QT_QPA_PLATFORM=bogus" \
  "roemische-zahlen: Die Plattform „bogus“ aus QT_QPA_PLATFORM gibt es nicht\. $platforms" \
  QT_QPA_PLATFORM=bogus --
expect "xcb, display gone ($gone)" \
  "roemische-zahlen: Die Plattform „xcb“ aus -platform ließ sich nicht starten \(DISPLAY ist „$gone“\)\. $desktop $platforms" \
  DISPLAY="$gone" -- -platform xcb
expect "linuxfb, no device" \
  "roemische-zahlen: Die Plattform „linuxfb“ aus QT_QPA_PLATFORM ließ sich nicht starten\. $desktop" \
  QT_QPA_PLATFORM=linuxfb:fb="$work/no-framebuffer" --

echo "-- a display of its own: the window opens, nothing is printed"
title=$(/usr/bin/python3 -c 'from rzkit import facts; print(facts.exercise().title)')
if /usr/bin/python3 -m rzkit.session -- "$0" --on-display "$program" "$work" "$title"; then
  passed=$((passed + 1))
  echo "   ok    a display of its own: the window \"$title\" is open, nothing printed"
else
  failed=$((failed + 1))
fi

echo "   $passed passed, $failed failed"
[ "$failed" -eq 0 ]
