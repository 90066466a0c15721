#!/usr/bin/env bash
# Two machines' vault folders kept in step by Syncthing (two instances on this machine, each with
# its own home, vault folder and program, talking over loopback only): an entry saved in one
# vault reaches the other; two saves made while the instances were apart leave a conflict copy,
# which the program finds at start, compares, and takes over, so that both entries are kept and
# reach both folders again.
#
#   syncthing.sh <quorlane executable> <build dir>
# Needs: syncthing (skipped, status 77, with a message when it cannot run), xvfb, xauth, xdotool, x11-utils,
# dbus-x11 (dbus-run-session), at-spi2-core, python3-pyatspi.
set -euo pipefail
program="$1"; build="$2"
if ! syncthing --version >/dev/null 2>&1; then
  echo "SKIP: syncthing cannot run here (Debian package syncthing; ./test.sh installs it)"
  exit 77
fi
source "$(dirname "$0")/lib/poll.sh"
work="$(mktemp -d)"
cleanup() {
  for p in ${st_a:-} ${st_b:-} ${app:-}; do kill "$p" 2>/dev/null || true; done
  for p in ${st_a:-} ${st_b:-} ${app:-}; do wait "$p" 2>/dev/null || true; done
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
entries="$build/tests/vaultentries"

mkdir -p "$work/bin"
cp "$program" "$work/bin/quorlane"
cp "$(dirname "$program")/quorlane-vaultcheck" "$work/bin/" # the check of a plain vault, found beside the program

# Free loopback ports: two to listen on, two for the instances' own control pages.
read -r port_a port_b gui_a gui_b < <(python3 - <<'PY'
import socket
held = [socket.socket() for _ in range(4)]
for s in held:
    s.bind(("127.0.0.1", 0))
print(*(s.getsockname()[1] for s in held))
PY
)

# One instance: its keys, then a configuration of ours: the shared folder, the other device at
# its loopback address, no discovery, relays, NAT, reporting or upgrades.
device_id() { syncthing generate --home="$work/$1" --no-default-folder 2>&1 | sed -n 's/.*Device ID: *//p'; }
id_a="$(device_id home_a)"; id_b="$(device_id home_b)"
[ -n "$id_a" ] && [ -n "$id_b" ] || { echo "FAIL: syncthing made no device keys"; exit 1; }
configure() { # home folder my-id my-port gui-port other-id other-port
  mkdir -p "$work/$2/.stfolder"
  cat > "$work/$1/config.xml" <<XML
<configuration version="36">
  <folder id="vault" label="vault" path="$work/$2" type="sendreceive" rescanIntervalS="2" fsWatcherEnabled="true" fsWatcherDelayS="1">
    <device id="$3"></device>
    <device id="$6"></device>
    <maxConflicts>10</maxConflicts>
  </folder>
  <device id="$3" name="$1"><address>dynamic</address></device>
  <device id="$6" name="other"><address>tcp://127.0.0.1:$7</address></device>
  <gui enabled="true" tls="false"><address>127.0.0.1:$5</address></gui>
  <options>
    <listenAddress>tcp://127.0.0.1:$4</listenAddress>
    <globalAnnounceEnabled>false</globalAnnounceEnabled>
    <localAnnounceEnabled>false</localAnnounceEnabled>
    <relaysEnabled>false</relaysEnabled>
    <natEnabled>false</natEnabled>
    <urAccepted>-1</urAccepted>
    <autoUpgradeIntervalH>0</autoUpgradeIntervalH>
    <crashReportingEnabled>false</crashReportingEnabled>
    <startBrowser>false</startBrowser>
    <reconnectionIntervalS>1</reconnectionIntervalS>
  </options>
</configuration>
XML
}
configure home_a vault_a "$id_a" "$port_a" "$gui_a" "$id_b" "$port_b"
configure home_b vault_b "$id_b" "$port_b" "$gui_b" "$id_a" "$port_a"
start_a() { STNOUPGRADE=1 syncthing serve --home="$work/home_a" --no-browser --no-restart >>"$work/a.log" 2>&1 & st_a=$!; }
start_b() { STNOUPGRADE=1 syncthing serve --home="$work/home_b" --no-browser --no-restart >>"$work/b.log" 2>&1 & st_b=$!; }

# The vault's entries, one a line, in a stable order.
listed() { "$entries" "$1" list | sort; }
has_entry() { [ -f "$work/$1/gpwdfsc.mdb" ] && listed "$work/$1/gpwdfsc.mdb" 2>/dev/null | grep -qx "$2"; }
# A web site entry the program saved (folder, site, password).
has_saved() { [ -f "$work/$1/gpwdfsc.mdb" ] && listed "$work/$1/gpwdfsc.mdb" 2>/dev/null | grep -q "^$2|WEB SITE|.*|$3|"; }
same_vault() { [ -f "$work/vault_b/gpwdfsc.mdb" ] && cmp -s "$work/vault_a/gpwdfsc.mdb" "$work/vault_b/gpwdfsc.mdb"; }
QUORLANE_WAIT=180 # Syncthing's scans and reconnections on a busy machine

"$build/tests/seedvault" "$(dirname "$0")/../.." "$work/vault_a/gpwdfsc.mdb" "Mail|EMAIL|me@example.org|secret|||"
start_a; start_b
wait_until "the vault to reach the second folder" same_vault

# Saved in the program on one folder, shown by the program on the other (Debian's own Python,
# which has pyatspi, on a private D-Bus session for the accessibility tree).
start_xvfb
unset QT_QPA_PLATFORM
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/run"
mkdir -m 700 -p "$work/run"
programs() {
  QUORLANE_WORK="$work" QUORLANE_ENTRIES="$entries" QUORLANE_WAIT=$QUORLANE_WAIT \
    timeout 600 dbus-run-session -- /usr/bin/python3 "$(dirname "$0")/syncthing.py" "$@" 2> >(grep -v "Failed to set fd limit" >&2)
}
programs

# Apart (both machines off line), each side saves an entry of its own; together again, each
# instance has scanned its own change before it hears of the other's, so the older file is kept
# as a conflict copy beside the newer one.
stop() { kill "$1"; wait "$1" 2>/dev/null || true; }
stop "$st_a"; stop "$st_b"; st_a=""; st_b=""
programs apart
start_a; start_b
conflict_copy() { ls "$work/vault_b"/gpwdfsc.sync-conflict-*.mdb >/dev/null 2>&1; }
wait_until "Syncthing's conflict copy" conflict_copy
wait_until "both folders on the same vault" same_vault
echo "PASS: the two saves left a conflict copy"

# The program on the second folder finds the copy, compares, takes what only the copy has, and
# moves the copy to the trash.
"$work/bin/quorlane" --vault "$work/vault_b/gpwdfsc.mdb" >"$work/app.log" 2>&1 &
app=$!
watched=$app
answer() { xdotool windowfocus --sync "$(wait_window "$1")" key Return; wait_no_window "$1"; }
answer '^Sync Conflict$'
answer '^Compare Conflict Copy$'
answer '^Conflict Copy$'
for site in "Laptop A" "Laptop B"; do
  wait_until "$site in the second folder" has_saved vault_b "$site" "pw $site"
done
no_copy() { ! conflict_copy; }
wait_until "the conflict copy in the trash" no_copy
ls "$work/data/Trash/files"/gpwdfsc.sync-conflict-*.mdb >/dev/null || {
  echo "FAIL: the copy is not in the trash"; find "$work" -name '*sync-conflict*'; cat "$work/app.log"; exit 1; }
echo "PASS: the conflict was resolved in the compare window"

# Nothing lost on the first side either: the resolved vault goes back.
wait_until "Mail in the first folder" has_entry vault_a "Mail|EMAIL|me@example.org|secret|||"
for saved in "Bank|pin 1234" "Laptop A|pw Laptop A" "Laptop B|pw Laptop B"; do
  for folder in vault_a vault_b; do
    wait_until "${saved%%|*} in $folder" has_saved "$folder" "${saved%%|*}" "${saved#*|}"
  done
done
echo "PASS: every entry reached both folders"
echo "4 passed, 0 failed"
