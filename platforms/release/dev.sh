# SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The release verbs of ./dev: every download of a version built from one
# commit into one folder with its checksums, and the check that two such
# builds give the same bytes. Sourced by ./dev after the platforms, whose
# package lists and Qt builds it uses.

# Debian's normaliser of archives, which gives the zips a fixed order, time,
# owner and permissions.
RELEASE_PACKAGES=(strip-nondeterminism)
# Debian's comparer of packages and archives, which shows where two builds
# differ, and the German locale of the second build.
RELEASE_CHECK_PACKAGES=(diffoscope-minimal locales)

# A release is a commit: nothing changed, nothing new, beside it.
release_refuse_changes() {
  local changes
  changes=$(git status --porcelain --untracked-files=normal)
  if [ -n "$changes" ]; then
    {
      echo "./dev release: the work tree has changes that are not committed; a release is built from a commit alone."
      echo "Commit them or put them aside (git stash -u), then build the release again:"
      echo "$changes" | sed 's/^/  /'
    } >&2
    exit 1
  fi
}

# A zip as cpack packs it lists the files in the order the file system
# gives them, with their owner: strip-nondeterminism sorts them, and sets
# the commit's time, permissions of 644 or 755 and no owner.
release_zip() {
  strip-nondeterminism --type zip --timestamp "$SOURCE_DATE_EPOCH" "$1" >/dev/null
}

verb release "builds every download of this commit into release/roemische-zahlen-<version>/ with SHA256SUMS: the .deb, the Windows zip and package, the browser zip, the source (refuses a work tree with uncommitted changes)"
verb_release() {
  release_refuse_changes
  install_missing "${LINUX_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}" "${WEB_PACKAGES[@]}" "${RELEASE_PACKAGES[@]}"
  # Whoever builds, wherever and whenever: the time is the commit's, and
  # time zone, locale and umask are fixed for the tools that would write
  # them into a file.
  SOURCE_DATE_EPOCH=$(git log -1 --format=%ct HEAD)
  export SOURCE_DATE_EPOCH TZ=UTC LC_ALL=C.UTF-8 LANGUAGE=
  umask 022
  local work=$PWD/release/build
  rm -rf "$work"
  local common=(-DBUILD_TESTING=OFF -DRZ_REPRODUCIBLE=ON)

  section "the Debian package ($(git log -1 --format='%h, %cd' --date=iso-strict HEAD))"
  cmake -S . -B "$work/linux" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${common[@]}" >/dev/null
  cmake --build "$work/linux" --parallel "$(nproc)" >/dev/null
  (cd "$work/linux" && cpack -G DEB >/dev/null)

  section "the Windows zip and package"
  windows_build "$work/windows" "${common[@]}" >/dev/null
  release_zip "$work"/windows/roemische-zahlen-*-windows-x64.zip
  # The package anew, from the zip as released: its package code is made
  # from the zip's bytes.
  cmake --build "$work/windows" --target msi >/dev/null

  section "the browser zip"
  web_build "$work/web" "${common[@]}" >/dev/null
  release_zip "$work"/web/roemische-zahlen-*-web.zip

  section "the release"
  local source version folder
  source=$(echo "$work"/windows/platforms/windows/roemische-zahlen-*-quelltext.zip)
  version=${source##*/roemische-zahlen-}
  version=${version%-quelltext.zip}
  [ -f "$source" ] || { echo "./dev release: the build made no source zip ($source)" >&2; exit 1; }
  folder=release/roemische-zahlen-$version
  rm -rf "$folder"
  mkdir -p "$folder"
  cp "$work"/linux/roemische-zahlen_"$version"_*.deb \
     "$work/windows/roemische-zahlen-$version-windows-x64.zip" \
     "$work/windows/roemische-zahlen-$version-x64.msi" \
     "$work/web/roemische-zahlen-$version-web.zip" \
     "$source" "$folder"
  (cd "$folder" && sha256sum -- * >SHA256SUMS)
  section
  echo "$folder/ ($(git rev-parse HEAD)):"
  (cd "$folder" && for file in *; do printf '  %-44s %10d Bytes\n' "$file" "$(stat -c %s "$file")"; done)
}

verb release-check "builds the release twice, in two clones of this commit at other paths, at other times, with another umask, locale and time zone, and compares them byte for byte (10 minutes once Qt is built); with --compare <folder> <folder>, compares two releases already built"
verb_release_check() {
  install_missing "${RELEASE_CHECK_PACKAGES[@]}"
  platforms/release/release-check.sh "$@"
}
