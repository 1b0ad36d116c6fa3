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
# server). Everything else is switched off where Qt has a switch for it:
# a static program carries whatever Qt's factories, styles and registries
# can reach, used or not, and every page load downloads it. The game shows
# two windows of labels, push buttons, radio buttons and one read-only text
# box, in the Fusion style, read by a screen reader; a switch goes when
# nothing of that needs it (a word on each). README, "Browser", has what
# each group of switches saved.
QT_OPTIONS=(
  -DCMAKE_BUILD_TYPE=Release
  -DBUILD_SHARED_LIBS=OFF
  -DQT_BUILD_EXAMPLES=OFF
  -DQT_BUILD_TESTS=OFF
  -DEMCC_VERSION="$emcc_release"
  -DQT_EMCC_RECOMMENDED_VERSION=3.1.14
  # Compiled for size (-Os instead of -O2/-O3): a pupil waits for the
  # download, not for Qt's code, which runs a few hundred clicks a game.
  -DFEATURE_optimize_size=ON
  # Modules the game does not use.
  -DFEATURE_thread=OFF
  -DFEATURE_network=OFF
  -DFEATURE_sql=OFF
  -DFEATURE_dbus=OFF
  -DFEATURE_xml=OFF
  -DFEATURE_concurrent=OFF
  -DFEATURE_printsupport=OFF
  # Image formats: the game reads PNG only (its window icon); XPM stays
  # for drag and drop (above).
  -DFEATURE_jpeg=OFF
  -DFEATURE_gif=OFF
  -DFEATURE_ico=OFF
  -DFEATURE_imageformat_bmp=OFF
  -DFEATURE_imageformat_ppm=OFF
  -DFEATURE_imageformat_xbm=OFF
  -DFEATURE_movie=OFF             # no animated images
  -DFEATURE_image_heuristic_mask=OFF
  -DFEATURE_image_text=OFF        # no text chunks read from images
  -DFEATURE_picture=OFF           # no recorded QPainter commands
  -DFEATURE_pdf=OFF               # nothing printed or written as PDF
  # Text: the game's text box shows plain text and is never saved.
  -DFEATURE_textodfwriter=OFF
  -DFEATURE_textmarkdownreader=OFF
  -DFEATURE_textmarkdownwriter=OFF
  -DFEATURE_syntaxhighlighter=OFF
  -DFEATURE_textbrowser=OFF       # no hypertext
  # Windows of kinds the game has none of: MDI, splash screens, the
  # graphics view (which QWidget otherwise reaches through its proxy
  # widgets), context menus (the text box turns its own off). Some stay,
  # as Qt 6.4's Widgets does not compile without them: menus, main
  # windows with their tool bars and resize handler, tool buttons
  # (compat/removed_api.cpp includes their headers whatever the switches
  # say); dialogs, message boxes with their button boxes and check boxes
  # (the accessibility of message boxes is built whatever the switches
  # say); group boxes (their button groups bring a header QAbstractButton
  # needs); XPM below, without which Qt has no drag and drop, and
  # QApplication's event code does not compile. The file, colour, font,
  # input and progress dialogs go with the item views and line edits.
  -DFEATURE_graphicsview=OFF
  -DFEATURE_contextmenu=OFF
  -DFEATURE_mdiarea=OFF
  -DFEATURE_splashscreen=OFF
  # Controls the game has none of: item views (and with them every list,
  # tree, table, combo box, completer and calendar), line edits and spin
  # boxes (the answer comes from the game's own buttons), sliders
  # other than the text box's scroll bar, and the rest.
  -DFEATURE_itemviews=OFF
  -DFEATURE_lineedit=OFF
  -DFEATURE_commandlinkbutton=OFF
  -DFEATURE_stackedwidget=OFF
  -DFEATURE_splitter=OFF
  -DFEATURE_lcdnumber=OFF
  -DFEATURE_dial=OFF
  -DFEATURE_progressbar=OFF
  -DFEATURE_formlayout=OFF
  -DFEATURE_sizegrip=OFF
  -DFEATURE_rubberband=OFF
  -DFEATURE_statustip=OFF
  -DFEATURE_whatsthis=OFF
  -DFEATURE_scroller=OFF          # no kinetic scrolling
  -DFEATURE_effects=OFF           # no fading or sliding popups
  -DFEATURE_style_stylesheet=OFF  # no style sheets; Fusion draws everything
  -DFEATURE_style_windows=OFF     # the web's style is Fusion
  # Models and the rest of Qt GUI's extras that only the above use.
  -DFEATURE_standarditemmodel=OFF
  -DFEATURE_proxymodel=OFF
  -DFEATURE_stringlistmodel=OFF
  -DFEATURE_undocommand=OFF       # the text box is read-only
  -DFEATURE_validator=OFF         # nothing typed is validated by Qt
  -DFEATURE_desktopservices=OFF   # no links opened
  -DFEATURE_systemtrayicon=OFF
  -DFEATURE_sessionmanager=OFF
  # Qt Core's extras: no translations loaded (the texts are German in the
  # program), no plugins loaded at run time (everything is linked in),
  # no XML, no files watched, no calendars but the Gregorian.
  -DFEATURE_translation=OFF
  -DFEATURE_sha3_fast=OFF         # Qt's own hashing: the small Keccak
  -DFEATURE_library=OFF
  -DFEATURE_xmlstream=OFF
  -DFEATURE_filesystemwatcher=OFF
  -DFEATURE_mimetype_database=OFF
  -DFEATURE_jalalicalendar=OFF
  -DFEATURE_islamiccivilcalendar=OFF
)

# Mends to Debian's source that the game needs, applied in this order.
PATCHES=("$(dirname "$(realpath "$0")")"/patches/qt-wasm-{scaling,pointer-without-window,no-bundled-fonts,activate-shown-window,no-permission-queries}.patch
         "$(dirname "$(realpath "$0")")"/patches/qt-widgets-{without-item-views,no-standard-icons}.patch)

THIRD_PARTY=(blake2 double-conversion easing freetype harfbuzz-ng icc libpng md4 md5
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
