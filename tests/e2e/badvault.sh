#!/usr/bin/env bash
# Starts the real program under Xvfb on bad vault files, one after another. Each start must end,
# within seconds, in the expected reports (each dismissed with Enter) and then the main window;
# nothing may be created beside the program and the vault file must not be written.
#
#   badvault.sh <quorlane executable> <build dir> [case ...]
# Prints a table: each file, the windows the person sees in order, and the seconds to the first.
# Needs: xvfb, xauth, xdotool, x11-utils, sqlite3.
set -euo pipefail
program="$(realpath "$1")"; build="$(realpath "$2")"; shift 2
top="$(cd "$(dirname "$0")/../.." && pwd)"
source "$top/tests/e2e/lib/poll.sh"
limit="$QUORLANE_WAIT" # seconds before a start counts as hung

if [ -z "${QUORLANE_BADVAULT_DISPLAY:-}" ]; then
  # Once, under a private X server: run this script again inside it.
  export QUORLANE_BADVAULT_DISPLAY=1
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -ac" bash "$0" "$program" "$build" "$@"
fi
unset QT_QPA_PLATFORM

# The visible top-level windows' titles, one a line, main window last ("Quorlane").
visible_titles() {
  local id
  for id in $(xdotool search --onlyvisible --maxdepth 1 --name '.' 2>/dev/null); do
    xdotool getwindowname "$id" 2>/dev/null
  done | sort | awk '$0 == "Quorlane" { main = 1; next } { print } END { if (main) print "Quorlane" }'
}

now() { date +%s.%N; }
elapsed() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1f", b - a }'; }

# Waits until the main window (or the login window) shows with no report over it, dismissing each
# report with Enter.
# Sets: seen (titles in order, "; "-separated), first (seconds to the first window).
watch_start() {
  local started="$1" title id
  seen=""; first=""
  while :; do
    if ! kill -0 "$app" 2>/dev/null; then seen+="(program ended)"; return 1; fi
    title="$(visible_titles | head -n 1)"
    if [ -n "$title" ]; then
      [ -n "$first" ] || first="$(elapsed "$started" "$(now)")"
      if [ "$title" = "Quorlane" ]; then
        seen+="main window"
        return 0
      fi
      # A file that is not plain SQLite may be an encrypted vault: only a password can tell.
      if [ "$title" = "Quorlane - Password REQUIRED" ]; then
        seen+="login window"
        return 0
      fi
      seen+="$title; "
      id="$(shown_window "^${title}\$")" || continue
      xdotool windowfocus --sync "$id" key Return 2>/dev/null || true
      # This report goes before the next window is looked for.
      wait_until "$title to go after Enter" window_gone "$id" || { seen+="(stays after Enter)"; return 1; }
    fi
    if [ "$(elapsed "$started" "$(now)" | cut -d. -f1)" -ge "$limit" ]; then
      seen+="(nothing more after ${limit} s)"; return 1
    fi
    sleep "$poll_interval"
  done
}

# What the folder holds: names and, for the vault, its content.
snapshot() { (cd "$1" && find . -printf '%p\n' | sort && [ ! -f gpwdfsc.mdb ] || sha256sum gpwdfsc.mdb); }

