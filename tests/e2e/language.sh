#!/usr/bin/env bash
# The real program under Xvfb in German, then in English, on the same vault: under
# LANG=de_DE.UTF-8 the main window, the entry editor and a message box (with Qt's own Ja/Nein)
# speak German; afterwards the same vault opened in English lists the same entries and categories,
# and the vault file is byte for byte what it was. Screenshots of each step go to
# $QUORLANE_SHOTS when set (for a person to look at), else into the run's temporary folder.
#
#   language.sh <quorlane executable> <build dir>
# Needs: xvfb, dbus-x11 (dbus-run-session), at-spi2-core, python3-pyatspi, xdotool, imagemagick.
set -euo pipefail
program="$1"; build="$2"
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
cleanup() { [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT

# The program with its translations beside it, as the build lays it out.
cp "$program" "$work/quorlane"
cp "$(dirname "$program")/quorlane-vaultcheck" "$work/"
cp -r "$(dirname "$program")/translations" "$work/"
"$build/tests/seedvault" "$here/../.." "$work/gpwdfsc.mdb" \
  "Alarm|HOME|4711|||||" \
  "Mail Box|WEB SITE|www.example.org|joe|Pa55-word!||"

source "$here/lib/poll.sh"
start_xvfb
unset QT_QPA_PLATFORM LANGUAGE LC_ALL LC_MESSAGES

export QUORLANE_WORK="$work"
export QUORLANE_SHOTS="${QUORLANE_SHOTS:-$work}"
mkdir -p "$QUORLANE_SHOTS"
timeout 600 dbus-run-session -- /usr/bin/python3 "$here/language.py" 2> >(grep -v "Failed to set fd limit" >&2)
