#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The Windows build on Windows' own platform under Wine, on an X display of
# its own (Xvfb), where the test suite runs offscreen:
#   1. the layout tests pass: with the fonts Windows has (under Wine, Wine's
#      own Tahoma), every caption and text fits its control;
#   2. each spoken message is raised as a UI Automation notification on its
#      window, against stand-ins for uiautomationcore.dll, one with the
#      notification and one without, as Wine is;
#   3. the short scripted game (start, a right answer in each direction,
#      the lost game, the game-over window, a new game, "Ende") plays through;
#   4. the game itself opens its window "Mathematik" at 318,70 with a client
#      area of 386 x 453, and a click on "Ende" ends it with status 0
#      (checks/windows-game.sh).
# Starts and ends only its own processes, by their ids.
#
# usage: checks/windows-desktop.sh <Windows build folder>
set -euo pipefail
build=$(realpath "$1")
wine_run=$(realpath "$(dirname "$0")/../packaging/windows/wine-run")
work=$(mktemp -d)
xvfb=

finish() {
  # Wine's server leaves by itself once its programs have ended.
  WINEPREFIX=${WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/roemische-zahlen/wine} \
    timeout 30 /usr/lib/wine/wineserver --wait 2>/dev/null || true
  [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap finish EXIT

fail() {
  echo "windows-desktop: $*" >&2
  exit 1
}

# A display of its own: Xvfb picks a free number and tells it.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=:$(cat "$work/display")
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

echo "-- the layout tests on Windows' platform"
(cd "$build/exercise" && QT_SCALE_FACTOR=1 timeout 300 "$wine_run" test_layout.exe >"$work/layout.out" 2>&1) ||
  { grep -E '^(FAIL|   Loc|Totals)' "$work/layout.out" >&2; fail "the layout tests failed"; }
echo "   $(grep '^Totals:' "$work/layout.out")"

echo "-- the spoken messages as UI Automation notifications"
(cd "$build/ui" && QT_SCALE_FACTOR=1 timeout 120 "$wine_run" test_platformannounce.exe >"$work/announce.out" 2>&1) ||
  { grep -E '^(FAIL|   Loc|Totals)' "$work/announce.out" >&2; fail "the notification tests failed"; }
echo "   $(grep '^Totals:' "$work/announce.out")"

echo "-- the scripted game on Windows' platform"
timeout 120 "$wine_run" "$build/checks/rz-smokegame.exe" 2>"$work/smokegame.err" ||
  fail "the scripted game failed: $(grep -v -E 'DpiAwareness|NonClientDpiScaling' "$work/smokegame.err")"

echo "-- the game's window, and \"Ende\""
"$(dirname "$0")/windows-game.sh" "$build/app/roemische-zahlen.exe"