# Bad files. Each prepare_<case> gets the vault path (a good vault with two entries is there).
drop() { sqlite3 "$1" "DROP TABLE $2"; }
prepare_missing() { rm "$1"; }
prepare_empty() { : >"$1"; }
prepare_random_bytes() { head -c 16384 /dev/urandom >"$1"; }
prepare_text_file() { printf 'Account list\r\nBank: 1234\r\n' >"$1"; }
prepare_no_Cats() { drop "$1" Cats; }
prepare_no_CatDef() { drop "$1" CatDef; }
prepare_no_PDF() { drop "$1" PDF; }
prepare_no_eAttach() { drop "$1" eAttach; }
prepare_no_LPass() { drop "$1" LPass; }
prepare_no_PDF6_column() { sqlite3 "$1" "ALTER TABLE PDF DROP COLUMN PDF6"; }
prepare_Cats_page_damaged() {
  local page size
  page="$(sqlite3 "$1" "SELECT rootpage FROM sqlite_master WHERE name = 'Cats'")"
  size="$(sqlite3 "$1" "PRAGMA page_size")"
  head -c "$size" /dev/urandom | dd of="$1" bs="$size" seek="$((page - 1))" conv=notrunc status=none
}
prepare_view_PDF() { sqlite3 "$1" "DROP TABLE PDF; CREATE VIEW PDF AS SELECT 1 AS pNum"; }
prepare_trigger() { sqlite3 "$1" "CREATE TRIGGER Spy AFTER UPDATE ON PDF BEGIN DELETE FROM Cats; END"; }
# A table made by a query in the schema row: SQLCipher's SQLite crashed reading such a file.
prepare_LPass_made_by_query() {
  sqlite3 "$1" "PRAGMA writable_schema = ON;
    UPDATE sqlite_master SET sql = 'CREATE TABLE LPass AS SELECT 1 AS UPass' WHERE name = 'LPass'"
}
prepare_bytes_appended() { head -c 100 /dev/urandom >>"$1"; }
prepare_read_only() { chmod 0444 "$1"; }
prepare_locked() {
  # Another program holds the vault in an exclusive transaction until the case ends.
  mkfifo "$work/lock"
  sqlite3 "$1" <"$work/lock" >/dev/null 2>&1 &
  locker=$!
  exec 4>"$work/lock"
  # The lock waits for the readers of the check below: without a busy timeout, a check that reads at
  # the moment the transaction begins makes it fail, and the vault is never locked.
  printf '.timeout 60000\nBEGIN EXCLUSIVE;\n' >&4
  wait_until "the vault to be locked" vault_locked "$1"
}
vault_locked() { ! sqlite3 "$1" "SELECT COUNT(*) FROM sqlite_master" >/dev/null 2>&1; }
prepare_deleted_while_running() { :; }

# What each start must show, in order ("; "-separated), ending in the window it stays in.
declare -A expected=(
  [missing]="E213 : Retrieval Error; E211 : Retrieval Error; main window"
  [empty]="Vault Not Usable; E213 : Retrieval Error; E211 : Retrieval Error; main window"
  [random_bytes]="login window"
  [text_file]="login window"
  [no_Cats]="Vault Not Usable; E213 : Retrieval Error; E211 : Retrieval Error; main window"
  [no_CatDef]="Vault Not Usable; E213 : Retrieval Error; E211 : Retrieval Error; main window"
  [no_PDF]="Vault Not Usable; E213 : Retrieval Error; E211 : Retrieval Error; main window"
  [no_eAttach]="Vault Not Usable; E213 : Retrieval Error; E211 : Retrieval Error; main window"
  [no_LPass]="Vault Not Usable; E213 : Retrieval Error; E211 : Retrieval Error; main window"
  [no_PDF6_column]="Vault Not Usable; E213 : Retrieval Error; E211 : Retrieval Error; main window"
  [Cats_page_damaged]="Vault Not Usable; E213 : Retrieval Error; E211 : Retrieval Error; main window"
  [view_PDF]="Vault Not Usable; E213 : Retrieval Error; E211 : Retrieval Error; main window"
  [trigger]="Vault Not Usable; E213 : Retrieval Error; E211 : Retrieval Error; main window"
  [LPass_made_by_query]="Vault Not Usable; E213 : Retrieval Error; E211 : Retrieval Error; main window"
  [bytes_appended]="Vault Not Usable; E213 : Retrieval Error; E211 : Retrieval Error; main window"
  [read_only]="main window"
  [locked]="E213 : Retrieval Error; E211 : Retrieval Error; main window"
  [deleted_while_running]="main window" # then, after the vault goes, the next entry shown: E214
)
cases=(missing empty random_bytes text_file no_Cats no_CatDef no_PDF no_eAttach no_LPass no_PDF6_column
       Cats_page_damaged view_PDF trigger LPass_made_by_query bytes_appended read_only locked deleted_while_running)
