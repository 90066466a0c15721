#!/usr/bin/env bash
# Locked means locked, seen as another program of the desktop session would see it: through the
# accessibility bus (AT-SPI). The password typed at the login sends none of its characters in
# text-changed events; once an entry has been shown and the program locked (Ctrl+L), the
# accessibility tree holds none of the entry's values, and pressing its copy control through
# AT-SPI leaves the clipboard empty.
#
#   lock.sh <quorlane executable> <build dir>
# Needs: xvfb, dbus-x11 (dbus-run-session), at-spi2-core, python3-pyatspi, xdotool, xclip.
set -euo pipefail
program="$1"; build="$2"
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/lib/poll.sh"
work="$(mktemp -d)"
cleanup() { [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT

cp "$program" "$work/quorlane"
cp "$(dirname "$program")/quorlane-vaultcheck" "$work/" # the check of a plain vault, found beside the program
"$build/tests/seedvault" "$here/../.." "$work/gpwdfsc.mdb" \
  "Kestrel Mail|WEB SITE|kestrel-user|www.kestrel.example|kestrel-secret|kestrel-four|kestrel notes"
"$build/tests/encryptvault" "$work/gpwdfsc.mdb" "Qu1et-Harbour" 3
mkdir -p "$work/config"

start_xvfb
unset QT_QPA_PLATFORM

export QUORLANE_WORK="$work"
timeout 150 dbus-run-session -- /usr/bin/python3 "$here/lock.py" 2> >(grep -v "Failed to set fd limit" >&2)
