# SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The browser verbs of ./dev, and the Debian packages they need: the game
# built for WebAssembly against a static, single-threaded Qt for WebAssembly
# (built once, cached), the zip of the folder a web server serves, and its
# checks in Debian's Chromium, Firefox ESR and WebKitGTK. Sourced by ./dev.

# Debian's emscripten with its optimiser, what fetches and builds Debian's
# Qt source, the compressors of the precompressed copies, and the QR code's
# script for the teachers' page.
WEB_PACKAGES=(
  emscripten binaryen ninja-build dpkg-dev xz-utils git
  gzip brotli node-qrcode-generator
)
# To test and measure it: Debian's Chromium with its driver, Python's
# Selenium (which belongs to /usr/bin/python3) and PIL, which reads the
# screenshots and the icons; Firefox ESR, spoken to over its own WebDriver
# BiDi with Python's WebSocket client; WebKitGTK's driver, which drives its
# MiniBrowser; and a QR code reader, for the teachers' page.
WEB_TEST_PACKAGES=(
  chromium chromium-driver python3-selenium python3-pil unzip
  firefox-esr python3-websocket webkit2gtk-driver zbar-tools
)

# web_configure <source> <qt prefix> [<folder> [<cmake option>...]]:
# configures <source>/build-web, or the folder given with the options given
# (a release's), against the Qt for the web at <prefix>.
web_configure() {
  local source=$1 qt=$2 build=$1/build-web
  shift 2
  if [ $# -gt 0 ]; then build=$1; shift; fi
  # Qt's CMake functions read emscripten's place from an emsdk-shaped
  # folder; emscripten's JavaScript tools want Debian's node modules.
  export EMSDK=$qt/emsdk NODE_PATH=/usr/share/nodejs
  forget_other_qt "$build" "$qt/lib/cmake/Qt6/qt.toolchain.cmake"
  cmake -S "$source" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$(realpath "$source")/platforms/web/emscripten.cmake" \
    -DRZ_CACHE="$RZ_CACHE" "${HOST_TOOLS[@]}" "$@" >/dev/null
}

# web_build [<folder> [<cmake option>...]]: into build-web/, or the folder
# given with the options given (a release's).
web_build() {
  local build=build-web
  if [ $# -gt 0 ]; then build=$1; shift; fi
  install_missing "${WEB_PACKAGES[@]}"
  host_tools
  local qt
  qt=$(platforms/web/build-qt.sh)
  echo "== $build: the game for the browser"
  web_configure . "$qt" "$build" "$@"
  cmake --build "$build" --parallel "$(nproc)"
  rm -f "$build"/roemische-zahlen-*-web.zip
  (cd "$build" && cpack -G ZIP >/dev/null)
  ls "$build"/roemische-zahlen-*-web.zip
}

verb web "builds the browser version into build-web/ and packs the folder a web server serves as a zip (the first run builds Qt for WebAssembly, 10 to 20 minutes)"
verb_web() {
  web_build
}

verb web-run "the same, then serves it on http://127.0.0.1:8000/ (RZ_WEB_PORT)"
verb_web_run() {
  web_build
  local site port=${RZ_WEB_PORT:-8000}
  site=$(ls -d build-web/web/roemische-zahlen-*-web)
  echo "The game is served at http://127.0.0.1:$port/ (localhost: it also works offline there). Ctrl+C ends."
  exec python3 -m http.server "$port" --bind 127.0.0.1 --directory "$site"
}

verb web-test "the same, then every browser check (ctest -L web): the zip, the tests built for the browser, the games in Chromium, Firefox ESR and WebKitGTK, the game's edges, and the game by ear under Orca in Chromium and Firefox"
verb_web_test() {
  web_build
  install_missing "${WEB_TEST_PACKAGES[@]}" "${SCREENREADER_PACKAGES[@]}"
  run_ctest build-web -L web "$@"
}

verb web-bench "the same, then measures its download and first frame against a bare page, and with --base <commit> against that commit's build side by side, also on a throttled network (not a test: it only measures)"
verb_web_bench() {
  local base_ref="" options=()
  while [ $# -gt 0 ]; do
    case $1 in
      --base) base_ref=${2:?"--base needs a commit"}; shift 2 ;;
      *) options+=("$1"); shift ;;
    esac
  done
  web_build
  cmake --build build-web --target rz-webbare_site
  install_missing "${WEB_TEST_PACKAGES[@]}"
  local base=()
  if [ -n "$base_ref" ]; then
    base=(--base "$(web_base_build "$base_ref")")
  fi
  PYTHONPATH=checks PYTHONDONTWRITEBYTECODE=1 platforms/web/checks/bench.py "${base[@]}" build-web "${options[@]}"
}

# The game's page of another commit, for the comparison: built from a clone
# of it, build-bench-base/<commit>/, with that commit's own Qt (from the same
# cache), page and link options, and this tree's host tools; prints its
# build folder. Qt's recipe there is this tree's, which keeps the builds of
# Qt used last instead of only the newest.
web_base_build() {
  local commit src qt
  commit=$(git rev-parse --verify "$1^{commit}") || exit 1
  src=build-bench-base/${commit:0:12}
  if [ ! -d "$src/.git" ]; then
    rm -rf "$src"
    git clone --quiet --shared --no-checkout "$(git rev-parse --git-common-dir)" "$src"
    git -C "$src" checkout --quiet --detach "$commit"
  fi
  cp platforms/qt-build.sh "$src/platforms/qt-build.sh"
  echo "== build-web of $1 (${commit:0:12}) for the comparison" >&2
  qt=$("$src/platforms/web/build-qt.sh")
  web_configure "$src" "$qt" >&2
  cmake --build "$src/build-web" --parallel "$(nproc)" --target roemische-zahlen_site >&2
  echo "$src/build-web"
}