[ $# -gt 0 ] && cases=("$@")

failed=0
printf '%-24s %-9s %s\n' "vault file" "1st (s)" "what the person sees"
for case in "${cases[@]}"; do
  work="$(mktemp -d)"   # the program's folder
  home="$(mktemp -d)"   # the person's own folders: settings, data
  app=""; locker=""
  cp "$program" "$work/quorlane"
  cp "$(dirname "$program")/quorlane-vaultcheck" "$work/" # the check of a plain vault, found beside the program
  "$build/tests/seedvault" "$top" "$work/gpwdfsc.mdb" \
    "Mail account|EMAIL|me@example.org|secret|imap.example.org|smtp.example.org|" \
    "Bank|BANK ACCOUNT|12345678|00-11-22|me|pw|Opened 2020"
  "prepare_$case" "$work/gpwdfsc.mdb"
  as=()
  if [ "$case" = read_only ] && [ "$(id -u)" -eq 0 ]; then
    # root writes through a read-only mode: start the program as an ordinary user instead.
    chmod 0755 "$work"
    as=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
  fi
  [ ${#as[@]} -eq 0 ] || { chmod 0755 "$home"; chown nobody "$home"; }
  before="$(snapshot "$work")"
  started="$(now)"
  HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" \
    "${as[@]}" "$work/quorlane" >"$home/program.log" 2>&1 &
  app=$!
  result=ok
  watch_start "$started" || result=fail
  if [ "$result" = ok ] && [ "$case" = deleted_while_running ]; then
    # The vault goes while the program runs; the next entry shown must report, not make a file.
    rm "$work/gpwdfsc.mdb"
    before="$(snapshot "$work")"
    main="$(shown_window '^Quorlane$')"
    xdotool windowfocus --sync "$main" key Down
    opening="$seen" opened="$first"
    wait_window '^E214 : ' >/dev/null || result=fail
    watch_start "$(now)" || result=fail
    [ "$seen" = "E214 : Retrieval Error; main window" ] || result=fail
    seen="$opening, vault deleted, next entry: $seen"; first="$opened"
  elif [ "$result" = ok ] && [ "$seen" != "${expected[$case]}" ]; then
    result=fail
  fi
  if [ "$result" = ok ] && [ "${seen%main window}" != "$seen" ]; then
    # Ctrl+Q ends the program with status 0 only when no report holds the keys back.
    xdotool windowfocus --sync "$(shown_window '^Quorlane$')" key ctrl+q
    if ! wait_exit "$app" 2>/dev/null; then
      result=fail; seen+=" (Ctrl+Q did not end the program: $(visible_titles | tr '\n' ' '))"
    elif [ "$exit_status" != 0 ]; then
      result=fail; seen+=" (ended with status $exit_status)"
    fi
  fi
  kill "$app" 2>/dev/null || true
  wait "$app" 2>/dev/null || true
  if [ -n "$locker" ]; then exec 4>&-; wait "$locker" 2>/dev/null || true; fi
  after="$(snapshot "$work")"
  if [ "$before" != "$after" ]; then
    result=fail
    seen+=" [files changed: $(diff <(echo "$before") <(echo "$after") | grep '^[<>]' | tr '\n' ' ')]"
  fi
  printf '%-24s %-9s %s\n' "$case" "${first:--}" "$seen"
  if [ "$result" != ok ]; then
    failed=$((failed + 1))
    echo "  FAIL: expected ${expected[$case]}"
    tail -n 5 "$home/program.log" | sed 's/^/  program: /'
  fi
  if [ -d "$home/data" ] && [ -n "$(find "$home/data" -type f)" ]; then
    echo "  FAIL: files made in the data folder: $(find "$home/data" -type f)"; failed=$((failed + 1))
  fi
  chmod -R u+w "$work"; rm -rf "$work" "$home"
done
echo "$(( ${#cases[@]} - failed )) passed, $failed failed"
[ "$failed" -eq 0 ]
