# SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The recipe the builds of Qt for other platforms share
# (platforms/windows/build-qt.sh, platforms/web/build-qt.sh): a static Qt
# built from Debian's own source of the Qt installed here, with Debian's
# host tools of the same version, cached outside the work tree under
#   $RZ_CACHE/<cache name>/<key>/prefix
# where <key> names the Qt version, what the platform adds to it and a hash
# of everything the build is made of (the options, the bundled libraries,
# the toolchain file, the patches and the recipe), so that it is built once
# per machine and again only when one of them changes. Its progress goes to
# the standard error, its full log into the cache; the prefix is printed.
#
# Sourced, not run. The platform's script sets:
#   label        what the progress lines begin with ("Qt for Windows")
#   cache_name   the cache's folder for this platform (qt-windows)
#   key_tail     what names the build besides the Qt version
#   QT_OPTIONS   the options of Qt's configure step
#   THIRD_PARTY  the bundled libraries whose licences the prefix keeps
#   PATCHES      patches applied to the source, in this order (may be empty)
#   RECIPE       raised whenever the script makes something else of the same
# may define qt_finish <prefix>, run once Qt is installed, and then calls
#   qt_build <toolchain file>

: "${RZ_CACHE:?RZ_CACHE is not set: the builds of Qt are run through ./dev}"

# Debian's source package of qt6-base <version>, unpacked into <cache>/source.
# It is fetched through a private source list that mirrors the system's
# binary sources as deb-src; the system's apt configuration is left as it is.
qt_fetch_source() {
  local cache=$1 version=$2 log=$3
  local apt_dir=$cache/apt f
  mkdir -p "$apt_dir/lists/partial" "$apt_dir/sources.list.d"
  for f in /etc/apt/sources.list.d/*.sources; do
    [ -e "$f" ] || continue
    sed -E 's/^Types:.*/Types: deb-src/' "$f" >"$apt_dir/sources.list.d/$(basename "$f")"
  done
  if [ -f /etc/apt/sources.list ]; then
    sed -n -E 's/^[[:space:]]*deb[[:space:]]+/deb-src /p' /etc/apt/sources.list >"$apt_dir/sources.list.d/system.list"
  fi
  local apt_options=(-o "Dir::Etc::SourceParts=$apt_dir/sources.list.d" -o Dir::Etc::SourceList=/dev/null
                     -o "Dir::State::Lists=$apt_dir/lists")
  echo "$label: fetching the source of qt6-base $version" >&2
  apt-get "${apt_options[@]}" update -qq >>"$log" 2>&1 || true
  (cd "$cache" && apt-get "${apt_options[@]}" source --download-only "qt6-base=$version" >>"$log" 2>&1) || {
    echo "$label: could not fetch the source of qt6-base $version (log: $log)" >&2
    return 1
  }
  (cd "$cache" && dpkg-source -x ./qt6-base_*.dsc source >>"$log" 2>&1)
  rm -rf "$apt_dir" "$cache"/qt6-base_*
}

# Builds a configured build folder, with a line on the standard error every
# 5 per cent (Ninja's status shows the steps done of all).
qt_compile() {
  local build=$1 log=$2 started=$3 status
  echo "$label: compiling" >&2
  set +e
  NINJA_STATUS='[%f/%t] ' cmake --build "$build" --parallel "$(nproc)" 2>&1 |
    tee -a "$log" |
    {
      shown=-5
      while IFS= read -r line; do
        [[ $line =~ ^\[([0-9]+)/([0-9]+)\] ]] || continue
        done_steps=${BASH_REMATCH[1]} all_steps=${BASH_REMATCH[2]}
        pct=$(( 100 * done_steps / all_steps ))
        if [ "$pct" -ge $(( shown + 5 )) ]; then
          shown=$(( pct - pct % 5 ))
          echo "$label: $pct% ($done_steps of $all_steps steps, $(( ($(date +%s) - started) / 60 )) min)" >&2
        fi
      done
    }
  status=${PIPESTATUS[0]}
  set -e
  if [ "$status" -ne 0 ]; then
    echo "$label: building Qt failed (log: $log)" >&2
    return 1
  fi
}

# The licence texts a program linked with this Qt ships: Qt's own and those
# of the bundled libraries, into <prefix>/licenses; and which Debian source
# the build came from, into <prefix>/source-package.txt.
qt_collect_licenses() {
  local source=$1 prefix=$2 version=$3 licenses=$2/licenses part
  mkdir -p "$licenses/3rdparty"
  cp "$source/LICENSES/LGPL-3.0-only.txt" "$source/LICENSES/GPL-3.0-only.txt" "$licenses/"
  for part in "${THIRD_PARTY[@]}"; do
    mkdir -p "$licenses/3rdparty/$part"
    find "$source/src/3rdparty/$part" -maxdepth 1 -type f \
      \( -iname '*licen[cs]e*' -o -iname 'copying*' -o -name qt_attribution.json \) \
      -exec cp {} "$licenses/3rdparty/$part/" \;
  done
  if [ -d "$licenses/3rdparty/freetype" ]; then
    cp "$source/src/3rdparty/freetype/docs/FTL.TXT" "$licenses/3rdparty/freetype/"
  fi
  echo "qt6-base $version" >"$prefix/source-package.txt"
}

