#!/bin/bash
# Builds the Debian package and checks it as a user's machine would find it: unpacked into a
# temporary folder, it holds the program, the desktop entry, the icons (the scalable one showing
# what the painted ones show) and the metadata, all of them valid, the manual page, the
# copyright file and the changelog; it depends on the run-time packages only; lintian finds no
# error and no warning in it; `cmake --install` gives the same tree; the unpacked program's
# windows carry the desktop entry's name as their class and the program's icon; and the
# unpacked program passes the smoke run.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
fail() { echo "package-test: $*" >&2; exit 1; }
# shellcheck source=scripts/xwindows.sh
. "$root/scripts/xwindows.sh"
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
svg=$tmp/deb/usr/share/icons/hicolor/scalable/apps/$id.svg
[ -s "$svg" ] || fail "scalable icon missing"
rsvg-convert -w 256 -h 256 "$svg" -o "$tmp/svg.png" || fail "scalable icon does not render"
# The same design: a few per cent of difference at most, from edge smoothing.
difference=$(compare -metric RMSE "$tmp/svg.png" \
    "$tmp/deb/usr/share/icons/hicolor/256x256/apps/$id.png" null: 2>&1 | sed 's/.*(\(.*\)).*/\1/')
awk -v d="$difference" 'BEGIN { exit !(d < 0.03) }' ||
    fail "scalable icon differs from the painted one (RMSE $difference)"

entry=$tmp/deb/usr/share/applications/$id.desktop
validation=$(desktop-file-validate "$entry")
[ -z "$validation" ] || fail "desktop entry not clean: $validation"
grep -qx 'Name=Grundlagen der Wärmebehandlung' "$entry" || fail "desktop entry has the wrong name"
grep -qx "StartupWMClass=$id" "$entry" || fail "desktop entry does not name the windows' class"

for f in usr/share/man/man1/waermebehandlung.1.gz usr/share/doc/waermebehandlung/copyright \
         usr/share/doc/waermebehandlung/changelog.gz; do
    [ -s "$tmp/deb/$f" ] || fail "$f missing from the package"
done
manual=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$tmp/deb/usr/share/man/man1/waermebehandlung.1.gz" 2>&1 >/dev/null)
[ -z "$manual" ] || fail "manual page has faults: $manual"
for section in NAME SYNOPSIS DESCRIPTION OPTIONS KEYS ENVIRONMENT; do
    LC_ALL=C.UTF-8 man -l "$tmp/deb/usr/share/man/man1/waermebehandlung.1.gz" 2>/dev/null |
        grep -q "^$section" || fail "manual page has no $section"
done
appstreamcli validate --no-net "$tmp/deb/usr/share/metainfo/$id.metainfo.xml" >/dev/null ||
    fail "metadata not valid: $(appstreamcli validate --no-net "$tmp/deb/usr/share/metainfo/$id.metainfo.xml")"

depends=$(dpkg-deb -f "$deb" Depends)
listed() { [[ ", $2," == *", $1 "* || ", $2," == *", $1,"* ]]; }
for p in libqt6widgets6 libqt6gui6 libjpeg62-turbo; do
    listed $p "$depends" || fail "does not depend on $p: $depends"
done
# The X11 platform plugin is in libqt6gui6; qt6-qpa-plugins holds none the program needs.
listed qt6-qpa-plugins "$depends" && fail "depends on qt6-qpa-plugins: $depends"
[[ "$depends" == *-dev* ]] && fail "depends on a development package: $depends"
listed qt6-wayland "$(dpkg-deb -f "$deb" Recommends)" || fail "does not recommend qt6-wayland"

findings=$(lintian --pedantic --display-info --tag-display-limit 0 "$deb" 2>&1)
lintian_bad=$(grep -E '^[EW]: ' <<<"$findings" || true)
[ -z "$lintian_bad" ] || fail "lintian: $lintian_bad"

cmake --install "$root/build/release" --prefix "$tmp/prefix" >/dev/null
diff <(cd "$tmp/deb/usr" && find . -type f | sort) <(cd "$tmp/prefix" && find . -type f | sort) ||
    fail "cmake --install gives another tree than the package"

# The dock links a window to the desktop entry by its class and shows the icon it carries.
dock() {
    local n xpid apid window
    start_xvfb 1024x768 /dev/null || { kill $xvfb_pid; fail "Xvfb did not start"; }
    xpid=$xvfb_pid n=${xvfb_display#:}
    DISPLAY=:$n "$tmp/deb/usr/bin/waermebehandlung" >/dev/null 2>&1 &
    apid=$!
    window=$(DISPLAY=:$n timeout 30 xdotool search --sync --onlyvisible --class "^${id//./\\.}\$" | head -1)
    local class icon
    class=$(DISPLAY=:$n xprop -id "$window" WM_CLASS 2>/dev/null)
    icon=$(DISPLAY=:$n xprop -id "$window" -notype 32c _NET_WM_ICON 2>/dev/null | head -c 200)
    kill $apid $xpid 2>/dev/null
    wait $apid $xpid 2>/dev/null
    [ -n "$window" ] || fail "no window of class $id"
    [[ "$class" == *"\"waermebehandlung\", \"$id\""* ]] || fail "window class: $class"
    [[ "$icon" == *"_NET_WM_ICON = "* ]] || fail "the window carries no icon: $icon"
}
dock

"$root/scripts/smoke.sh" "$tmp/deb/usr/bin/waermebehandlung" || fail "the unpacked program failed the smoke run"
echo "package-test: $(basename "$deb") is complete, valid and runs"
