#!/usr/bin/env bash
# Builds the Debian package from the build tree and checks it as a distribution would: lintian
# reports no error and no warning, the package recommends xdg-utils, the delivered vault is an
# ordinary 0644 file, the manual page is there, and the desktop entry and metainfo are valid.
#
#   package.sh <quorlane executable> <build dir>
# Needs: cmake (cpack), dpkg-dev, lintian, appstream, desktop-file-utils.
set -euo pipefail
build="$(realpath "$2")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
for tool in cpack dpkg-deb lintian appstreamcli desktop-file-validate; do
  command -v "$tool" >/dev/null || fail "$tool is not installed (tools/sh/prepare.sh installs it)"
done

cpack -G DEB -B "$work" --config "$build/CPackConfig.cmake" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack"; }
deb="$(ls "$work"/quorlane_*.deb)"

lintian --fail-on error,warning "$deb" 2>&1 | grep -v '^running with root privileges' || true
lintian --fail-on error,warning "$deb" >/dev/null 2>&1 || fail "lintian reports an error or a warning"
echo "PASS: lintian, no error or warning"

dpkg-deb -f "$deb" Recommends | grep -qw xdg-utils || fail "xdg-utils is not recommended"
contents="$(dpkg-deb -c "$deb")"
grep -Eq '^-rw-r--r-- .* \./usr/share/quorlane/gpwdfsc\.mdb$' <<<"$contents" || fail "the delivered vault is not 0644"
for file in usr/share/man/man1/quorlane.1.gz usr/share/doc/quorlane/copyright usr/share/doc/quorlane/changelog.gz; do
  grep -q " \./$file\$" <<<"$contents" || fail "$file is not in the package"
done
echo "PASS: Recommends xdg-utils, the vault template 0644, manual page, copyright, changelog"

dpkg-deb -x "$deb" "$work/root"
desktop-file-validate "$work/root/usr/share/applications/org.quorlane.Quorlane.desktop" || fail "desktop entry"
appstreamcli validate --pedantic --no-net "$work/root/usr/share/metainfo/org.quorlane.Quorlane.metainfo.xml" ||
  fail "metainfo"
echo "PASS: desktop entry and metainfo valid"
echo "3 passed, 0 failed"
