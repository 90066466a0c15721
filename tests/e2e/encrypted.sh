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
import sys
import pyatspi
sys.path.insert(0, sys.argv[1])
from poll import wait_for

def walk(acc, depth=0):
    if acc is None or depth > 30:
        return
    yield acc
    for i in range(acc.childCount):
        yield from walk(acc.getChildAtIndex(i), depth + 1)

def rows():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in (desktop.getChildAtIndex(i) for i in range(desktop.childCount)):
        if app is None or not app.name.lower().startswith("quorlane"):
            continue
        for acc in walk(app):
            if acc.getRoleName() == "list" and acc.parent.getRoleName() != "combo box" and acc.childCount:
                return "|".join(acc.getChildAtIndex(i).name for i in range(acc.childCount))
    return None

print(wait_for("the entry list", rows))
PY

cat > "$work/check.sh" <<'CHECK'
#!/usr/bin/env bash
set -u
work="$1"; lib="$2"
source "$lib/poll.sh"
wait_display || exit 1
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$work/config" \
  "$work/quorlane" >"$work/program.log" 2>&1 &
program=$!
watched=$program
trap 'kill "$program" 2>/dev/null; wait "$program" 2>/dev/null' EXIT
fail() { echo "FAIL: $*"; cat "$work/program.log"; exit 1; }

# The id of the visible login window other than $1 (a window that came back is a new one).
other_login() {
  local id
  id="$(shown_window '^Quorlane - Password REQUIRED$')" || return 1
  [ "$id" != "$1" ] && echo "$id"
}
# Waits for the login window and types a password and Enter into it; the window's id is in login.
answer() {
  login="$(wait_window '^Quorlane - Password REQUIRED$')" || fail "no login window ($2)"
  xdotool windowfocus --sync "$login" type --delay 20 "$1"
  xdotool key Return
}

# Waits for the message box that answers a wrong password, then closes it with Enter.
dismiss_wrong() {
  local id
  id="$(wait_window '^Wrong Password$')" || fail "no answer to a wrong password ($1)"
  xdotool windowfocus --sync "$id" key Return
}

answer "wrong" "first try"
dismiss_wrong "first try"
wait_until "the login window to come back" other_login "$login" >/dev/null || fail "no second login window"
echo "PASS: a wrong password asks again"
answer "  open sesame " "second try"
entries="$(/usr/bin/python3 "$work/entries.py" "$lib")" || fail "no entry list after the right password"
[ "$entries" = "ALPHA BANK|BETA MAIL" ] || fail "the list shows '$entries'"
echo "PASS: the right password (other case, blanks around it) shows the entries: $entries"
kill "$program"; wait "$program" 2>/dev/null

# The same vault with no tries left after the first: one wrong password ends the program.
printf "[General]\nRetries=0\n" > "$work/config/Quorlane.conf"
QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$work/config" "$work/quorlane" >"$work/program.log" 2>&1 &
program=$!
watched=$program
answer "wrong" "last try"
dismiss_wrong "last try"
wait_exit "$program" || fail "the program goes on after the last wrong try"
echo "PASS: the last wrong try ends the program (status $exit_status)"
CHECK

xvfb-run -a -s "-screen 0 1024x768x24 -noreset" dbus-run-session -- bash "$work/check.sh" "$work" "$(cd "$(dirname "$0")" && pwd)/lib"
