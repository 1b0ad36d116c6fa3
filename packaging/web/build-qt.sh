#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds a static, single-threaded Qt for WebAssembly from Debian's own
# source of the Qt that is installed here, with Debian's emscripten, with
# only what the game and its tests need, and prints the prefix it is
# installed in. The patches beside this script mend what the game needs of
# Qt's WebAssembly platform; the prefix keeps a copy of them (patches/), for
# the licence of Qt and whoever builds it again.
#
# The result is cached outside the work tree, under
#   ${XDG_CACHE_HOME:-~/.cache}/roemische-zahlen/qt-web/<key>/
# where <key> names the Qt version, the emscripten version and a hash of the
# build options, so it is built once per machine and rebuilt only when one
# of them changes. The first build takes about twenty minutes on two cores;
# its progress goes to the standard error, its full log into the cache.
#
# Qt's own way to find emscripten wants an "emsdk" folder, which Debian does
# not have: Qt is configured with emscripten's CMake toolchain file directly,
# and the prefix gets a small emsdk-shaped folder (emsdk/) that points at
# Debian's emscripten, for the CMake functions of Qt that read it when a
# program is built. Export EMSDK=<prefix>/emsdk before configuring a program.
#
# usage: build-qt.sh
set -euo pipefail
. "$(dirname "$0")/../qt-build-common.sh"
label="Qt for the web"

qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
[ -n "$qt_version" ] || { echo "build-qt.sh: qt6-base-dev is not installed" >&2; exit 1; }
emcc_version=$(dpkg-query -W -f='${Version}' emscripten)
[ -n "$emcc_version" ] || { echo "build-qt.sh: emscripten is not installed" >&2; exit 1; }
emcc_release=${emcc_version%%~*}
emcc_release=${emcc_release%%-*}
toolchain=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake

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
PATCHES=("$(dirname "$(realpath "$0")")"/qt-wasm-{scaling,pointer-without-window,no-bundled-fonts,activate-shown-window}.patch)

THIRD_PARTY=(blake2 double-conversion easing freetype harfbuzz-ng icc libpng md4 md4c md5
             pcre2 pixman rfc6234 sha1 sha3 tinycbor zlib wasm)
# Raised whenever what this script makes of the same options changes.
RECIPE=2

key_hash=$( { echo "$RECIPE"; printf '%s\n' "${QT_OPTIONS[@]}" "${THIRD_PARTY[@]}"; cat "$toolchain" "${PATCHES[@]}"; } |
  sha256sum | cut -c1-12)
cache_root=${XDG_CACHE_HOME:-$HOME/.cache}/roemische-zahlen/qt-web
key="${qt_version//[^A-Za-z0-9.+-]/_}-emscripten-${emcc_release}-$key_hash"
cache=$cache_root/$key
prefix=$cache/prefix

qt_lock_cache "$label" "$cache_root"
if [ -f "$prefix/.complete" ]; then
  echo "$label: cached in $prefix" >&2
  echo "$prefix"
  exit 0
fi

echo "$label: building Qt $qt_version with emscripten $emcc_release into $cache (once per machine, about twenty minutes on two cores)" >&2
rm -rf "$cache_root"/*/
mkdir -p "$cache"
log=$cache/build.log
started=$(date +%s)

qt_fetch_source "$label" "$cache" "$qt_version" "$log"
for patch in "${PATCHES[@]}"; do
  echo "$label: applying $(basename "$patch")" >&2
  patch -d "$cache/source" -p1 --forward --quiet <"$patch" >>"$log" 2>&1 || {
    echo "$label: $(basename "$patch") does not apply to qt6-base $qt_version (log: $log)" >&2
    exit 1
  }
done

# emscripten's JavaScript tools look for their node modules where Debian
# keeps them.
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}

echo "$label: configuring" >&2
cmake -S "$cache/source" -B "$cache/build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DQT_HOST_PATH=/usr \
  -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(gcc -print-multiarch)/cmake" \
  -DCMAKE_INSTALL_PREFIX="$prefix" \
  "${QT_OPTIONS[@]}" >>"$log" 2>&1 || {
  echo "$label: configuring Qt failed (log: $log)" >&2
  exit 1
}

qt_compile "$label" "$cache/build" "$log" "$started"
cmake --install "$cache/build" >>"$log" 2>&1
qt_collect_licenses "$cache/source" "$prefix" "$qt_version" "${THIRD_PARTY[@]}"
mkdir -p "$prefix/patches"
cp "${PATCHES[@]}" "$prefix/patches/"

# The emsdk-shaped folder: Qt reads EMSCRIPTEN_ROOT from its .emscripten
# and finds emcc and the toolchain file below it.
emsdk=$prefix/emsdk
mkdir -p "$emsdk/debian"
echo "EMSCRIPTEN_ROOT = '/debian'" >"$emsdk/.emscripten"
ln -s /usr/bin/emcc "$emsdk/debian/emcc"
ln -s /usr/share/emscripten/cmake "$emsdk/debian/cmake"

rm -rf "$cache/build" "$cache/source"
echo "$qt_version $(date -u +%FT%TZ) $(( $(date +%s) - started )) s" >"$prefix/.complete"
echo "$label: built in $(( ($(date +%s) - started) / 60 )) min" >&2
echo "$prefix"
