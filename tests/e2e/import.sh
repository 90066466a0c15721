#!/usr/bin/env bash
# Imports a web browser's CSV file of 1,000 passwords into the real program under Xvfb, as a person
# would: the import button, the file dialog, the summary's Import button, the success message.
# Controls are found through the accessibility tree by their names and tooltips; the main window's
# entry count must then read 1000 and the vault file hold 1,000 entries.
set -euo pipefail
program="$1"; build="$2"
here="$(cd "$(dirname "$0")" && pwd)"
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

cat > "$work/session.sh" <<'SESSION'
set -u
work="$1"; here="$2"
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
bus=$!
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 XDG_CONFIG_HOME="$work/config" "$work/quorlane" \
  >"$work/program.log" 2>&1 &
program=$!
trap 'kill "$program" "$bus" 2>/dev/null' EXIT
timeout 300 /usr/bin/python3 "$here/import.py" "$work"
SESSION

xvfb-run -a -s "-noreset -screen 0 1280x1024x24 -nolisten tcp" dbus-run-session -- bash "$work/session.sh" "$work" "$here" \
  >"$work/e2e.log" 2>&1 || true
grep -v 'Failed to set fd limit' "$work/e2e.log" || true
grep -q '^PASS:' "$work/e2e.log" || { echo "FAIL: the import did not run through"; cat "$work/program.log"; exit 1; }
rows="$(sqlite3 "$work/gpwdfsc.mdb" 'SELECT COUNT(*) FROM PDF')"
[ "$rows" = 1000 ] || { echo "FAIL: the vault holds $rows entries"; exit 1; }
echo "1 passed, 0 failed"
