#!/usr/bin/env bash
# Starts the real program under Xvfb with a prepared vault beside it and checks that the main
# window "Quorlane" comes up, with no error report, and keeps running.
set -euo pipefail
program="$1"; build="$2"
work="$(mktemp -d)"
cleanup() { [ -n "${app:-}" ] && kill "$app" 2>/dev/null; [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT

cp "$program" "$work/quorlane"
cp "$(dirname "$program")/quorlane-vaultcheck" "$work/" # the check of a plain vault, found beside the program
"$build/tests/seedvault" "$(dirname "$0")/../.." "$work/gpwdfsc.mdb" \
  "Mail account|EMAIL|me@example.org|secret|imap.example.org|smtp.example.org|" \
  "Bank|BANK ACCOUNT|12345678|00-11-22|me|pw|Opened 2020"

exec 3< <(Xvfb -displayfd 1 -noreset -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null)
xvfb=$!
read -r -t 20 display <&3
export DISPLAY=":$display"
unset QT_QPA_PLATFORM

XDG_CONFIG_HOME="$work/config" "$work/quorlane" >"$work/out.log" 2>&1 &
app=$!
for _ in $(seq 1 40); do
  if xwininfo -root -tree 2>/dev/null | grep -q '"Quorlane"'; then break; fi
  sleep 0.25
done
tree="$(xwininfo -root -tree)"
echo "$tree" | grep -q '"Quorlane"' || { echo "the main window did not appear"; cat "$work/out.log"; exit 1; }
if echo "$tree" | grep -q '"E2[0-9][0-9] : '; then echo "an error report appeared:"; echo "$tree" | grep '"E2'; exit 1; fi
sleep 1
kill -0 "$app" || { echo "the program stopped"; exit 1; }
[ -n "${QUORLANE_SHOT:-}" ] && import -window root "$QUORLANE_SHOT"
echo "1 passed, 0 failed"
