#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The cache of Qt builds keeps the builds used last (./dev web-bench --base
# needs today's Qt and another at once) and removes unfinished ones and
# the rest: the recipe's qt_forget_old_builds, run on caches of empty
# prefixes, each case as
#   <keep> | <builds, oldest use first; "name-" unfinished, "name?" finished
#            before builds were kept> | <what is left>
set -euo pipefail
RZ_CACHE=$(mktemp -d)
trap 'rm -rf "$RZ_CACHE"' EXIT
. "$(dirname "$0")/../../qt-build.sh"

cases=(
  "2 | a b c | c"
  "3 | a b c | b c"
  "3 | a b- c | a c"
  "2 | a? b | b"
  "2 | a b? | b"
  "2 | a- | "
  "1 | a b | "
)
failed=0
for case in "${cases[@]}"; do
  IFS='|' read -r keep builds expected <<<"$case"
  root=$RZ_CACHE/qt-test
  rm -rf "$root"
  minute=0
  for build in $builds; do
    name=${build%[-?]}
    mkdir -p "$root/$name/prefix"
    stamp=$(date -d "2026-01-01 00:$(printf %02d $minute)" +%Y%m%d%H%M)
    minute=$(( minute + 1 ))
    case $build in
      *-) touch -t "$stamp" "$root/$name/.used" ;;
      *\?) touch -t "$stamp" "$root/$name/prefix/.complete" ;;
      *) touch -t "$stamp" "$root/$name/prefix/.complete" "$root/$name/.used" ;;
    esac
  done
  RZ_QT_KEEP=${keep// /} qt_forget_old_builds "$root"
  left=$(cd "$root" && ls -1 | tr '\n' ' ')
  if [ "$(echo $left)" != "$(echo $expected)" ]; then
    echo "keep ${keep// /} of$builds: left '$(echo $left)', expected '$(echo $expected)'" >&2
    failed=1
  fi
done
exit $failed
