#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The project on the current Debian release, 13 (trixie), from this Debian 12
# machine, in minimal Debian 13 systems made with debootstrap:
#   1. in one, a clean clone of the committed tree (HEAD): ./dev test and
#      ./dev check, with Debian 13's compiler, Qt and checkers
#   2. in a second, fresh one: the .deb built here on Debian 12, installed
#      with apt (which brings what it depends on), then started:
#      --version, and the short scripted game on the offscreen platform,
#      played inside the installed program by the player library
#      (checks/smokeplayer.cpp, loaded with LD_PRELOAD)
#
# usage: platforms/linux/debian13.sh <.deb built on Debian 12> <player library>
# (through ./dev debian13, which names the cache in RZ_CACHE)
#
# The minimal system is made once and kept as a tar file under
# $RZ_CACHE/debian13/ (made anew once it is a week old),
# together with the packages apt downloaded, so that a second run downloads
# nothing it has. Each system is unpacked from it afresh and removed at the
# end. /proc, /sys and /dev are lent to a system by mounts, which are
# undone before anything is removed, however the run ends; a run that was
# killed outright (and could not undo them) has its systems given back and
# removed by the next run, which is why one run at a time uses the cache.
# Prints each step and passes on the exit status of the first that fails.
set -euo pipefail

[ $# -eq 2 ] || { echo "usage: debian13.sh <.deb> <player library>" >&2; exit 2; }
[ "$(id -u)" -eq 0 ] || { echo "debian13: needs root (debootstrap, chroot, mount)" >&2; exit 2; }
repo=$(git -C "$(dirname "$0")" rev-parse --show-toplevel)
deb=$(realpath "$1")
player=$(realpath "$2")
suite=trixie
cache=${RZ_CACHE:?RZ_CACHE is not set: run this through ./dev debian13}/debian13
base=$cache/$suite-minbase.tar
archives=$cache/apt-archives
mkdir -p "$cache" "$archives/partial"

started=$SECONDS
step_started=$SECONDS
step() {
  echo "== debian13: $*"
  step_started=$SECONDS
}
took() {
  echo "   ($(( (SECONDS - step_started) / 60 )) min $(( (SECONDS - step_started) % 60 )) s)"
}

# ---- removing a system safely ------------------------------------------

# Every mount point at or below a folder, deepest first.
mounts_below() {
  awk -v d="$1" '$5 == d || index($5, d "/") == 1 { print $5 }' /proc/self/mountinfo | sort -r
}

# Ends the processes whose root is the folder: only processes of this run
# live there (a service a check started and left behind, say).
end_processes_in() {
  local dir=$1 pids=() proc
  for proc in /proc/[0-9]*; do
    [ "$(readlink "$proc/root" 2>/dev/null)" = "$dir" ] && pids+=("${proc#/proc/}")
  done
  [ ${#pids[@]} -eq 0 ] && return 0
  echo "debian13: ending processes left in $dir: ${pids[*]}" >&2
  kill -TERM "${pids[@]}" 2>/dev/null || true
  sleep 2
  kill -KILL "${pids[@]}" 2>/dev/null || true
}

# Gives back what a system borrowed, then removes it; a folder that still
# has a mount below it is never removed.
remove_system() {
  local dir=$1 point
  [ -d "$dir" ] || return 0
  end_processes_in "$dir"
  for point in $(mounts_below "$dir"); do
    umount -R "$point" 2>/dev/null || umount -R -l "$point" 2>/dev/null || true
  done
  if [ -n "$(mounts_below "$dir")" ]; then
    echo "debian13: still mounted below $dir, so it is left in place:" >&2
    mounts_below "$dir" >&2
    return 1
  fi
  rm -rf --one-file-system "$dir"
}

systems=()
cleanup() {
  local status=$? dir
  trap - EXIT INT TERM
  for dir in "${systems[@]}"; do
    remove_system "$dir" || status=1
  done
  if [ "$status" -eq 0 ]; then
    echo "== debian13: passed ($(( (SECONDS - started) / 60 )) min $(( (SECONDS - started) % 60 )) s in all)"
  else
    echo "== debian13: FAILED (exit status $status)" >&2
  fi
  exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# One run at a time: a second waits, and what is left in the cache under
# the lock can only be a killed run's.
exec 9>"$cache/lock"
if ! flock -n 9; then
  echo "debian13: waiting for another run to end" >&2
  flock 9
fi
for dir in "$cache"/system.* "$cache"/bootstrap.*; do
  [ -d "$dir" ] || continue
  echo "debian13: removing $dir, left by a run that was killed" >&2
  remove_system "$dir"
done

# ---- the minimal system -------------------------------------------------

# The Debian archive as this machine reaches it: the address its own apt
# sources give for its own release (a local mirror or a proxy where the
# machine has one), not that release's security or updates suites nor a
# third party's archive. Prints it, or nothing.
debian_archive() {
  local release f
  release=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
  [ -n "$release" ] || return 0
  {
    # deb822 files: one stanza per paragraph.
    for f in /etc/apt/sources.list.d/*.sources; do
      [ -e "$f" ] || continue
      awk -v release="$release" '
        function stanza() {
          if (types ~ /(^| )deb( |$)/ && enabled !~ /^no$/ && (" " suites " ") ~ (" " release " ") &&
              (" " components " ") ~ / main /) {
            split(uris, u, " "); print u[1]
          }
          types = suites = uris = components = enabled = ""
        }
        /^[ \t]*#/ { next }
        /^[ \t]*$/ { stanza(); next }
        { key = tolower($0); sub(/[ \t]*:.*/, "", key); value = $0; sub(/^[^:]*:[ \t]*/, "", value) }
        key == "types" { types = value } key == "suites" { suites = value }
        key == "uris" { uris = value } key == "components" { components = value }
        key == "enabled" { enabled = tolower(value) }
        END { stanza() }' "$f"
    done
    # One-line sources: deb [options] uri suite component...
    for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
      [ -e "$f" ] || continue
      sed -E 's/\[[^]]*\]//' "$f" | awk -v release="$release" '
        $1 == "deb" && $3 == release { for (i = 4; i <= NF; i++) if ($i == "main") { print $2; next } }'
    done
  } | head -n 1
}
mirror=$(debian_archive)
if [ -z "$mirror" ]; then
  echo "debian13: this machine's apt sources name no Debian archive of its own release with main" >&2
  exit 2
fi

if [ ! -f "$base" ] || [ -n "$(find "$base" -mtime +6)" ]; then
  step "debootstrap --variant=minbase $suite $mirror (kept in $cache)"
  bootstrap=$(mktemp -d "$cache/bootstrap.XXXXXX")
  systems+=("$bootstrap")
  debootstrap --variant=minbase "$suite" "$bootstrap/root" "$mirror" >"$bootstrap/log" 2>&1 ||
    { tail -n 30 "$bootstrap/log" >&2; exit 1; }
  tar --numeric-owner -C "$bootstrap/root" -cf "$base.new" .
  mv "$base.new" "$base"
  # The packages of the week before are outdated with it.
  find "$archives" -name '*.deb' -delete
  remove_system "$bootstrap"
  took
fi

# A new system from the kept one, with /proc, /sys and /dev lent to it and
# apt's downloads kept in the cache. Prints its folder.
new_system() {
  local dir
  dir=$(mktemp -d "$cache/system.XXXXXX")
  systems+=("$dir")
  tar --numeric-owner -C "$dir" -xf "$base"
  mount -t proc proc "$dir/proc"
  # Lent as slaves: what is unmounted here never reaches the machine's own.
  mount --rbind /sys "$dir/sys"
  mount --make-rslave "$dir/sys"
  mount --rbind /dev "$dir/dev"
  mount --make-rslave "$dir/dev"
  mount --bind "$archives" "$dir/var/cache/apt/archives"
  cp /etc/resolv.conf "$dir/etc/resolv.conf"
  system=$dir
}

# Runs a command as root inside the system, with a plain environment, and
# shows it first (in_system) or not (quietly_in_system).
in_system() {
  echo "   [$suite]# $*"
  quietly_in_system "$@"
}
# The command runs in the background and is waited for, so that a signal
# to this script is acted on at once, not after the command.
quietly_in_system() {
  chroot "$system" /usr/bin/env -i \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    HOME=/root LANG=C.UTF-8 TERM="${TERM:-dumb}" XDG_RUNTIME_DIR=/run/user/0 \
    DEBIAN_FRONTEND=noninteractive "$@" &
  wait $!
}

apt_install() {
  in_system apt-get update -qq
  echo "   [$suite]# apt-get install -y $*"
  quietly_in_system apt-get install -y -qq -o Dpkg::Use-Pty=0 "$@" >/dev/null
}

# ---- 1. the suite and the checks on Debian 13 ---------------------------

commit=$(git -C "$repo" rev-parse HEAD)
if [ -n "$(git -C "$repo" status --porcelain --untracked-files=no)" ]; then
  echo "debian13: note: changes not committed in $repo are not tested"
fi

step "a minimal $suite system; git; a clean clone of $commit"
new_system
mkdir -p "$system/run/user/0" && chmod 700 "$system/run/user/0"
apt_install --no-install-recommends git
git clone -q --no-checkout "$repo" "$system/root/roemische-zahlen"
git -C "$system/root/roemische-zahlen" checkout -q --detach "$commit"
took

step "./dev test"
in_system bash -c 'cd /root/roemische-zahlen && ./dev test'
took

step "./dev check"
in_system bash -c 'cd /root/roemische-zahlen && ./dev check'
took
remove_system "$system"

# ---- 2. the Debian 12 package on Debian 13 -------------------------------

step "a fresh minimal $suite system; apt install $(basename "$deb")"
new_system
mkdir -p "$system/run/user/0" && chmod 700 "$system/run/user/0"
cp "$deb" "$player" "$system/tmp/"
apt_install "/tmp/$(basename "$deb")"
in_system dpkg-query -W -f '   ${Package} ${Version}\n' roemische-zahlen libqt6core6t64
took

step "roemische-zahlen --version"
version=$(quietly_in_system roemische-zahlen --version)
echo "$version"
grep -q '1\.00' <<<"$version" || { echo "debian13: --version does not name 1.00" >&2; exit 1; }

step "the short scripted game in the installed program, offscreen"
# The program prints nothing on a normal run. The offscreen platform itself
# notes a window call it cannot carry out ("This plugin does not support
# raise()"); anything else printed fails.
game=(env QT_QPA_PLATFORM=offscreen LD_PRELOAD="/tmp/$(basename "$player")" timeout 300 roemische-zahlen)
echo "   [$suite]# ${game[*]}"
output=$(quietly_in_system "${game[@]}" 2>&1) || { echo "$output" >&2; exit 1; }
if grep -v -E '^This plugin does not support [a-zA-Z]+\(\)$' <<<"$output" | grep -q .; then
  echo "$output" >&2
  echo "debian13: the program printed the above" >&2
  exit 1
fi
echo "   played from start to \"Ende\", exit status 0"
took
