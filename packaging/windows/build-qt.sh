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

# Debian's host tools of the same version (moc, rcc, uic, ...) serve the
# cross build; its CMake files sit in the multiarch folder.
#
# Debian's source package, fetched through a private source list that
# mirrors the system's binary sources as deb-src; the system's apt
# configuration is left as it is.
apt_dir=$cache/apt
mkdir -p "$apt_dir/lists/partial" "$apt_dir/sources.list.d"
for f in /etc/apt/sources.list.d/*.sources; do
  [ -e "$f" ] || continue
  sed -E 's/^Types:.*/Types: deb-src/' "$f" >"$apt_dir/sources.list.d/$(basename "$f")"
done
if [ -f /etc/apt/sources.list ]; then
  sed -n -E 's/^[[:space:]]*deb[[:space:]]+/deb-src /p' /etc/apt/sources.list >"$apt_dir/sources.list.d/system.list"
fi
apt_options=(-o "Dir::Etc::SourceParts=$apt_dir/sources.list.d" -o Dir::Etc::SourceList=/dev/null
             -o "Dir::State::Lists=$apt_dir/lists")
echo "Qt for Windows: fetching the source of qt6-base $qt_version" >&2
apt-get "${apt_options[@]}" update -qq >>"$log" 2>&1 || true
(cd "$cache" && apt-get "${apt_options[@]}" source --download-only "qt6-base=$qt_version" >>"$log" 2>&1) || {
  echo "build-qt.sh: could not fetch the source of qt6-base $qt_version (log: $log)" >&2
  exit 1
}
(cd "$cache" && dpkg-source -x ./qt6-base_*.dsc source >>"$log" 2>&1)

echo "Qt for Windows: configuring" >&2
cmake -S "$cache/source" -B "$cache/build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DQT_HOST_PATH=/usr \
  -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(gcc -print-multiarch)/cmake" \
  -DCMAKE_INSTALL_PREFIX="$prefix" \
  "${QT_OPTIONS[@]}" >>"$log" 2>&1 || {
  echo "build-qt.sh: configuring Qt failed (log: $log)" >&2
  exit 1
}

# Ninja's status line shows steps done of all; a line every 5 per cent.
echo "Qt for Windows: compiling" >&2
set +e
NINJA_STATUS='[%f/%t] ' cmake --build "$cache/build" --parallel "$(nproc)" 2>&1 |
  tee -a "$log" |
  {
    shown=-5
    while IFS= read -r line; do
      [[ $line =~ ^\[([0-9]+)/([0-9]+)\] ]] || continue
      done_steps=${BASH_REMATCH[1]} all_steps=${BASH_REMATCH[2]}
      pct=$(( 100 * done_steps / all_steps ))
      if [ "$pct" -ge $(( shown + 5 )) ]; then
        shown=$(( pct - pct % 5 ))
        echo "Qt for Windows: $pct% ($done_steps of $all_steps steps, $(( ($(date +%s) - started) / 60 )) min)" >&2
      fi
    done
  }
status=${PIPESTATUS[0]}
set -e
if [ "$status" -ne 0 ]; then
  echo "build-qt.sh: building Qt failed (log: $log)" >&2
  exit 1
fi
cmake --install "$cache/build" >>"$log" 2>&1

# The licence texts a package of a program linked with this Qt ships.
licenses=$prefix/licenses
mkdir -p "$licenses/3rdparty"
cp "$cache/source/LICENSES/LGPL-3.0-only.txt" "$cache/source/LICENSES/GPL-3.0-only.txt" "$licenses/"
for part in "${THIRD_PARTY[@]}"; do
  mkdir -p "$licenses/3rdparty/$part"
  find "$cache/source/src/3rdparty/$part" -maxdepth 1 -type f \
    \( -iname '*licen[cs]e*' -o -iname 'copying*' -o -name qt_attribution.json \) \
    -exec cp {} "$licenses/3rdparty/$part/" \;
done
cp "$cache/source/src/3rdparty/freetype/docs/FTL.TXT" "$licenses/3rdparty/freetype/"
echo "qt6-base $qt_version" >"$prefix/source-package.txt"

# Only the installed Qt is kept; the source and the build tree (about
# 2.5 GB) go.
rm -rf "$cache/build" "$cache/source" "$apt_dir" "$cache"/qt6-base_*
echo "$qt_version $(date -u +%FT%TZ) $(( $(date +%s) - started )) s" >"$prefix/.complete"
echo "Qt for Windows: built in $(( ($(date +%s) - started) / 60 )) min" >&2
echo "$prefix"
