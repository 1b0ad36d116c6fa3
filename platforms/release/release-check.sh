#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the release of the commit checked out twice and compares the two
# byte for byte. Each build is a clone of the commit of its own, at a path
# of another length, started at another time, with another umask, locale,
# time zone and home folder, as Debian's reprotest varies them. On a
# difference it names every file that differs and shows the first
# difference as diffoscope sees it (the whole report is kept beside).
#
# With --compare, it compares two release folders already there instead,
# such as one downloaded and one rebuilt.
#
# usage: release-check.sh [--compare <folder> <folder>]     (./dev release-check)
set -euo pipefail
cd "$(dirname "$0")/../.."
top=$PWD
commit=$(git rev-parse HEAD)
check=$top/release/check
# Both builds use the project's cache, the Qt builds in it, wherever their
# home folder is.
export XDG_CACHE_HOME=${XDG_CACHE_HOME:-$HOME/.cache}
started=$SECONDS

# A release built in a clone of the commit: build <folder> <umask> <locale>
# <time zone>.
build() {
  local folder=$1 mask=$2 locale=$3 zone=$4
  echo "== $folder: umask $mask, LC_ALL=$locale, TZ=$zone, $(date -u '+%H:%M:%S UTC')"
  (
    umask "$mask"
    git clone -q --no-checkout "$top" "$folder"
    git -C "$folder" checkout -q --detach "$commit"
    mkdir -p "$folder.home"
    cd "$folder"
    HOME=$folder.home LC_ALL=$locale LANG=$locale TZ=$zone ./dev release >"$folder.log" 2>&1 ||
      { tail -n 30 "$folder.log" >&2; echo "release-check: the build in $folder failed ($folder.log)" >&2; exit 1; }
  )
}

# The two release folders, file by file: what differs, and the first
# difference as diffoscope sees it.
compare() {
  local first=$1 second=$2 name
  echo "== comparing ${first#"$top"/} and ${second#"$top"/}"
  local differ=() report
  while read -r name; do
    if ! cmp -s "$first/$name" "$second/$name"; then
      differ+=("$name")
    fi
  done < <( { (cd "$first" && ls); (cd "$second" && ls); } | LC_ALL=C sort -u)
  if [ ${#differ[@]} -eq 0 ]; then
    (cd "$first" && ls | sed 's/^/   same: /')
    echo "== the two releases are the same, byte for byte ($(( (SECONDS - started + 30) / 60 )) min)"
    return 0
  fi
  printf '   differs: %s\n' "${differ[@]}" >&2
  name=${differ[0]}
  report=$check/diffoscope-${name}.txt
  if [ -f "$first/$name" ] && [ -f "$second/$name" ]; then
    diffoscope --no-progress --text "$report" "$first/$name" "$second/$name" >/dev/null || true
    echo "== the first difference, in $name (diffoscope; the whole report: ${report#"$top"/}):" >&2
    grep -m1 -B3 -A20 -E '^│ *[-+@]|^[-+@]{1,3}' "$report" | head -n 40 >&2 || head -n 40 "$report" >&2
  else
    echo "== $name is in one build only" >&2
  fi
  echo "== the two releases differ in ${#differ[@]} files ($(( (SECONDS - started + 30) / 60 )) min)" >&2
  return 1
}

if [ "${1:-}" = --compare ]; then
  [ $# -eq 3 ] && [ -d "$2" ] && [ -d "$3" ] || { echo "usage: release-check.sh --compare <folder> <folder>" >&2; exit 2; }
  mkdir -p "$check"
  compare "$2" "$3"
  exit
fi

rm -rf "$check"
mkdir -p "$check"
# The second build's locale, German, made for it alone (LOCPATH) where the
# machine has generated none but C.
mkdir -p "$check/locale"
localedef -i de_DE -f UTF-8 "$check/locale/de_DE.UTF-8" || [ $? -eq 1 ] # 1: made, with warnings
build "$check/a/roemische-zahlen" 022 C.UTF-8 UTC
LOCPATH=$check/locale build "$check/zweiter-bau/ein/laengerer/pfad/rz" 002 de_DE.UTF-8 Pacific/Kiritimati

first=$(echo "$check"/a/roemische-zahlen/release/roemische-zahlen-*/)
second=$(echo "$check"/zweiter-bau/ein/laengerer/pfad/rz/release/roemische-zahlen-*/)
compare "$first" "$second"
