#!/usr/bin/env bash
# Takes the screenshots in docs/screenshots/: the main window and the entry editor at a 10-point
# font (light), a 13-point font (light), a 10-point font under a dark palette, and at 200 % display
# scaling. The desktop's font and palette come from qt6ct (Debian package qt6ct), as a user of a
# desktop without KDE or GNOME sets them.
# Usage: tools/sh/screenshots.sh build/bin/quorlane build [docs/screenshots]
set -euo pipefail
program="$(realpath "$1")"; build="$(realpath "$2")"; out="$(realpath "${3:-docs/screenshots}")"
here="$(cd "$(dirname "$0")/../.." && pwd)"
source "$here/tests/e2e/lib/poll.sh"
[ -e /usr/lib/x86_64-linux-gnu/qt6/plugins/platformthemes/libqt6ct.so ] || { echo "needs qt6ct"; exit 1; }
work="$(mktemp -d)"
cleanup() { [ -n "${app:-}" ] && kill "$app" 2>/dev/null; [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null; rm -rf "$work"; }
trap cleanup EXIT
mkdir -p "$out"
cp "$program" "$work/quorlane"
cp "$(dirname "$program")/quorlane-vaultcheck" "$work/"

# shot <name> <points> <palette: light|dark> <scale> <screen> [main window dragged to WxH]
shot() {
  local name="$1" points="$2" palette="$3" scale="$4" screen="$5" size="${6:-}" config="$work/config-$1"
  rm -f "$work/gpwdfsc.mdb"
  "$build/tests/seedvault" "$here" "$work/gpwdfsc.mdb" \
    "Mail account|WEB SITE|https://mail.example.org|me@example.org|correct horse|imap.example.org|Two-factor on" \
    "Bank|CREDIT CARD|4111 1111 1111 1111|12/29|123|Jo Bloggs|Card for travel"
  mkdir -p "$config/qt6ct"
  {
    echo "[Appearance]"
    echo "style=Fusion"
    if [ "$palette" = dark ]; then
      echo "custom_palette=true"
      echo "color_scheme_path=/usr/share/qt6ct/colors/darker.conf"
    else
      echo "custom_palette=false"
    fi
    echo "[Fonts]"
    echo "general=\"Sans Serif,$points,-1,5,400,0,0,0,0,0,0,0,0,0,0,1\""
    echo "fixed=\"Monospace,$points,-1,5,400,0,0,0,0,0,0,0,0,0,0,1\""
  } >"$config/qt6ct/qt6ct.conf"
  exec 9< <(Xvfb -displayfd 1 -noreset -screen 0 "${screen}x24" -nolisten tcp 2>/dev/null)
  xvfb=$!
  local display; read -r -t "$QUORLANE_WAIT" display <&9
  export DISPLAY=":$display"
  wait_display
  XDG_CONFIG_HOME="$config" QT_QPA_PLATFORMTHEME=qt6ct QT_SCALE_FACTOR="$scale" QT_QPA_PLATFORM=xcb \
    "$work/quorlane" >"$work/out.log" 2>&1 &
  app=$!
  watched=$app
  local main; main="$(wait_window '^Quorlane$')"
  if [ -n "$size" ]; then
    xdotool windowsize --sync "$main" "${size%x*}" "${size#*x}"
    sleep 2 # a picture for people: time for the window to lay itself out anew and paint
  fi
  import -window "$main" "$out/main-$name.png"
  xdotool windowfocus --sync "$main" key ctrl+n
  local editor; editor="$(wait_window '^Add Entry$')"
  import -window "$editor" "$out/editor-$name.png"
  kill "$app"; wait "$app" 2>/dev/null || true; app=
  kill "$xvfb"; xvfb=
}

shot 10pt-light 10 light 1 1280x1024
shot 13pt-light 13 light 1 1280x1024
shot 10pt-dark 10 dark 1 1280x1024
shot 10pt-resized 10 light 1 1280x1024 1000x640
shot 200pct 10 light 2 2560x1600
ls -l "$out"
