#!/usr/bin/env bash
# Builds Quorlane when needed and starts it. The vault is the one in your data folder
# (made from the build's delivered vault on first start), never one in build/.
set -euo pipefail
cd "$(dirname "$0")"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Quorlane needs a graphical display, and none is available (DISPLAY is not set)." >&2
  exit 1
fi
source tools/sh/prepare.sh

# Earlier builds kept the vault in build/bin/, where cleaning the build tree deletes it: move it to
# the data folder, where Quorlane looks for it (a vault beside the program would still be used).
old=build/bin/gpwdfsc.mdb
data="${XDG_DATA_HOME:-$HOME/.local/share}/Quorlane"
if [ -f "$old" ]; then
  if [ -e "$data/gpwdfsc.mdb" ]; then
    echo "Two vaults: $old (used now) and $data/gpwdfsc.mdb." >&2
    echo "Keep the one you want in $data/ and delete the other, so the build tree holds none." >&2
  else
    mkdir -p "$data"
    chmod 700 "$data"
    mv "$old" "$data/gpwdfsc.mdb"
    chmod 600 "$data/gpwdfsc.mdb"
    echo "Your vault has moved from $old to $data/gpwdfsc.mdb." >&2
  fi
fi
exec build/bin/quorlane
