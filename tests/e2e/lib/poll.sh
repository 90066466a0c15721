# Waits shared by the end-to-end scripts (source it). Every wait polls for its condition until a
# deadline of QUORLANE_WAIT seconds (60 unless set), so a busy machine only makes a run slower;
# only a real fault reaches the deadline. A wait that gives up prints "FAIL: gave up waiting for
# <what> after N s" on stderr and returns 1 (under `set -e` that ends the script).
#
# When `watched` holds the program's process id, a wait also gives up as soon as the program has
# ended ("FAIL: the program ended while waiting for <what>"), instead of running into the deadline.
#
#   wait_until <what> <command ...>     the command succeeds
#   wait_window <title regex>           a visible top-level window has that title; prints its id
#   wait_no_window <title regex>        no visible top-level window has that title any more
#   window_gone <id>                    (a test) the window of that id is closed or hidden
#   wait_display                        the X server of DISPLAY answers
#   wait_file_change <file> <state>     the file's state (file_state) differs from the one given
#   wait_clipboard <text>               the clipboard holds exactly the text
#   wait_exit <pid> [<what>]            the process has ended; its exit status is in exit_status
#
# Absence is proven by waiting for what replaces it (the next window, the program's exit status),
# never by a pause.

: "${QUORLANE_WAIT:=60}"
poll_interval=0.2
watched=""

wait_until() {
  local what="$1" deadline=$((SECONDS + QUORLANE_WAIT))
  shift
  until "$@"; do
    if [ -n "$watched" ] && ! kill -0 "$watched" 2>/dev/null; then
      echo "FAIL: the program ended while waiting for $what" >&2
      return 1
    fi
    if ((SECONDS >= deadline)); then
      echo "FAIL: gave up waiting for $what after $QUORLANE_WAIT s" >&2
      return 1
    fi
    sleep "$poll_interval"
  done
}

# The id of a visible top-level window whose title matches the regex (nothing, status 1: none).
shown_window() {
  local ids
  ids="$(xdotool search --onlyvisible --maxdepth 1 --name "$1" 2>/dev/null)" || return 1
  [ -n "$ids" ] && echo "$ids" | head -n 1
}
no_window() { ! shown_window "$1" >/dev/null; }

wait_window() {
  wait_until "the window $1" shown_window "$1" >/dev/null || return 1
  shown_window "$1"
}
wait_no_window() { wait_until "the window $1 to go" no_window "$1"; }
# Whether the window of that id is no longer shown (closed or hidden).
window_gone() { ! xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }

display_answers() { xwininfo -root >/dev/null 2>&1 </dev/null; }
wait_display() { wait_until "the X display $DISPLAY" display_answers; }

# What a file is now: its checksum, or "missing".
file_state() { if [ -e "$1" ]; then sha256sum <"$1"; else echo missing; fi; }
file_changed() { [ "$(file_state "$1")" != "$2" ]; }
wait_file_change() { wait_until "$1 to change" file_changed "$1" "$2"; }

clipboard_holds() { [ "$(xclip -o -selection clipboard 2>/dev/null)" = "$1" ]; }
wait_clipboard() { wait_until "the clipboard to hold '$1'" clipboard_holds "$1"; }

process_ended() { ! kill -0 "$1" 2>/dev/null; }
exit_status=""
wait_exit() {
  local keep="$watched"
  watched=""
  wait_until "${2:-the program} to end" process_ended "$1" || { watched="$keep"; return 1; }
  watched="$keep"
  exit_status=0
  wait "$1" 2>/dev/null || exit_status=$?
}

# Starts an X server of its own on a free display (DISPLAY is set to it) and waits until it answers.
# The server's process id is in xvfb; the caller's clean-up kills it. -noreset: the server would
# otherwise reset whenever its last client leaves (the accessibility bus's launcher does, before
# the program starts), and a client connecting meanwhile is refused.
start_xvfb() {
  local display
  exec 9< <(Xvfb -displayfd 1 -noreset -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null)
  xvfb=$!
  read -r -t "$QUORLANE_WAIT" display <&9 || { echo "FAIL: Xvfb did not start in $QUORLANE_WAIT s" >&2; return 1; }
  export DISPLAY=":$display"
  wait_display
}
