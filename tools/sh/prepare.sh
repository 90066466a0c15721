# Shared by run.sh and test.sh: installs the Debian packages the build needs when they are
# missing, then configures and builds into build/ (reused, so a second run is quick).
#   source prepare.sh [packages | build]   only that step (test.sh times them apart); both unless given
set -euo pipefail
prepare_step="${1:-all}"

PACKAGES=(cmake g++ pkg-config qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-svg-dev qt6-l10n-tools qt6-translations-l10n
          libgl1-mesa-dev libsqlcipher-dev libsqlite3-dev libsodium-dev libzxcvbn-dev libqrencode-dev libbenchmark-dev xvfb xauth poppler-utils imagemagick
          sqlite3 x11-utils xdotool file desktop-file-utils appstream dpkg-dev lintian
          python3-pyatspi at-spi2-core dbus-x11 dbus-daemon xclip syncthing
          clang-14 libclang-rt-14-dev libfuzzer-14-dev)

if [ "$prepare_step" != build ]; then
  missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    if [ "$(id -u)" -ne 0 ]; then
      echo "Quorlane needs these Debian packages. Install them as root, then run this again:" >&2
      echo "  sudo apt-get update && sudo apt-get install -y --no-install-recommends ${missing[*]}" >&2
      exit 1
    fi
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update
    apt-get install -y --no-install-recommends "${missing[@]}"
  fi
fi

if [ "$prepare_step" != packages ]; then
  top="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
  cmake -S "$top" -B "$top/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$top/build" --parallel "$(nproc)"
fi
