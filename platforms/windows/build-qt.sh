#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds a static Qt for 64-bit Windows (platforms/qt-build.sh has the
# recipe and the cache), with only what the game and its tests need, and
# prints its prefix. The first build takes about twenty minutes on two cores.
#
# usage: build-qt.sh <MinGW toolchain file>
set -euo pipefail
. "$(dirname "$0")/../qt-build.sh"
label="Qt for Windows"
cache_name=qt-windows
key_tail=x86_64-static

# Only Core, Gui, Widgets and Test, the Windows platform plugin and the
# offscreen one of the tests. Pitfalls of Debian's 6.4 source: its repack
# dropped the Wintab headers (no tablet events), and OpenGL must be left out
# as an input as well as a feature; Direct2D stays, the font database of
# the Windows plugin needs it.
QT_OPTIONS=(
  -DCMAKE_BUILD_TYPE=Release
  -DBUILD_SHARED_LIBS=OFF
  -DFEATURE_static_runtime=ON
  -DQT_QMAKE_TARGET_MKSPEC=win32-g++
  -DQT_BUILD_EXAMPLES=OFF
  -DQT_BUILD_TESTS=OFF
  -DFEATURE_network=OFF
  -DFEATURE_sql=OFF
  -DFEATURE_dbus=OFF
  -DFEATURE_xml=OFF
  -DFEATURE_concurrent=OFF
  -DFEATURE_printsupport=OFF
  -DFEATURE_vulkan=OFF
  -DFEATURE_jpeg=OFF
  -DFEATURE_tabletevent=OFF
  -DFEATURE_opengl=OFF
  -DINPUT_opengl=no
  -DFEATURE_freetype=ON
  -DFEATURE_system_freetype=OFF
  -DFEATURE_system_zlib=OFF
  -DFEATURE_system_png=OFF
  -DFEATURE_system_pcre2=OFF
  -DFEATURE_system_harfbuzz=OFF
  -DFEATURE_system_doubleconversion=OFF
)

# The libraries Qt brings along that this configuration builds into Core,
# Gui and Widgets (the others are for platforms or modules left out).
THIRD_PARTY=(blake2 double-conversion easing freetype harfbuzz-ng icc libpng md4 md4c md5
             pcre2 pixman rfc6234 sha1 sha3 tinycbor zlib)
PATCHES=()
RECIPE=2

qt_build "$(realpath "$1")"
