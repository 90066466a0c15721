#!/usr/bin/env bash
# Builds Quorlane when needed and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
source tools/sh/prepare.sh
export QT_QPA_PLATFORM=offscreen
(cd build && ctest --output-on-failure --parallel 2)
bash tools/sh/sanitize.sh
