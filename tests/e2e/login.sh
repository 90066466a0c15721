#!/usr/bin/env bash
# With a login password in the vault, the real program asks for it first: the login window
# "Quorlane - Password REQUIRED" appears, and the main window is mapped for the first time only
# after the right password is typed (the server's record of mapped windows shows the order).
#
#   login.sh <quorlane executable> <build dir>
# Needs: xvfb (xvfb-run), xauth, x11-utils (xev, xmessage), xdotool, sqlite3.
set -euo pipefail

exe="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# The program in a folder of its own, with the delivered vault (from the build's data folder)
# beside it.
cp "$exe" "$work/quorlane"
cp "$(dirname "$exe")/quorlane-vaultcheck" "$work/" # the check of a plain vault, found beside the program
cp "$2/share/quorlane/gpwdfsc.mdb" "$work/gpwdfsc.mdb"

# The login row: login required, password "secret" in the vault's encoded form (each character's
# three-digit code, the digits reversed, every digit behind a filler character 1..11), 3 retries.
encode() {
  local text="$1" digits="" expr="" code i
  for ((i = 0; i < ${#text}; i++)); do
    printf -v code '%03d' "'${text:i:1}"
    digits+="$code"
  done
  for ((i = ${#digits} - 1; i >= 0; i--)); do
    expr+="char($((i % 11 + 1)))||'${digits:i:1}'||"
  done
  printf '%s' "${expr%||}"
}
sqlite3 "$work/gpwdfsc.mdb" "UPDATE LPass SET RUL = '1', UPass = $(encode secret), URetry = '3'"

mkdir -p "$work/config"
cat > "$work/check.sh" <<'CHECK'
#!/usr/bin/env bash
set -u
work="$1"
source "$2/lib/poll.sh"
wait_display || exit 1
# Every window the server maps, in order: proof of which window came first.
stdbuf -oL xev -root -event substructure >"$work/maps.log" 2>/dev/null &
xev=$!
trap 'kill "$xev" 2>/dev/null' EXIT
# Marker windows are mapped until xev logs one: the log is known complete from then on. (A single
# marker may be mapped before xev listens, and would never be logged.)
marker=""
xev_listens() {
  grep -q MapNotify "$work/maps.log" && return 0
  [ -n "$marker" ] && kill "$marker" 2>/dev/null
  xmessage -name marker ready 2>/dev/null &
  marker=$!
  return 1
}
wait_until "xev to listen" xev_listens || exit 1
kill "$marker" 2>/dev/null
QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$work/config" "$work/quorlane" >"$work/program.log" 2>&1 &
program=$!
watched=$program
trap 'kill "$program" "$xev" 2>/dev/null; wait "$program" 2>/dev/null' EXIT
fail() { echo "FAIL: $*"; cat "$work/program.log"; exit 1; }

# The window ids as xev writes them.
hex() { printf '0x%x' "$1"; }
# The line of the first map of a window in the log (0: never mapped).
# (xev writes the mapped window on the line after "MapNotify event": "event <parent>, window <id>, override".)
mapped_at() { grep -n "event 0x[0-9a-f]*, window $(hex "$1"), override" "$work/maps.log" | head -n 1 | cut -d: -f1 | grep . || echo 0; }

login="$(wait_window '^Quorlane - Password REQUIRED$')" || fail "no login window"
# The password typed, the main window is the next one.
typed_at="$(wc -l <"$work/maps.log")"
xdotool windowfocus --sync "$login" type --delay 20 secret
xdotool key Return
main="$(wait_window '^Quorlane$')" || fail "no main window after the right password"
wait_no_window '^Quorlane - Password REQUIRED$' || fail "the login window stays after the right password"
first_main="$(mapped_at "$main")"
[ "$first_main" -gt "$typed_at" ] || fail "the main window was shown before the password was given"
echo "PASS: the login window asks for the password; the main window comes only after it"
CHECK

xvfb-run -a -s "-screen 0 1024x768x24" bash "$work/check.sh" "$work" "$(cd "$(dirname "$0")" && pwd)"