# Removes the unfinished builds in a cache and all finished ones but the
# RZ_QT_KEEP - 1 used last (RZ_QT_KEEP is 2 unless set), making room for
# the one about to be built.
qt_forget_old_builds() {
  local cache_root=$1 keep=${RZ_QT_KEEP:-2} dir
  for dir in "$cache_root"/*/; do
    [ -d "$dir" ] || continue
    if [ ! -f "$dir/prefix/.complete" ]; then
      rm -rf "$dir"
    elif [ ! -e "$dir/.used" ]; then
      touch -r "$dir/prefix/.complete" "$dir/.used"   # built before keys were kept
    fi
  done
  local used=("$cache_root"/*/.used)
  [ -e "${used[0]}" ] || return 0
  ls -1t "${used[@]}" | tail -n +"$keep" |
    while IFS= read -r dir; do rm -rf "$(dirname "$dir")"; done
}

qt_build() {
  local toolchain=$1
  local qt_version
  qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
  [ -n "$qt_version" ] || { echo "$label: qt6-base-dev is not installed" >&2; exit 1; }

  local key_hash
  key_hash=$( { echo "$RECIPE"; printf '%s\n' "${QT_OPTIONS[@]}" "${THIRD_PARTY[@]}"; cat "$toolchain" "${PATCHES[@]}"; } |
    sha256sum | cut -c1-12)
  local cache_root=$RZ_CACHE/$cache_name
  local cache=$cache_root/${qt_version//[^A-Za-z0-9.+-]/_}-$key_tail-$key_hash
  local prefix=$cache/prefix

  # A lock on the cache until the platform's script ends, so that two
  # builds started at once (two work trees, CI beside a session) do not
  # clear each other's cache: the second waits, then finds the first's result.
  mkdir -p "$cache_root"
  exec {qt_lock_fd}>"$cache_root.lock"
  if ! flock -n "$qt_lock_fd"; then
    echo "$label: waiting for another build of Qt in $cache_root" >&2
    flock "$qt_lock_fd"
  fi
  if [ -f "$prefix/.complete" ]; then
    touch "$cache/.used"
    echo "$label: cached in $prefix" >&2
    echo "$prefix"
    return 0
  fi

  echo "$label: building Qt $qt_version into $cache (once per machine, 10 to 20 minutes on two cores)" >&2
  # Unfinished builds go, and of the finished ones of other options or
  # versions only the ones used last stay: a comparison of two builds of
  # Qt (./dev web-bench) needs both at once.
  qt_forget_old_builds "$cache_root"
  mkdir -p "$cache"
  touch "$cache/.used"
  local log=$cache/build.log started patch
  started=$(date +%s)

  qt_fetch_source "$cache" "$qt_version" "$log"
  for patch in "${PATCHES[@]}"; do
    echo "$label: applying $(basename "$patch")" >&2
    patch -d "$cache/source" -p1 --forward --quiet <"$patch" >>"$log" 2>&1 || {
      echo "$label: $(basename "$patch") does not apply to qt6-base $qt_version (log: $log)" >&2
      exit 1
    }
  done

  # Debian's host tools of the same version (moc, rcc, uic, ...) serve the
  # cross build; its CMake files sit in the multiarch folder.
  echo "$label: configuring" >&2
  cmake -S "$cache/source" -B "$cache/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(gcc -print-multiarch)/cmake" \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    "${QT_OPTIONS[@]}" >>"$log" 2>&1 || {
    echo "$label: configuring Qt failed (log: $log)" >&2
    exit 1
  }
  qt_compile "$cache/build" "$log" "$started"
  cmake --install "$cache/build" >>"$log" 2>&1
  qt_collect_licenses "$cache/source" "$prefix" "$qt_version"
  if [ ${#PATCHES[@]} -gt 0 ]; then
    mkdir -p "$prefix/patches"
    cp "${PATCHES[@]}" "$prefix/patches/"
  fi
  if declare -F qt_finish >/dev/null; then
    qt_finish "$prefix"
  fi

  # Only the installed Qt is kept; the source and the build tree go.
  rm -rf "$cache/build" "$cache/source"
  echo "$qt_version $(date -u +%FT%TZ) $(( $(date +%s) - started )) s" >"$prefix/.complete"
  echo "$label: built in $(( ($(date +%s) - started) / 60 )) min" >&2
  echo "$prefix"
}
