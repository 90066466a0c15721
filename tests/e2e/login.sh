#!/usr/bin/env bash
# With a login password in the vault, the real program asks for it first: the login window
# "Quorlane - Password REQUIRED" appears and the main window does not.
#
#   login.sh <quorlane executable> <build dir>
# Needs: xvfb (xvfb-run), xauth, x11-utils (xwininfo), sqlite3.
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
QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$work/config" "$work/quorlane" >"$work/program.log" 2>&1 &
program=$!
trap 'kill "$program" 2>/dev/null; wait "$program" 2>/dev/null' EXIT

# The ids of the mapped top-level windows whose name is exactly $1.
viewable() {
  local id
  for id in $(xwininfo -root -tree | awk -v name="\"$1\":" '$2 == name || index($0, " " name " ") { print $1 }'); do
    xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' && echo "$id"
  done
}

for _ in $(seq 1 60); do
  if ! kill -0 "$program" 2>/dev/null; then
    echo "FAIL: the program ended before asking for the password"; cat "$work/program.log"; exit 1
  fi
  [ -n "$(viewable 'Quorlane - Password REQUIRED')" ] && break
  sleep 0.5
done
if [ -z "$(viewable 'Quorlane - Password REQUIRED')" ]; then
  echo "FAIL: no login window"; xwininfo -root -tree; exit 1
fi
# Give a wrongly shown main window the time to appear.
sleep 1
if [ -n "$(viewable 'Quorlane')" ]; then
  echo "FAIL: the main window is shown before the password was given"; xwininfo -root -tree; exit 1
fi
echo "PASS: the login window asks for the password; the main window is not shown"
CHECK

xvfb-run -a -s "-screen 0 1024x768x24" bash "$work/check.sh" "$work"
