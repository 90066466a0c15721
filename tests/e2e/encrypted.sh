#!/usr/bin/env bash
# The real program on an encrypted vault: it asks for the password before anything else; a wrong
# password counts as a wrong try (the window comes back while tries are left, the program ends
# after the last); the right one opens the vault and the entry list shows the entries.
#
#   encrypted.sh <quorlane executable> <build dir>
# Needs: xvfb (xvfb-run), xauth, x11-utils (xwininfo), xdotool, dbus, at-spi2-core, python3-pyatspi.
set -euo pipefail

exe="$1"
build="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

cp "$exe" "$work/quorlane"
cp "$(dirname "$exe")/quorlane-vaultcheck" "$work/" # the check of a plain vault, found beside the program
"$build/tests/seedvault" "$(dirname "$0")/../.." "$work/gpwdfsc.mdb" \
  "ALPHA BANK|BANK ACCOUNT|12-34|Savings|||" "BETA MAIL|EMAIL|me@example.org|pw1|||"
# The retry count inside the encrypted file says 0; the copy outside it says 1: the copy counts.
"$build/tests/encryptvault" "$work/gpwdfsc.mdb" "Open Sesame" 0
mkdir -p "$work/config"
printf "[General]\nRetries=1\n" > "$work/config/Quorlane.conf"
if grep -q "SQLite format 3" "$work/gpwdfsc.mdb"; then echo "FAIL: the vault is not encrypted"; exit 1; fi

cat > "$work/entries.py" <<'PY'
# Prints the rows of the main window's entry list (the list that is not a combo box's).
import sys, time, pyatspi

def walk(acc, depth=0):
    if acc is None or depth > 30:
        return
    yield acc
    for i in range(acc.childCount):
        yield from walk(acc.getChildAtIndex(i), depth + 1)

desktop = pyatspi.Registry.getDesktop(0)
for _ in range(40):
    for app in (desktop.getChildAtIndex(i) for i in range(desktop.childCount)):
        if app is None or not app.name.lower().startswith("quorlane"):
            continue
        for acc in walk(app):
            if acc.getRoleName() == "list" and acc.parent.getRoleName() != "combo box" and acc.childCount:
                print("|".join(acc.getChildAtIndex(i).name for i in range(acc.childCount)))
                sys.exit(0)
    time.sleep(0.5)
sys.exit(1)
PY

cat > "$work/check.sh" <<'CHECK'
#!/usr/bin/env bash
set -u
work="$1"
# The display can take a moment when several servers start at once.
for _ in $(seq 1 40); do xwininfo -root >/dev/null 2>&1 && break; sleep 0.25; done
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$work/config" \
  "$work/quorlane" >"$work/program.log" 2>&1 &
program=$!
trap 'kill "$program" 2>/dev/null; wait "$program" 2>/dev/null' EXIT

# The id of the mapped login window, or nothing.
login() {
  local id
  for id in $(xdotool search --name '^Quorlane - Password REQUIRED$' 2>/dev/null); do
    xwininfo -id "$id" 2>/dev/null | grep -q 'Map State: IsViewable' && { echo "$id"; return; }
  done
}
# Waits for the login window and types a password and Enter into it.
answer() {
  local id=""
  for _ in $(seq 1 60); do
    kill -0 "$program" 2>/dev/null || { echo "FAIL: the program ended instead of asking ($2)"; cat "$work/program.log"; exit 1; }
    id="$(login)"
    [ -n "$id" ] && break
    sleep 0.5
  done
  [ -n "$id" ] || { echo "FAIL: no login window ($2)"; exit 1; }
  xdotool windowfocus --sync "$id"
  xdotool type --delay 20 "$1"
  xdotool key Return
  # The derivation of the key takes a moment; the window goes before the next one comes.
  for _ in $(seq 1 40); do [ "$(login)" != "$id" ] && break; sleep 0.25; done
}

answer "wrong" "first try"
echo "PASS: a wrong password asks again"
answer "  open sesame " "second try"
entries="$(/usr/bin/python3 "$work/entries.py")" || { echo "FAIL: no entry list after the right password"; exit 1; }
if [ "$entries" != "ALPHA BANK|BETA MAIL" ]; then echo "FAIL: the list shows '$entries'"; exit 1; fi
echo "PASS: the right password (other case, blanks around it) shows the entries: $entries"
kill "$program"; wait "$program" 2>/dev/null

# The same vault with no tries left after the first: one wrong password ends the program.
printf "[General]\nRetries=0\n" > "$work/config/Quorlane.conf"
QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$work/config" "$work/quorlane" >"$work/program.log" 2>&1 &
program=$!
answer "wrong" "last try"
for _ in $(seq 1 40); do kill -0 "$program" 2>/dev/null || break; sleep 0.25; done
if kill -0 "$program" 2>/dev/null; then echo "FAIL: the program goes on after the last wrong try"; exit 1; fi
echo "PASS: the last wrong try ends the program"
CHECK

xvfb-run -a -s "-screen 0 1024x768x24 -noreset" dbus-run-session -- bash "$work/check.sh" "$work"
