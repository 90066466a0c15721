#!/usr/bin/env bash
# Builds Quorlane when needed and starts it.
set -euo pipefail
cd "$(dirname "$0")"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Quorlane needs a graphical display, and none is available (DISPLAY is not set)." >&2
  exit 1
fi
source tools/sh/prepare.sh
exec build/bin/quorlane
