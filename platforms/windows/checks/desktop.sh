#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The Windows build on Windows' own platform under Wine, on an X display of
# its own (started by the checks' kit), where the test suite runs offscreen:
#   1. the layout tests pass: with the fonts Windows has (under Wine, Wine's
#      own Tahoma), every caption and text fits its control;
#   2. each spoken message is raised as a UI Automation notification on its
#      window, against stand-ins for uiautomationcore.dll, one with the
#      notification and one without, as Wine is;
#   3. the short scripted game (start, a right answer in each direction,
#      the lost game, the game-over window, a new game, "Ende") plays through,
#      and Wine's trace of Winsock shows it open no socket;
#   4. the game itself opens its window where its layout puts it, ends
#      with status 0 on a click on "Ende", and opens no socket (game.py).
# Starts and ends only its own processes, by their ids.
#
# usage: desktop.sh <test_layout.exe> <test_platformannounce.exe> <rz-smokegame.exe> <roemische-zahlen.exe>
set -euo pipefail
here=$(realpath "$(dirname "$0")")
export PYTHONPATH=${PYTHONPATH:-$(realpath "$here/../../../checks")}
if [ -z "${RZ_ON_DISPLAY:-}" ]; then
  RZ_ON_DISPLAY=1 exec /usr/bin/python3 -m rzkit.session -- "$0" "$@"
fi
[ $# -eq 4 ] || { echo "usage: desktop.sh <test_layout.exe> <test_platformannounce.exe> <rz-smokegame.exe> <roemische-zahlen.exe>" >&2; exit 2; }
layout=$(realpath "$1") announce=$(realpath "$2") smokegame=$(realpath "$3") game=$(realpath "$4")
wine_run=$here/../wine-run
work=$(mktemp -d)

finish() {
  # Wine's server leaves by itself once its programs have ended.
  WINEPREFIX=${WINEPREFIX:-$RZ_CACHE/wine} timeout 30 /usr/lib/wine/wineserver --wait 2>/dev/null || true
  rm -rf "$work"
}
trap finish EXIT

fail() {
  echo "windows-desktop: $*" >&2
  exit 1
}
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

echo "-- the layout tests on Windows' platform"
(cd "$(dirname "$layout")" && QT_SCALE_FACTOR=1 timeout 300 "$wine_run" "$layout" >"$work/layout.out" 2>&1) ||
  { grep -E '^(FAIL|   Loc|Totals)' "$work/layout.out" >&2; fail "the layout tests failed"; }
echo "   $(grep '^Totals:' "$work/layout.out")"

echo "-- the spoken messages as UI Automation notifications"
(cd "$(dirname "$announce")" && QT_SCALE_FACTOR=1 timeout 120 "$wine_run" "$announce" >"$work/announce.out" 2>&1) ||
  { grep -E '^(FAIL|   Loc|Totals)' "$work/announce.out" >&2; fail "the notification tests failed"; }
echo "   $(grep '^Totals:' "$work/announce.out")"

echo "-- the scripted game on Windows' platform, and no socket"
/usr/bin/python3 -m rzkit.wine no-socket "$(basename "$smokegame")" timeout 120 "$wine_run" "$smokegame" \
  2>"$work/smokegame.err" ||
  fail "the scripted game failed: $(grep -v -E 'DpiAwareness|NonClientDpiScaling' "$work/smokegame.err")"

echo "-- the game's window, and \"Ende\""
"$here/game.py" "$game"
