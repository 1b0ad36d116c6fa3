#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The Debian package as Debian judges it: built anew by cpack, then lintian
# must report no error and no warning (its informational tags are shown),
# and the manual page must render under man --warnings without a word; the
# handbook is in the package's documentation folder, and the manual page
# names it there.
#
# While RZ_HOMEPAGE is empty (the project has no web address yet) one
# warning is accepted, and only that one: AppStream 1.0's validator warns of
# the metainfo's missing homepage, and lintian (from 2.122, Debian 13, which
# runs "appstreamcli validate-tree" on the package) turns any warning of it
# into its own appstream-metadata-validation-failed. Then that tag is left
# out, and the same validation runs here, where the missing homepage is the
# one warning accepted. (Lintian of Debian 12 runs no AppStream validator
# and knows no such tag.)
#
# usage: package.sh <build folder>
set -euo pipefail
build=$(realpath "$1")

rm -f "$build"/roemische-zahlen_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/roemische-zahlen_*.deb)
echo "-- $(basename "$deb")"

# The package's files validated as lintian validates them, with the warning
# of the missing homepage accepted and nothing else.
appstream_without_homepage() {
  local unpacked report status=0 problems
  unpacked=$(mktemp -d)
  dpkg-deb -x "$deb" "$unpacked"
  report=$(appstreamcli validate-tree --no-net "$unpacked" 2>&1) || status=$?
  rm -rf "$unpacked"
  problems=$(grep -E '^\s*[EW]: ' <<<"$report" || true)
  if grep -v -E '^\s*W: \S+ url-homepage-missing$' <<<"$problems" | grep -q . ||
    { [ "$status" -ne 0 ] && [ -z "$problems" ]; }; then
    echo "$report" >&2
    echo "appstreamcli validate-tree: problems above besides the missing homepage" >&2
    exit 1
  fi
  echo "appstreamcli validate-tree: no problem${problems:+ but the missing homepage (RZ_HOMEPAGE is not set)}"
}

lintian_options=(--display-info --fail-on error,warning)
if [ -z "$(sed -n 's/^RZ_HOMEPAGE:STRING=//p' "$build/CMakeCache.txt")" ]; then
  appstream_without_homepage
  if lintian-explain-tags appstream-metadata-validation-failed >/dev/null 2>&1; then
    lintian_options+=(--suppress-tags appstream-metadata-validation-failed)
    echo "lintian: appstream-metadata-validation-failed left out, as RZ_HOMEPAGE is not set"
  fi
fi
lintian "${lintian_options[@]}" "$deb"
echo "lintian: no error, no warning"

manual=$build/platforms/linux/roemische-zahlen.6.gz
if LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$manual" 2>&1 >/dev/null | grep .; then
  echo "man: warnings above for $manual" >&2
  exit 1
fi
echo "man --warnings: nothing to say of the manual page"

handbook=/usr/share/doc/roemische-zahlen/Handbuch.html
if ! grep -q -F " .$handbook" <<<"$(dpkg-deb --contents "$deb")"; then
  echo "the package holds no $handbook" >&2
  exit 1
fi
if ! grep -q -F "$handbook" <<<"$(LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$manual" 2>/dev/null)"; then
  echo "the manual page does not name $handbook" >&2
  exit 1
fi
echo "the handbook: $handbook, named in the manual page"
