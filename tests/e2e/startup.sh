#!/usr/bin/env bash
# Starts the real program under Xvfb with a prepared vault beside it and checks that the main
# window "Quorlane" comes up with no error report: Ctrl+Q in the main window then ends the program
# with status 0 (an error report, being modal, would hold the keys back).
set -euo pipefail
program="$1"; build="$2"
source "$(dirname "$0")/lib/poll.sh"
work="$(mktemp -d)"
cleanup() { [ -n "${app:-}" ] && kill "$app" 2>/dev/null; [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
fail() { echo "FAIL: $*"; cat "$work/out.log"; exit 1; }

cp "$program" "$work/quorlane"
cp "$(dirname "$program")/quorlane-vaultcheck" "$work/" # the check of a plain vault, found beside the program
"$build/tests/seedvault" "$(dirname "$0")/../.." "$work/gpwdfsc.mdb" \
  "Mail account|EMAIL|me@example.org|secret|imap.example.org|smtp.example.org|" \
  "Bank|BANK ACCOUNT|12345678|00-11-22|me|pw|Opened 2020"

start_xvfb
unset QT_QPA_PLATFORM

XDG_CONFIG_HOME="$work/config" "$work/quorlane" >"$work/out.log" 2>&1 &
app=$!
watched=$app
main="$(wait_window '^Quorlane$')" || fail "the main window did not appear"
[ -z "$(shown_window '^E2[0-9][0-9] : ')" ] || fail "an error report appeared: $(xdotool getwindowname "$(shown_window '^E2')")"
[ -n "${QUORLANE_SHOT:-}" ] && import -window root "$QUORLANE_SHOT"
xdotool windowfocus --sync "$main" key ctrl+q
wait_exit "$app" || fail "Ctrl+Q did not end the program (a window holds the keys?)"
app=
[ "$exit_status" = 0 ] || fail "the program ended with status $exit_status"
echo "1 passed, 0 failed"
