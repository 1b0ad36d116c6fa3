# SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The Windows verbs of ./dev, and the Debian packages they need: the game
# cross-built for 64-bit Windows against a static Qt for Windows (built once,
# cached), the zip a school copies to one PC, the Windows Installer package
# its IT rolls out to many, and their checks under Wine. Sourced by ./dev.

# The MinGW-w64 cross compiler, what fetches and builds Debian's Qt source,
# Wine with its fonts to run the result, and what packs and checks it.
WINDOWS_PACKAGES=(
  g++-mingw-w64-x86-64-posix ninja-build dpkg-dev xz-utils
  wine wine64 fonts-wine
  xvfb xdotool x11-utils          # the game on Windows' own platform, on a display of its own
  zip git python3 python3-pefile
  wixl                            # builds the Windows Installer package
  faketime                        # the clock it dates the package by, at the commit's time in a release
  msitools                        # sets its summary; msiinfo and msiextract read it back in the checks
  python3-liblnk                  # the install check reads the Start-menu and desktop shortcuts
)

# windows_build [<folder> [<cmake option>...]]: into build-windows/, or the
# folder given with the options given (a release's).
windows_build() {
  local build=build-windows
  if [ $# -gt 0 ]; then build=$1; shift; fi
  install_missing "${WINDOWS_PACKAGES[@]}"
  host_tools
  local qt toolchain=$PWD/platforms/windows/mingw-w64-x86_64.cmake
  qt=$(platforms/windows/build-qt.sh "$toolchain")
  echo "== $build: the game for 64-bit Windows"
  forget_other_qt "$build" "$qt/lib/cmake/Qt6/qt.toolchain.cmake"
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$PWD/platforms/windows/wine-run" \
    -DRZ_CACHE="$RZ_CACHE" "${HOST_TOOLS[@]}" "$@" >/dev/null
  cmake --build "$build" --parallel "$(nproc)"
  (cd "$build" && cpack -G ZIP >/dev/null)
  cmake --build "$build" --target msi >/dev/null
  ls "$build"/roemische-zahlen-*-windows-x64.zip "$build"/roemische-zahlen-*-x64.msi
}

# The project's Wine prefix for the suite, beside the cached Qt, made once.
prepare_wine() {
  PYTHONPATH=checks PYTHONDONTWRITEBYTECODE=1 /usr/bin/python3 -m rzkit.wine prepare "$RZ_CACHE/wine"
}

verb windows "cross-builds the game for 64-bit Windows into build-windows/, packs the zip and the Windows Installer package, and checks both as built (the first run builds Qt for Windows, about twenty minutes)"
verb_windows() {
  windows_build
  run_ctest build-windows -R '^windows_package$'
}

verb windows-test "the same, then the whole suite under Wine and every Windows check (ctest -L windows): the game on Windows' own platform, the package installed, upgraded and removed"
verb_windows_test() {
  windows_build
  prepare_wine
  echo "== the test suite and the checks under Wine"
  # A fatal error under Wine can leave a message box that nobody closes:
  # every test has a time limit. The full output goes to
  # build-windows/test-output.log; shown are each test's result and counts,
  # and the whole output of a failed one.
  local status=0
  QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=1 \
    ctest --test-dir build-windows -V --no-tests=error --timeout 600 "$@" \
    >build-windows/test-output.log 2>&1 || status=$?
  awk '
    match($0, /^ *[0-9]+\/[0-9]+ Test +#[0-9]+: [^ ]+ \.* *[A-Za-z*]+/) {
      split($0, f, /#|: | +\.+ */); number = f[2] + 0; name[number] = f[3]
      result[number] = $0; sub(/^.*\.\.+ */, "", result[number]); order[++tests] = number
    }
    match($0, /^[0-9]+: /) { number = substr($0, 1, RLENGTH - 2) + 0; out[number] = out[number] $0 "\n" }
    match($0, /^[0-9]+: Totals: /) { totals[substr($0, 1, index($0, ":") - 1) + 0] = substr($0, RLENGTH + 1) }
    /tests passed|Total Test time/ { summary = summary $0 "\n" }
    END {
      for (i = 1; i <= tests; i++) {
        n = order[i]
        printf "   %-18s %-24s %s\n", name[n], result[n], totals[n]
        if (result[n] !~ /^Passed/) printf "%s", out[n]
      }
      printf "%s", summary
    }' build-windows/test-output.log
  return "$status"
}

verb windows-run "the same as windows, then starts the game under Wine (needs an X display)"
verb_windows_run() {
  windows_build
  if [ -z "${DISPLAY:-}" ]; then
    echo "./dev windows-run: no X display here (DISPLAY is unset); Wine needs one to show the game." >&2
    exit 1
  fi
  prepare_wine
  exec platforms/windows/wine-run build-windows/app/roemische-zahlen.exe "$@"
}
