#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The layout on machines with fewer fonts than this one, made with a private
# fontconfig configuration that hides fonts (nothing on the machine is
# removed):
#   all fonts                     the layout tests pass, nothing is cut off
#   Liberation hidden             the same, in another face of its widths
#   Liberation and URW hidden     the program starts and plays, and says
#                                 once which package makes the layout fit
#
# usage: checks/font-setups.sh <build folder>
set -euo pipefail
build=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A configuration of the system's fonts, with every font file of the given
# Debian packages rejected.
configure() {
  local file=$work/$1.conf
  shift
  {
    echo '<?xml version="1.0"?>'
    echo '<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">'
    echo '<fontconfig>'
    echo '  <include ignore_missing="no">/etc/fonts/fonts.conf</include>'
    echo '  <selectfont><rejectfont>'
    local package file
    for package in "$@"; do
      dpkg-query -L "$package" 2>/dev/null | grep -E '\.(ttf|otf|ttc|pfb|pfa|t1)$' |
        while read -r file; do echo "    <glob>$file</glob>"; done
    done
    echo '  </rejectfont></selectfont>'
    echo '</fontconfig>'
  } >"$file"
  echo "$file"
}

layout_tests() {
  QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=1 \
    ctest --test-dir "$build" --output-on-failure --no-tests=error \
    -R '^(test_layout|test_gameover|test_ui)$'
}

# What the sans-serif faces of the layout are drawn in.
faces() {
  fc-list : family | grep -E -x -i 'Liberation Sans|Nimbus Sans|DejaVu Sans' | sort -u | paste -sd, -
}

echo "-- fonts: all installed ($(faces))"
FONTCONFIG_FILE=$(configure all) layout_tests

conf=$(configure no-liberation fonts-liberation2 fonts-liberation)
echo "-- fonts: Liberation hidden ($(FONTCONFIG_FILE=$conf faces))"
if grep -q -x 'Liberation Sans' <<<"$(FONTCONFIG_FILE=$conf fc-list : family)"; then
  echo "font-setups: Liberation Sans is still visible; the set-up does not hide it" >&2
  exit 1
fi
FONTCONFIG_FILE=$conf layout_tests

conf=$(configure no-metric fonts-liberation2 fonts-liberation fonts-urw-base35)
echo "-- fonts: Liberation and URW hidden ($(FONTCONFIG_FILE=$conf faces))"
if grep -q -x -E 'Liberation Sans|Nimbus Sans' <<<"$(FONTCONFIG_FILE=$conf fc-list : family)"; then
  echo "font-setups: a face of the classic widths is still visible; the set-up does not hide it" >&2
  exit 1
fi
# A whole game, start to "Ende", with the wide fallback.
FONTCONFIG_FILE=$conf QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=1 \
  "$build/checks/rz-smokegame" 2>"$work/stderr" || {
  cat "$work/stderr" >&2
  echo "font-setups: the game did not play through without the fonts of the layout" >&2
  exit 1
}
told=$(grep -c 'fonts-liberation2' "$work/stderr" || true)
if [ "$told" -ne 1 ]; then
  cat "$work/stderr" >&2
  echo "font-setups: the program told $told times (once expected) which package makes the layout fit" >&2
  exit 1
fi
echo "   the game played through; it said: $(grep 'fonts-liberation2' "$work/stderr")"
