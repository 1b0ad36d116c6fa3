#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds a static, single-threaded Qt for WebAssembly with Debian's
# emscripten (platforms/qt-build.sh has the recipe and the cache), with only
# what the game and its tests need and the patches in patches/, which mend
# what the game needs of Qt's WebAssembly platform; prints its prefix. The
# first build takes 10 to 20 minutes on two cores.
#
# Qt's own way to find emscripten wants an "emsdk" folder, which Debian does
# not have: Qt is configured with emscripten's CMake toolchain file directly,
# and the prefix gets a small emsdk-shaped folder (emsdk/) that points at
# Debian's emscripten, for the CMake functions of Qt that read it when a
# program is built. Export EMSDK=<prefix>/emsdk before configuring a program.
#
# usage: build-qt.sh
set -euo pipefail
. "$(dirname "$0")/../qt-build.sh"
label="Qt for the web"
cache_name=qt-web

emcc_version=$(dpkg-query -W -f='${Version}' emscripten)
[ -n "$emcc_version" ] || { echo "build-qt.sh: emscripten is not installed" >&2; exit 1; }
emcc_release=${emcc_version%%~*}
emcc_release=${emcc_release%%-*}
key_tail=emscripten-$emcc_release

# Only Core, Gui, Widgets and Test with the WebAssembly platform plugin,
# single-threaded (no SharedArrayBuffer, so no special headers on the web
# server). The modules and formats the game does not use stay out.
QT_OPTIONS=(
  -DCMAKE_BUILD_TYPE=Release
  -DBUILD_SHARED_LIBS=OFF
  -DQT_BUILD_EXAMPLES=OFF
  -DQT_BUILD_TESTS=OFF
  -DEMCC_VERSION="$emcc_release"
  -DQT_EMCC_RECOMMENDED_VERSION=3.1.14
  -DFEATURE_thread=OFF
  -DFEATURE_network=OFF
  -DFEATURE_sql=OFF
  -DFEATURE_dbus=OFF
  -DFEATURE_xml=OFF
  -DFEATURE_concurrent=OFF
  -DFEATURE_printsupport=OFF
  -DFEATURE_jpeg=OFF
  -DFEATURE_gif=OFF
)

# Mends to Debian's source that the game needs, applied in this order.
PATCHES=("$(dirname "$(realpath "$0")")"/patches/qt-wasm-{scaling,pointer-without-window,no-bundled-fonts,activate-shown-window,no-permission-queries}.patch)

THIRD_PARTY=(blake2 double-conversion easing freetype harfbuzz-ng icc libpng md4 md4c md5
             pcre2 pixman rfc6234 sha1 sha3 tinycbor zlib wasm)
RECIPE=2

# emscripten's JavaScript tools look for their node modules where Debian
# keeps them.
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}

# The emsdk-shaped folder: Qt reads EMSCRIPTEN_ROOT from its .emscripten
# and finds emcc and the toolchain file below it.
qt_finish() {
  local emsdk=$1/emsdk
  mkdir -p "$emsdk/debian"
  echo "EMSCRIPTEN_ROOT = '/debian'" >"$emsdk/.emscripten"
  ln -s /usr/bin/emcc "$emsdk/debian/emcc"
  ln -s /usr/share/emscripten/cmake "$emsdk/debian/cmake"
}

qt_build /usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake
