#!/usr/bin/env bash
# Builds Quorlane when needed and runs every test: the suite on the normal build, then the
# sanitizer build's suite and the fuzz targets (tools/sh/sanitize.sh). At the end, pass or fail,
# it prints how long each stage took and the machine's load.
set -euo pipefail
cd "$(dirname "$0")"

stages=()
stage() {
  local name="$1" started=$SECONDS
  shift
  "$@"
  stages+=("$(printf '%-18s %5d s' "$name" $((SECONDS - started)))")
}
report() {
  local status=$?
  echo
  echo "Stage times ($( ((status == 0)) && echo passed || echo "FAILED, status $status")):"
  printf '  %s\n' "${stages[@]}"
  printf '  %-18s %5d s\n' total "$SECONDS"
  echo "  load average: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"
}
trap report EXIT

source tools/sh/prepare.sh packages
stage build source tools/sh/prepare.sh build
export QT_QPA_PLATFORM=offscreen
stage suite bash -c 'cd build && ctest --output-on-failure --parallel 2'
# Every text of the windows has a finished German translation.
stage translations bash tools/sh/checktranslations.sh
stage "sanitizer build" bash tools/sh/sanitize.sh build
stage "sanitizer suite" bash tools/sh/sanitize.sh suite
stage fuzz bash tools/sh/sanitize.sh fuzz
