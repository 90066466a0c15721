#!/usr/bin/env bash
# Installs into a temporary prefix and checks what a user of the installed program gets: every
# file in place and the desktop entry and metainfo valid; the installed program starting with a
# fresh home, making its vault in the user's data folder from the installed one and telling the
# user where it is, with nothing written under the prefix. Then the two other ways to start: a
# vault beside the program is the one used (portable), and with no vault anywhere the missing vault
# is reported (E213, then E211) and nothing is made.
#
#   install.sh <quorlane executable> <build dir>
# Needs: xvfb, x11-utils (xwininfo), xdotool, desktop-file-utils, appstream, file.
set -euo pipefail
build="$2"
id=org.quorlane.Quorlane
work="$(mktemp -d)"
prefix="$work/prefix"
cleanup() {
  [ -n "${app:-}" ] && kill "$app" 2>/dev/null
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; [ -f "$work/out.log" ] && cat "$work/out.log"; exit 1; }
source "$(dirname "$0")/lib/poll.sh"

cmake --install "$build" --prefix "$prefix" >/dev/null

# The files, and the icons at their sizes.
for file in bin/quorlane share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
            share/icons/hicolor/scalable/apps/$id.svg share/quorlane/Help.pdf \
            share/quorlane/tblpnt.htm share/quorlane/tblpnta.htm share/quorlane/gpwdfsc.mdb \
            share/man/man1/quorlane.1.gz share/doc/quorlane/copyright share/doc/quorlane/changelog.gz \
            libexec/quorlane/quorlane-vaultcheck; do
  [ -f "$prefix/$file" ] || fail "$file is not installed"
done
[ -x "$prefix/bin/quorlane" ] || fail "the program is not executable"
for size in 16 24 32 48 64 128 256; do
  file -b "$prefix/share/icons/hicolor/${size}x$size/apps/$id.png" | grep -q "^PNG image data, $size x $size," ||
    fail "no $size pixel icon"
done
[ "$(stat -c %a "$prefix/share/quorlane/gpwdfsc.mdb")" = 644 ] || fail "the delivered vault is not 0644"
desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "invalid desktop entry"
grep -qx "Exec=quorlane" "$prefix/share/applications/$id.desktop" || fail "the desktop entry does not start quorlane"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null || fail "invalid metainfo"
snapshot() { (cd "$prefix" && find . -printf '%p %m %s %T@\n' | sort); }
before="$(snapshot)"

start_xvfb
unset QT_QPA_PLATFORM

# Starts a program with a home of its own (name), as a new user would.
start() {
  local home="$work/$2"
  mkdir -p "$home/run" && chmod 700 "$home/run"
  HOME="$home" XDG_DATA_HOME="$home/data" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/run" \
    "$1" >"$work/out.log" 2>&1 &
  app=$!
  watched=$app
}
waitFor() { wait_window "$1" >/dev/null || { xwininfo -root -tree | grep '"' >&2; fail "no window named $1"; }; }
answer() { xdotool windowfocus --sync "$(shown_window "$1")" key Return; wait_no_window "$1" || fail "$1 stays after Enter"; }
# Ends the program from its main window with Ctrl+Q: status 0 proves no message held the keys back.
quit() {
  xdotool windowfocus --sync "$(shown_window '^Quorlane$')" key ctrl+q
  wait_exit "$app" || fail "Ctrl+Q did not end the program (a window holds the keys?)"
  [ "$exit_status" = 0 ] || fail "the program ended with status $exit_status"
  app=
}

# Installed: the vault is made in the user's data folder and the user is told where.
start "$prefix/bin/quorlane" installed
waitFor '^Your Vault$'
[ -n "$(shown_window '^Quorlane$')" ] || fail "the main window is not up"
[ -z "$(shown_window '^E2[0-9][0-9] : ')" ] || fail "an error report appeared"
vault="$work/installed/data/Quorlane/gpwdfsc.mdb"
cmp -s "$vault" "$prefix/share/quorlane/gpwdfsc.mdb" || fail "no copy of the delivered vault in the data folder"
[ "$(stat -c %a "$vault") $(stat -c %a "$(dirname "$vault")")" = "600 700" ] || fail "the vault is not owner-only"
answer '^Your Vault$'
quit
[ "$(snapshot)" = "$before" ] || fail "the program wrote under the prefix"
echo "PASS: installed, the vault made in the user's data folder"

# Portable: a vault beside the program is used, with no message; the user's data folder stays
# untouched.
mkdir "$work/portable"
cp "$prefix/bin/quorlane" "$prefix/libexec/quorlane/quorlane-vaultcheck" "$work/portable/"
"$build/tests/seedvault" "$(dirname "$0")/../.." "$work/portable/gpwdfsc.mdb" "Mail|EMAIL|me@example.org||||"
start "$work/portable/quorlane" portablehome
waitFor '^Quorlane$'
quit
[ ! -e "$work/portablehome/data" ] || fail "portable mode wrote into the data folder"
echo "PASS: portable, the vault beside the program"

# No vault anywhere: E213, then E211, and nothing is made.
mkdir "$work/alone"
cp "$prefix/bin/quorlane" "$work/alone/"
start "$work/alone/quorlane" alonehome
waitFor '^E213 : Retrieval Error$'
answer '^E213 : Retrieval Error$'
waitFor '^E211 : Retrieval Error$'
answer '^E211 : Retrieval Error$'
waitFor '^Quorlane$'
quit
[ "$(ls "$work/alone")" = quorlane ] || fail "something was made beside the program"
[ ! -e "$work/alonehome/data" ] || fail "something was made in the data folder"
echo "PASS: no vault anywhere, E213 then E211, nothing made"
echo "3 passed, 0 failed"
