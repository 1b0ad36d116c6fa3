# SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The Linux verbs of ./dev, and the Debian packages they need. Sourced by
# ./dev; every other platform's build uses the Linux build's tools.

# Debian packages the build, the tests and the program need.
LINUX_PACKAGES=(
  g++ cmake make
  qt6-base-dev qt6-qpa-plugins libgl-dev
  qt6-svg-dev                     # the build tool that draws the icons from the SVG
  desktop-file-utils appstream    # validate the desktop entry and metainfo
  dpkg-dev file                   # cpack's .deb, its dependencies detected
  binutils-mingw-w64-x86-64       # compiles the Windows resource script
  fonts-liberation2 fonts-dejavu-core
  git                             # the static analysis lists the sources with it
)
# What ./dev check needs on top: the static analysers, the memory checker,
# other fonts for the layout, the licence checker, Debian's package checker
# and the manual page viewer, xwininfo to see the window of a normal start,
# strace to see the sockets of a game.
LINUX_CHECK_PACKAGES=(
  clang-tidy cppcheck valgrind
  fonts-urw-base35 fontconfig     # the layout with Nimbus Sans instead of Liberation Sans
  reuse                           # every file says its copyright and licence
  lintian man-db                  # the .deb as Debian judges it; the manual page renders cleanly
  x11-utils strace
  python3 xvfb                    # the checks' kit, and the display it starts
)
# The screen reader checks (the game, and the browser version) run in a
# desktop session of their own: an X server, a D-Bus session bus, the
# accessibility bus and registry, Orca, and Python's AT-SPI client and X
# library (to give the keyboard to a window, as a window manager would, and
# to type as a keyboard does).
SCREENREADER_PACKAGES=(
  xvfb dbus at-spi2-core orca python3-pyatspi python3-xlib
)
# What ./dev debian13 needs on top: the tool that makes a minimal Debian
# system, and git for the clean clone.
DEBIAN13_PACKAGES=(debootstrap git)

# Clicks of the soak test under the sanitizers.
CHECK_SOAK_CLICKS=50000

# The game for this machine, in build/.
build() {
  install_missing "${LINUX_PACKAGES[@]}"
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build build --parallel "$(nproc)"
}

# The tools of the Linux build that the builds for other platforms run at
# build time: the icon drawer and the program's facts for the checks.
host_tools() {
  install_missing "${LINUX_PACKAGES[@]}"
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build build --parallel "$(nproc)" --target iconrender rz-facts
  HOST_TOOLS=(-DRZ_HOST_ICONRENDER="$PWD/build/app/iconrender" -DRZ_HOST_FACTS="$PWD/build/checks/rz-facts")
}

verb run "installs what is missing, builds, starts the game"
verb_run() {
  build
  if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "./dev run: no display here (DISPLAY and WAYLAND_DISPLAY are unset); the game needs a desktop session." >&2
    exit 1
  fi
  exec build/app/roemische-zahlen "$@"
}

verb test "the same set-up, then the whole test suite (CTest's options may follow)"
verb_test() {
  build
  run_ctest build -LE check --parallel "$(nproc)" "$@"
}

verb check "the quality gates: the suite under the sanitizers with a long soak, then every Linux check (ctest -L check): licences, the package, static analysis, valgrind, fonts, no window, the screen reader"
verb_check() {
  section "set-up and the build"
  install_missing "${LINUX_CHECK_PACKAGES[@]}" "${SCREENREADER_PACKAGES[@]}"
  build
  section "build-asan: sanitizers, -Wpedantic -Werror; the suite with a soak of $CHECK_SOAK_CLICKS clicks"
  cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DRZ_SANITIZE=ON -DRZ_WERROR=ON -DRZ_SOAK_CLICKS="$CHECK_SOAK_CLICKS" >/dev/null
  cmake --build build-asan --parallel "$(nproc)"
  ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:abort_on_error=0:detect_stack_use_after_return=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    run_ctest build-asan -LE check --parallel "$(nproc)"
  section "the checks"
  run_ctest build -L check "$@"
  section
  echo "== all checks passed"
}

verb bench "the start-up benchmark (not a test: it only measures and prints)"
verb_bench() {
  build
  QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" QT_SCALE_FACTOR=1 build/checks/rz-startbench "$@"
}

verb package "builds the .deb in build/"
verb_package() {
  build
  (cd build && cpack -G DEB)
}

verb screenshot "draws docs/exercise-window.png anew"
verb_screenshot() {
  build
  QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=1 build/docs/screenshot docs/exercise-window.png
  echo "docs/exercise-window.png"
}

verb debian13 "the suite and the checks on Debian 13 in a minimal system of its own (a clean clone of HEAD), then the .deb built here installed and played there (as root)"
verb_debian13() {
  install_missing "${DEBIAN13_PACKAGES[@]}"
  build
  # The package as Debian 12 builds it, and the player of the short game.
  rm -f build/roemische-zahlen_*.deb
  (cd build && cpack -G DEB >/dev/null)
  # debootstrap, chroot and mount need root.
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" env RZ_CACHE="$RZ_CACHE" platforms/linux/debian13.sh build/roemische-zahlen_*.deb \
    build/checks/librz-smokeplayer.so
}
