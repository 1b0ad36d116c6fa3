# SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# What the builds of Qt for other platforms (packaging/windows/build-qt.sh,
# packaging/web/build-qt.sh) share: fetching Debian's own source of the Qt
# installed here, compiling with progress lines, and gathering the licence
# texts. Sourced, not run. Each function takes the label that begins its
# progress lines ("Qt for Windows") and writes its chatter into the log.

# Holds a lock on <cache root> until the calling script ends, so that two
# builds started at once (two work trees, CI beside a session) do not
# clear each other's cache: the second waits, then finds the first's result.
# usage: qt_lock_cache <label> <cache root>
qt_lock_cache() {
  local label=$1 root=$2
  mkdir -p "$root"
  exec {qt_lock_fd}>"$root.lock"
  if ! flock -n "$qt_lock_fd"; then
    echo "$label: waiting for another build of Qt in $root" >&2
    flock "$qt_lock_fd"
  fi
}

# Debian's source package of qt6-base <version>, unpacked into <cache>/source.
# It is fetched through a private source list that mirrors the system's
# binary sources as deb-src; the system's apt configuration is left as it is.
# usage: qt_fetch_source <label> <cache> <version> <log>
qt_fetch_source() {
  local label=$1 cache=$2 version=$3 log=$4
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
# usage: qt_compile <label> <build folder> <log> <start time in seconds>
qt_compile() {
  local label=$1 build=$2 log=$3 started=$4 status
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
# of the bundled libraries named, into <prefix>/licenses; and which Debian
# source the build came from, into <prefix>/source-package.txt.
# usage: qt_collect_licenses <source> <prefix> <version> <3rdparty folder>...
qt_collect_licenses() {
  local source=$1 prefix=$2 version=$3
  shift 3
  local licenses=$prefix/licenses part
  mkdir -p "$licenses/3rdparty"
  cp "$source/LICENSES/LGPL-3.0-only.txt" "$source/LICENSES/GPL-3.0-only.txt" "$licenses/"
  for part in "$@"; do
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
