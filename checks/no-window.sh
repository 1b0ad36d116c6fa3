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
# on a display of its own (Xvfb), the program must start as always: its
# window "Mathematik" opens, and it prints nothing.
# Starts and ends only its own processes, by their ids.
#
# usage: checks/no-window.sh <program>
set -euo pipefail
program=$(realpath "$1")
work=$(mktemp -d)
xvfb=
game=

finish() {
  [ -z "$game" ] || kill "$game" 2>/dev/null || true
  [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap finish EXIT

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
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "no-window: Xvfb did not start: $(cat "$work/xvfb.log")" >&2; exit 1; }
(cd "$work/run" &&
  exec env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE \
    DISPLAY=":$(cat "$work/display")" XDG_RUNTIME_DIR="$work/xdg" \
    "$program" >"$work/out" 2>"$work/err") &
game=$!
window=
for _ in $(seq 100); do
  kill -0 "$game" 2>/dev/null || break
  window=$(DISPLAY=":$(cat "$work/display")" xwininfo -root -tree 2>/dev/null | grep -c '"Mathematik"' || true)
  [ "$window" -gt 0 ] && break
  sleep 0.1
done
# Whatever it would print at the start has been printed a second later.
sleep 1
if [ "${window:-0}" -gt 0 ] && kill -0 "$game" 2>/dev/null && [ ! -s "$work/out" ] && [ ! -s "$work/err" ]; then
  passed=$((passed + 1))
  echo "   ok    a display of its own: the window \"Mathematik\" is open, nothing printed"
else
  failed=$((failed + 1))
  echo "   FAIL  a display of its own: window shown: ${window:-0}, running: $(kill -0 "$game" 2>/dev/null && echo yes || echo no)," \
    "printed: $(cat "$work/out" "$work/err" | wc -l) lines" >&2
  cat "$work/out" "$work/err" | sed 's/^/         | /' >&2
fi
kill "$game" 2>/dev/null || true
wait "$game" 2>/dev/null || true
game=

echo "   $passed passed, $failed failed"
[ "$failed" -eq 0 ]
