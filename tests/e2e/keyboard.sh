#!/usr/bin/env bash
# The real program under Xvfb, driven from the keyboard alone: a new entry is added (Ctrl+N, the
# editor's boxes, Save by Enter), another entry is shown, the search finds the new one and shows
# it again, and Ctrl+3 puts its password on the clipboard. Controls are found and checked through
# the accessibility tree (AT-SPI on a private D-Bus session), keys are typed with xdotool, the
# clipboard is read with xclip.
#
#   keyboard.sh <quorlane executable> <build dir>
# Needs: xvfb, dbus-x11 (dbus-run-session), at-spi2-core, python3-pyatspi, xdotool, xclip.
set -euo pipefail
program="$1"; build="$2"
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
cleanup() { [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT

cp "$program" "$work/quorlane"
cp "$(dirname "$program")/quorlane-vaultcheck" "$work/" # the check of a plain vault, found beside the program
"$build/tests/seedvault" "$here/../.." "$work/gpwdfsc.mdb" \
  "Alpha|HOME|A1|A2|alpha-secret|A4|" \
  "Zulu|HOME|Z1|Z2|zulu-secret|Z4|"

source "$here/lib/poll.sh"
start_xvfb
unset QT_QPA_PLATFORM

export QUORLANE_WORK="$work"
# Debian's own Python, which has pyatspi.
timeout 600 dbus-run-session -- /usr/bin/python3 "$here/keyboard.py" 2> >(grep -v "Failed to set fd limit" >&2)
