#!/usr/bin/env bash
# The program's command line, with no display at all: --help and --version print and exit 0, a
# line it does not understand gets a message on stderr and status 2, and nothing opens a window.
#
#   commandline.sh <quorlane executable> <build dir>
set -euo pipefail
program="$(realpath "$1")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; cat "$work/out" "$work/err" 2>/dev/null; exit 1; }
# No display and no toolkit fallback: a program that needed one would fail here.
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LANGUAGE LC_ALL="${language:-C.UTF-8}" \
          HOME="$work" XDG_DATA_HOME="$work/data" "$program" "$@" >"$work/out" 2>"$work/err"; }

run --help || fail "--help ended with $?"
head -1 "$work/out" | grep -qx 'Usage: quorlane \[--vault FILE\]' || fail "--help printed no usage"
grep -q -- '--vault FILE' "$work/out" && grep -q -- '--version' "$work/out" || fail "--help lists no options"
[ ! -s "$work/err" ] || fail "--help wrote to stderr"
run --version || fail "--version ended with $?"
grep -Eqx 'quorlane [0-9]+(\.[0-9]+)+' "$work/out" || fail "--version printed $(cat "$work/out")"
echo "PASS: --help and --version print and exit 0"

# Which lines are refused is the unit tests' matter; here, what the shell sees of a refusal.
status=0
run --frobnicate || status=$?
[ "$status" = 2 ] || fail "--frobnicate ended with $status, not 2"
grep -qx 'quorlane: unknown option --frobnicate' "$work/err" || fail "no message naming the option"
[ ! -s "$work/out" ] || fail "a refusal wrote to stdout"
[ ! -e "$work/data" ] || fail "a refused command line made the data folder"
echo "PASS: a refused command line ends with status 2 and a message"

# In German, with the translations beside the program as the build lays them out.
language=de_DE.UTF-8 run --help || fail "German --help ended with $?"
head -1 "$work/out" | grep -qx 'Aufruf: quorlane \[--vault DATEI\]' || fail "--help is not German"
status=0
language=de_DE.UTF-8 run --frobnicate || status=$?
[ "$status" = 2 ] && grep -qx 'quorlane: unbekannte Option --frobnicate' "$work/err" || fail "the refusal is not German"
echo "PASS: help and refusals in the user's language"
echo "3 passed, 0 failed"
