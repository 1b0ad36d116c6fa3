#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds a static Qt for 64-bit Windows from Debian's own source of the Qt
# that is installed here, with only what the game and its tests need, and
# prints the prefix it is installed in.
#
# The result is cached outside the work tree, under
#   ${XDG_CACHE_HOME:-~/.cache}/roemische-zahlen/qt-windows/<key>/
# where <key> names the Qt version and a hash of the build options and the
# toolchain file, so it is built once per machine and rebuilt only when one
# of them changes. The first build takes about twenty minutes on two cores;
# its progress goes to the standard error, its full log into the cache.
#
# usage: build-qt.sh <MinGW toolchain file>
set -euo pipefail
. "$(dirname "$0")/../qt-build-common.sh"
label="Qt for Windows"

toolchain=$(realpath "$1")

# The Qt the Linux build uses, and so the source to build for Windows.
qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
[ -n "$qt_version" ] || { echo "build-qt.sh: qt6-base-dev is not installed" >&2; exit 1; }

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

# What goes into the cached Qt besides the build: its licences and those of
# the libraries it brings along that this configuration builds into Core,
# Gui and Widgets (the others are for platforms or modules left out).
THIRD_PARTY=(blake2 double-conversion easing freetype harfbuzz-ng icc libpng md4 md4c md5
             pcre2 pixman rfc6234 sha1 sha3 tinycbor zlib)
# Raised whenever what this script makes of the same options changes.
RECIPE=2

key_hash=$( { echo "$RECIPE"; printf '%s\n' "${QT_OPTIONS[@]}" "${THIRD_PARTY[@]}"; cat "$toolchain"; } |
  sha256sum | cut -c1-12)
cache_root=${XDG_CACHE_HOME:-$HOME/.cache}/roemische-zahlen/qt-windows
key="${qt_version//[^A-Za-z0-9.+-]/_}-x86_64-static-$key_hash"
cache=$cache_root/$key
prefix=$cache/prefix

qt_lock_cache "$label" "$cache_root"
if [ -f "$prefix/.complete" ]; then
  echo "Qt for Windows: cached in $prefix" >&2
  echo "$prefix"
  exit 0
fi

echo "Qt for Windows: building Qt $qt_version into $cache (once per machine, about twenty minutes on two cores)" >&2
# Builds of other options or versions, and unfinished ones, go.
rm -rf "$cache_root"/*/
rm -rf "$cache"
mkdir -p "$cache"
log=$cache/build.log
started=$(date +%s)

qt_fetch_source "$label" "$cache" "$qt_version" "$log"

# Debian's host tools of the same version (moc, rcc, uic, ...) serve the
# cross build; its CMake files sit in the multiarch folder.
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

# Only the installed Qt is kept; the source and the build tree (about
# 2.5 GB) go.
rm -rf "$cache/build" "$cache/source"
echo "$qt_version $(date -u +%FT%TZ) $(( $(date +%s) - started )) s" >"$prefix/.complete"
echo "Qt for Windows: built in $(( ($(date +%s) - started) / 60 )) min" >&2
echo "$prefix"
