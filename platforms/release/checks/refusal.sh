#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Römische Zahlen developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# ./dev release builds from a commit alone: in a clone of the source with a
# change that is not committed, in each of the ways a work tree can have
# one, it refuses, says why and names the change, and builds nothing.
#
# usage: refusal.sh <source folder>
set -euo pipefail
source=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
clone=$scratch/clone
git clone -q "$source" "$clone"
cd "$clone"

# name | how the work tree is changed | what git status names
cases=(
  "a changed file|echo '# geändert' >>README.md|README.md"
  "a change in the index|echo '# geändert' >>dev && git add dev|dev"
  "a new file|echo neu >neu.txt|neu.txt"
  "a removed file|git rm -q --cached LICENSES/GPL-3.0-or-later.txt|LICENSES/GPL-3.0-or-later.txt"
)
failed=0
for entry in "${cases[@]}"; do
  IFS='|' read -r name change named <<<"$entry"
  git reset -q --hard && git clean -q -f -d -x
  eval "$change"
  status=0
  # Refused, it ends at once; where it is not, the build it starts is
  # ended (timeout ends its whole process group).
  timeout 60 ./dev release >"$scratch/out" 2>"$scratch/err" || status=$?
  problem=
  if [ "$status" -ne 1 ]; then
    problem="ended with status $status, not 1"
  elif ! grep -q 'not committed' "$scratch/err"; then
    problem="did not say that there are uncommitted changes"
  elif ! grep -qF "$named" "$scratch/err"; then
    problem="did not name $named"
  elif [ -e release ]; then
    problem="made release/"
  fi
  if [ -n "$problem" ]; then
    echo "FAIL: with $name, ./dev release $problem:"
    cat "$scratch/out" "$scratch/err"
    failed=1
  else
    echo "PASS: with $name, ./dev release refuses and names $named"
  fi
done
exit "$failed"
