#!/usr/bin/env bash
# Installs the build folder $1 as a packager would (PREFIX /usr into a temporary DESTDIR), or with
# `--deb FILE` the package into a scratch root with dpkg (removed again at the end, leaving
# nothing), and checks that every file a desktop needs is there and that the desktop's own
# validators accept them.
set -euo pipefail
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

if [ "$1" = --deb ]; then
  mkdir -p "$dest/var/lib/dpkg/updates" && touch "$dest/var/lib/dpkg/status"
  dpkg_root=(dpkg --root="$dest" --force-depends --force-not-root --log=/dev/null)
  "${dpkg_root[@]}" -i "$2" >/dev/null 2>&1 || fail "dpkg -i $2"
else
  DESTDIR="$dest" cmake --install "$1" --prefix /usr >/dev/null
fi
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
man=$(compgen -G "$root/share/man/man1/tinkella.1*") || fail "no manual page"
[ -z "$(zcat -f "$man" | groff -ww -man -z 2>&1; man -l "$man" 2>&1 >/dev/null)" ] || fail "$man warns"

desktop-file-validate "$desktop"
appstreamcli validate --no-net "$metainfo"
echo "installed and valid: $(cd "$root" && find . -type f | sort | tr '\n' ' ')"
if [ "$1" = --deb ]; then
  "${dpkg_root[@]}" -r tinkella >/dev/null || fail "dpkg -r tinkella"
  [ -z "$(find "$dest" -path "$dest/var" -prune -o ! -type d -print)" ] || fail "dpkg -r left files"
fi
