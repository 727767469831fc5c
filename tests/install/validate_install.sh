#!/usr/bin/env bash
# Installs the build as a packager would (PREFIX /usr into a temporary DESTDIR) and checks that
# every file a desktop needs is there and that the desktop's own validators accept them.
set -euo pipefail
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR="$dest" cmake --install "$1" --prefix /usr >/dev/null
root=$dest/usr
metainfo=$root/share/metainfo/com.quorvin.Tinkella.metainfo.xml
desktop=$root/share/applications/com.quorvin.Tinkella.desktop

[ -x "$root/bin/tinkella" ] || fail "bin/tinkella not installed"
[ -s "$root/share/icons/hicolor/scalable/apps/tinkella.svg" ] || fail "scalable icon not installed"
for size in 16 32 48 64 128 256; do
  png=$root/share/icons/hicolor/${size}x${size}/apps/tinkella.png
  [ "$(identify -format '%wx%h' "$png")" = "${size}x$size" ] || fail "$png is not a ${size}x$size icon"
done
# The metadata points at the entry and the icon installed beside it.
grep -q '<launchable type="desktop-id">com.quorvin.Tinkella.desktop</launchable>' "$metainfo" ||
  fail "metainfo does not launch com.quorvin.Tinkella.desktop"
grep -q '^Exec=/.*/bin/tinkella$' "$root/share/dbus-1/services/com.quorvin.Tinkella.service" || fail "the D-Bus service does not start the installed program"
grep -q '^Icon=tinkella$' "$desktop" || fail "desktop entry names another icon"

desktop-file-validate "$desktop"
appstreamcli validate --no-net "$metainfo"
echo "installed and valid: $(cd "$root" && find . -type f | sort | tr '\n' ' ')"
