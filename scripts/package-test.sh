#!/bin/bash
# Builds the Debian package and checks it as a user's machine would find it: unpacked into a
# temporary folder, it holds the program, the desktop entry, the icons and the metadata, all of
# them valid; it depends on the run-time packages only; `cmake --install` gives the same tree;
# and the unpacked program passes the smoke run.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
fail() { echo "package-test: $*" >&2; exit 1; }
id=de.waermebehandlung.Grundlagen

make -s -C "$root" package >/dev/null
deb=$(ls "$root"/build/release/waermebehandlung_*_amd64.deb)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
dpkg-deb -x "$deb" "$tmp/deb"

for f in usr/bin/waermebehandlung usr/share/applications/$id.desktop \
         usr/share/metainfo/$id.metainfo.xml; do
    [ -s "$tmp/deb/$f" ] || fail "$f missing from the package"
done
[ -x "$tmp/deb/usr/bin/waermebehandlung" ] || fail "the program is not executable"
for size in 16 22 24 32 48 64 128 256; do
    icon=$tmp/deb/usr/share/icons/hicolor/${size}x${size}/apps/$id.png
    [ "$(identify -format '%wx%h' "$icon" 2>/dev/null)" = "${size}x${size}" ] ||
        fail "icon ${size}x${size} missing or of the wrong size"
done
desktop-file-validate "$tmp/deb/usr/share/applications/$id.desktop" | grep -v '^.*: hint:' &&
    fail "desktop entry not valid"
grep -qx 'Name=Grundlagen der Wärmebehandlung' "$tmp/deb/usr/share/applications/$id.desktop" ||
    fail "desktop entry has the wrong name"
appstreamcli validate --no-net "$tmp/deb/usr/share/metainfo/$id.metainfo.xml" >/dev/null ||
    fail "metadata not valid: $(appstreamcli validate --no-net "$tmp/deb/usr/share/metainfo/$id.metainfo.xml")"

depends=$(dpkg-deb -f "$deb" Depends)
for p in libqt6widgets6 libjpeg62-turbo qt6-qpa-plugins; do
    [[ ", $depends," == *", $p "* || ", $depends," == *", $p,"* ]] || fail "does not depend on $p: $depends"
done
[[ "$depends" == *-dev* ]] && fail "depends on a development package: $depends"

cmake --install "$root/build/release" --prefix "$tmp/prefix" >/dev/null
diff <(cd "$tmp/deb/usr" && find . -type f | sort) <(cd "$tmp/prefix" && find . -type f | sort) ||
    fail "cmake --install gives another tree than the package"

"$root/scripts/smoke.sh" "$tmp/deb/usr/bin/waermebehandlung" || fail "the unpacked program failed the smoke run"
echo "package-test: $(basename "$deb") is complete, valid and runs"
