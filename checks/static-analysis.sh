#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The static analysers over every C++ source file of the project, tracked or
# new, with the compile commands of a build for this machine:
#   clang-tidy  as configured in .clang-tidy (which says why each check it
#               leaves out is left out); stops on any finding
#   cppcheck    warnings, style, performance and portability
#
# usage: static-analysis.sh clang-tidy|cppcheck <build folder>
set -euo pipefail
tool=$1
build=$(realpath "$2")
cd "$(dirname "$0")/.."

mapfile -t sources < <(git ls-files --cached --others --exclude-standard -- '*.cpp')

case $tool in
  clang-tidy)
    # clang-tidy compiles what it checks: the sources this build compiles.
    # Those of the other builds alone (*_windows.cpp, *_web.cpp, and what
    # stands in for a Linux source there) include Windows' or emscripten's
    # headers, or are compiled there only: they are left to those builds
    # (-Wall -Wextra there); cppcheck reads them all the same.
    linux_sources=()
    for source in "${sources[@]}"; do
      grep -qF "\"file\": \"$PWD/$source\"" "$build/compile_commands.json" && linux_sources+=("$source")
    done
    echo "clang-tidy: ${#linux_sources[@]} files"
    # Qt's test macros (QTEST_MAIN, QSKIP) pass no arguments to a variadic
    # macro, which clang's -Wpedantic flags (GCC's does not): clang 14 as a
    # GNU extension, clang 19 as a C++20 extension. That warning is about
    # Qt's macros; the project's own code is held to C++17 by GCC's
    # -Wpedantic -Werror in the strict build.
    # Its findings go to the standard output; of its chatter on the standard
    # error only what is not a count of warnings in Qt's headers is shown.
    errors=$(mktemp)
    trap 'rm -f "$errors"' EXIT
    if ! printf '%s\n' "${linux_sources[@]}" |
      xargs -P "$(nproc)" -n 1 clang-tidy -p "$build" --quiet \
        --extra-arg=-Wno-gnu-zero-variadic-macro-arguments --extra-arg=-Wno-c++20-extensions \
        2>"$errors"; then
      grep -v -E 'warnings? (and [0-9]+ errors? )?generated|^Suppressed [0-9]+ warnings|^Use -header-filter' \
        "$errors" >&2 || true
      echo "clang-tidy: findings above" >&2
      exit 1
    fi
    echo "clang-tidy: no finding"
    ;;
  cppcheck)
    includes=()
    for d in numeral ui exercise gameover app checks; do includes+=(-I "$d"); done
    # The benchmarks' baseline, written by the build.
    includes+=(-I "$build/checks")
    # From cppcheck 2.11 on, the analysis of branches is cut short unless
    # all of it is asked for, and the cut is reported (and fails the run).
    # The help is read whole first: a grep that stops at the first match
    # would leave cppcheck writing into a closed pipe, and under pipefail
    # that failure would now and then drop the option.
    level=()
    help=$(cppcheck --help)
    if [[ $help == *--check-level* ]]; then level=(--check-level=exhaustive); fi
    # useStlAlgorithm is left out: a short loop with one test or one
    # push_back reads as plainly as the algorithm it suggests.
    cppcheck --quiet --error-exitcode=1 --library=qt --std=c++17 --language=c++ \
      --enable=warning,style,performance,portability --inline-suppr \
      --suppress=missingIncludeSystem --suppress=useStlAlgorithm "${level[@]}" \
      "${includes[@]}" "${sources[@]}"
    echo "cppcheck: ${#sources[@]} files, no finding"
    ;;
  *)
    echo "usage: static-analysis.sh clang-tidy|cppcheck <build folder>" >&2
    exit 2
    ;;
esac
