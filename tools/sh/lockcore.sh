#!/usr/bin/env bash
# What of the vault is still in the program's memory after a lock: the program runs under gdb
# (a tracer from the start keeps access after the program makes itself undumpable), logs in to an
# encrypted vault, shows an entry, and gdb writes a core (gcore) before and after Ctrl+L. Counts
# the places where the entry's values and the password appear in each core (UTF-8 and UTF-16).
#
#   lockcore.sh <quorlane executable> <build dir>
# Needs: gdb, xvfb, xdotool.
set -euo pipefail
program="$1"; build="$2"
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
cleanup() { [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT

cp "$program" "$work/quorlane"
"$build/tests/seedvault" "$here/../.." "$work/gpwdfsc.mdb" \
  "Kestrel Mail|WEB SITE|kestrel-user|www.kestrel.example|kestrel-secret|kestrel-four|kestrel notes"
"$build/tests/encryptvault" "$work/gpwdfsc.mdb" "Qu1et-Harbour" 3
mkdir -p "$work/config"

exec 3< <(Xvfb -displayfd 1 -noreset -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null)
xvfb=$!
read -r -t 20 display <&3
export DISPLAY=":$display" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" QT_QPA_PLATFORM=xcb

gdb -q -batch -ex "handle SIGUSR1 stop print nopass" -ex run -ex "gcore $work/unlocked.core" \
  -ex continue -ex "gcore $work/locked.core" -ex kill --args "$work/quorlane" >"$work/gdb.log" 2>&1 &
gdb=$!

until_window() { # waits for a visible window named $1; prints its id
  for _ in $(seq 1 240); do
    id="$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)"
    [ -n "$id" ] && { echo "$id"; return; }
    sleep 0.25
  done
  echo "no window $1" >&2; cat "$work/gdb.log" >&2; exit 1
}
login="$(until_window 'Quorlane - Password REQUIRED')"
xdotool windowfocus --sync "$login" type --delay 30 "Qu1et-Harbour"
xdotool key Return
main="$(until_window 'Quorlane')"
sleep 2 # the first entry is shown after the window appears
inferior="$(pgrep -P "$gdb" -x quorlane || pgrep -f "^$work/quorlane\$")"
core() { # signals the program and waits for gdb to have written the core $1
  kill -USR1 "$inferior"
  for _ in $(seq 1 240); do grep -q "Saved corefile $work/$1" "$work/gdb.log" && return; sleep 0.5; done
  echo "no core $1" >&2; cat "$work/gdb.log" >&2; exit 1
}
core unlocked.core
xdotool windowfocus --sync "$main" key ctrl+l
sleep 2
core locked.core
wait "$gdb" || true

for name in unlocked locked; do
  file="$work/$name.core"
  printf '%s core (%s MB):\n' "$name" "$(( $(stat -c %s "$file") / 1048576 ))"
  for value in kestrel-secret kestrel-user kestrel-four "kestrel notes" KESTREL Qu1et-Harbour QU1ET-HARBOUR; do
    utf8="$( (grep -a -o -F "$value" "$file" || true) | wc -l)"
    utf16="$( (strings -a -e l "$file" | grep -F "$value" || true) | wc -l)"
    printf '  %-15s UTF-8 %3s  UTF-16 %3s\n' "$value" "$utf8" "$utf16"
  done
done
