#!/usr/bin/env bash
# Makes the .deb, installs it with apt-get like any package, uses the
# installed programs on the sample pictures, and removes it again.
# Usage: deb_test.sh BUILD_DIR SAMPLE_FOLDER   (as root)
set -euo pipefail
build=$1
samples=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/lumenfold_*.deb | head -n 1)
[ -f "$deb" ] || fail "no .deb in $build"
cp "$deb" "$work/"

export DEBIAN_FRONTEND=noninteractive
apt-get install -y -qq "$work/$(basename "$deb")" >/dev/null || fail "apt-get could not install $deb"

[ "$(/usr/bin/lumenfold-cli --version)" = "lumenfold-cli 1.0.0" ] || fail "installed --version"
cp -r "$samples" "$work/album"
/usr/bin/lumenfold-cli -q --filter all --size 3 "$work/album" || fail "installed CLI on the samples"
grep -q 'SRC="sunrise.jpg"' "$work/album/DSC.htm" || fail "page lacks the sample pictures"
[ -f /usr/share/man/man1/lumenfold-cli.1 ] || fail "no man page"
if [ -x /usr/bin/lumenfold ]; then
  desktop=/usr/share/applications/lumenfold.desktop
  [ -f "$desktop" ] || fail "no desktop entry"
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "desktop entry does not validate"
  fi
  for size in 16 32 48 64 128 256; do
    [ -f "/usr/share/icons/hicolor/${size}x${size}/apps/lumenfold.png" ] || fail "no ${size}px icon"
  done
  # The window starts from the installed files and keeps running until stopped.
  status=0
  QT_QPA_PLATFORM=offscreen timeout 3 /usr/bin/lumenfold "$work/album" >/dev/null 2>&1 || status=$?
  [ "$status" = 124 ] || fail "the installed window program ended with status $status"
fi

mapfile -t files < <(dpkg -L lumenfold | while read -r f; do [ -f "$f" ] && echo "$f"; done)
apt-get remove -y -qq lumenfold >/dev/null || fail "apt-get could not remove it"
for f in "${files[@]}"; do
  [ ! -e "$f" ] || fail "left behind after removal: $f"
done
echo "The .deb installs, runs and uninstalls cleanly."
