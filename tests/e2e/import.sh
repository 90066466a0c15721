#!/usr/bin/env bash
# Imports a web browser's CSV file of 1,000 passwords into the real program under Xvfb, as a person
# would: the import button, the file dialog, the summary's Import button, the success message.
# Controls are found through the accessibility tree by their names and tooltips; the main window's
# entry count must then read 1000 and the vault file hold 1,000 entries.
set -euo pipefail
program="$1"; build="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

cp "$program" "$work/quorlane"
cp "$(dirname "$program")/quorlane-vaultcheck" "$work/" # the check of a plain vault, found beside the program
cp "$build/share/quorlane/gpwdfsc.mdb" "$work/gpwdfsc.mdb"
{
  printf 'name,url,username,password,note\r\n'
  for i in $(seq -w 1 1000); do
    printf 'site%s.example,https://site%s.example/login,user%s,"pw,""%s""",\r\n' "$i" "$i" "$i" "$i"
  done
} > "$work/passwords.csv"

cat > "$work/drive.py" <<'PY'
import subprocess, sys, time
import pyatspi

work = sys.argv[1]

def find(node, test, depth=0):
    if node is None or depth > 12:
        return None
    try:
        if test(node):
            return node
        for child in node:
            found = find(child, test, depth + 1)
            if found is not None:
                return found
    except Exception:
        return None
    return None

def wait_for(test, what, seconds=30):
    end = time.time() + seconds
    while time.time() < end:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "Quorlane":
                found = find(app, test)
                if found is not None:
                    return found
        time.sleep(0.3)
    sys.exit("FAIL: no " + what)

def click(node):
    # Pressed with the pointer where the control says it is: an action call would wait for the
    # modal window that the press opens.
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(box.x + box.width // 2), str(box.y + box.height // 2),
                    "click", "1"], check=True)

def keys_to(window_name, *keys):
    ids = subprocess.run(["xdotool", "search", "--name", "^" + window_name + "$"], capture_output=True,
                         text=True).stdout.split()
    if not ids:
        sys.exit("FAIL: no window " + window_name)
    subprocess.run(["xdotool", "windowfocus", "--sync", ids[-1]], check=True)
    for k in keys:
        subprocess.run(["xdotool"] + k, check=True)

button = lambda tip: (lambda n: n.getRoleName() == "push button" and n.description.startswith(tip))
click(wait_for(button("Import passwords from a CSV file"), "import button"))
time.sleep(1.5)
keys_to("Import Passwords", ["type", "--delay", "2", work + "/passwords.csv"], ["key", "Return"])
click(wait_for(lambda n: n.getRoleName() == "push button" and n.name == "Import", "summary window"))
time.sleep(1)
keys_to("Success", ["key", "Return"])
count = lambda n: n.getRoleName() == "label" and n.description.startswith("Displays the number of entries")
end = time.time() + 20
while time.time() < end and wait_for(count, "entry count").name != "1000":
    time.sleep(0.3)
shown = wait_for(count, "entry count").name
if shown != "1000":
    sys.exit("FAIL: the entry count reads %r" % shown)
wait_for(lambda n: n.getRoleName() == "list item" and n.name == "SITE0500.EXAMPLE", "imported entry in the list")
print("PASS: 1,000 entries imported and listed")
PY

cat > "$work/session.sh" <<'SESSION'
set -u
work="$1"
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
bus=$!
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 XDG_CONFIG_HOME="$work/config" "$work/quorlane" \
  >"$work/program.log" 2>&1 &
program=$!
trap 'kill "$program" "$bus" 2>/dev/null' EXIT
timeout 100 /usr/bin/python3 "$work/drive.py" "$work"
SESSION

xvfb-run -a -s "-noreset -screen 0 1280x1024x24 -nolisten tcp" dbus-run-session -- bash "$work/session.sh" "$work" \
  >"$work/e2e.log" 2>&1 || true
grep -v 'Failed to set fd limit' "$work/e2e.log" || true
grep -q '^PASS:' "$work/e2e.log" || { echo "FAIL: the import did not run through"; cat "$work/program.log"; exit 1; }
rows="$(sqlite3 "$work/gpwdfsc.mdb" 'SELECT COUNT(*) FROM PDF')"
[ "$rows" = 1000 ] || { echo "FAIL: the vault holds $rows entries"; exit 1; }
echo "1 passed, 0 failed"
