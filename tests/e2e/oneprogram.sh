#!/usr/bin/env bash
# One program per vault: a second start on the same vault file brings the first program's window
# to the front and ends with status 0; after the first program is killed (kill -9, its lock left
# behind) a new start takes the lock over and runs.
#
#   oneprogram.sh <quorlane executable> <build dir>
set -euo pipefail
program="$1"; build="$2"
source "$(dirname "$0")/lib/poll.sh"
work="$(mktemp -d)"
cleanup() {
  for p in ${first:-} ${second:-} ${third:-} ${cover:-}; do kill -9 "$p" 2>/dev/null || true; done
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

cp "$program" "$work/quorlane"
cp "$(dirname "$program")/quorlane-vaultcheck" "$work/" # the check of a plain vault, found beside the program
"$build/tests/seedvault" "$(dirname "$0")/../.." "$work/gpwdfsc.mdb" "Mail account|EMAIL|me@example.org|secret|||"
mkdir -m 700 "$work/run"
start_xvfb
unset QT_QPA_PLATFORM
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run"

"$work/quorlane" >"$work/first.log" 2>&1 &
first=$!
watched=$first
main="$(wait_window '^Quorlane$')"

# Another window covers it.
xmessage -geometry 1280x1024+0+0 "cover" &
cover=$!
cover_id="$(wait_window '^xmessage$')"
# The shown window on top: the first viewable child of the root (children are listed top first).
top_window() {
  local id
  for id in $(xwininfo -root -children | grep -oE '^ +0x[0-9a-f]+'); do
    case "$(xwininfo -id "$id")" in *IsViewable*) echo $((id)); return ;; esac
  done
}
top_is() { [ "$(top_window)" = "$1" ]; }
wait_until "the cover on top" top_is "$cover_id"

"$work/quorlane" >"$work/second.log" 2>&1 &
second=$!
wait_exit "$second" "the second start"
[ "$exit_status" = 0 ] || { echo "FAIL: the second start ended with status $exit_status"; cat "$work/second.log"; exit 1; }
wait_until "the first program's window in front" top_is "$main"
kill -0 "$first" || { echo "FAIL: the first program ended"; exit 1; }
[ "$(xdotool search --onlyvisible --name '^Quorlane$' | wc -l)" = 1 ] || { echo "FAIL: two main windows"; exit 1; }

# Killed: its lock stays behind and is taken over by the next start.
kill -9 "$first"
wait_exit "$first" "the killed program"
watched=""
ls "$work/run"/quorlane-*.lock >/dev/null || { echo "FAIL: no lock was left to take over"; exit 1; }
"$work/quorlane" >"$work/third.log" 2>&1 &
third=$!
watched=$third
wait_window '^Quorlane$' >/dev/null
kill -0 "$third" || { echo "FAIL: the start after the kill ended"; exit 1; }
echo "3 passed, 0 failed"
