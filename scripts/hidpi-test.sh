#!/bin/bash
# The program on the scaled desktops that learners and teachers use, under Xvfb: a 150 % laptop
# (1920 x 1080, once by a desktop of 144 dpi and once by Qt's scale factor), 1366 x 768 at 1.25,
# 2560 x 1440 at 2, 3840 x 2160 at 2 and at 3. At each the program opens the cover, the topic menu
# and three topic screens (a phase diagram, the iron-carbon system with its lattice cells, and the
# hardening route), and then:
#   - every window lies wholly on the screen, at the largest scale up to the desktop's at which
#     the windows fit (the large layout fills the screen's height where the desktop's is too big);
#   - the dotted grid lines of the hardening route measure one width, in device pixels, each;
#   - the explanatory text's scroll bars take as much of the text box as at scale 1 (Qt's widgets
#     and the program's drawing grow by the same scale), so they cover no text line.
#   scripts/hidpi-test.sh BINARY
set -u
bin=$1
fail() { echo "hidpi-test: $*" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
here=$(cd "$(dirname "$0")" && pwd)

cover="Grundlagen der Wärmebehandlung"
menu="Zustandsschaubilder/Zustandsschaubild Eisen-Kohlenstoff/Grundlagen der Wärmebehandlung von Stählen"
# Each topic screen: the menu's access key, the keys that choose its command, its title.
topics=(
    "alt+z|Down Down Down Down Return|Zustandsschaubild bei vollkommener Löslichkeit im flüssigen und festen Zustand (schematisch) "
    "alt+e|Down Down Return|Das System Eisen-Kohlenstoff im Eisen-Kohlenstoff-Zustandsschaubild (EKS)"
    "alt+w|Down Down Down Down Down Return|Schematische Prozessführung beim Härten"
)
lattices=("Kubisch-raumzentriertes Alpha-Eisengitter" "Kubisch-flächenzentriertes Gamma-Eisengitter")
hardening="Schematische Prozessführung beim Härten"

# shellcheck source=scripts/xwindows.sh
. "$here/xwindows.sh"
# Prints "title X Y WIDTH HEIGHT" of a window, in device pixels.
geometry_of() {
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$1")"
    echo "$X $Y $WIDTH $HEIGHT"
}

# Runs the program on a screen of SIZE with the given environment (and X resources, when the
# first word is xrdb:RESOURCE), opens the windows and writes their geometry to $work/NAME.windows
# and screenshots of the hardening route to $work/NAME.png.
shoot() {
    local name=$1 size=$2 resources=""
    shift 2
    case ${1-} in xrdb:*) resources=${1#xrdb:}; shift ;; esac
    # Without -noreset the server forgets the resources as soon as xrdb disconnects.
    start_xvfb "$size" /dev/null -noreset || fail "Xvfb did not start"
    local xpid=$xvfb_pid n=${xvfb_display#:}
    [ -z "$resources" ] || echo "$resources" | DISPLAY=":$n" xrdb -merge -
    env DISPLAY=":$n" "$@" "$bin" >"$work/$name.log" 2>&1 &
    local apid=$!
    (
        export DISPLAY=:$n
        out=$work/$name.windows
        : >"$out"
        c=$(window_named "$cover") || exit 1
        echo "$(geometry_of "$c") $cover" >>"$out"
        press "$c" alt+p
        m=$(window_named "$menu") || exit 1
        echo "$(geometry_of "$m") $menu" >>"$out"
        for topic in "${topics[@]}"; do
            IFS='|' read -r key keys title <<<"$topic"
            read -ra keys <<<"$keys"
            press "$m" "$key" "${keys[@]}"
            w=$(window_named "$title") || { echo "\"$title\" did not open" >&2; exit 1; }
            echo "$(geometry_of "$w") $title" >>"$out"
            if [ "$title" = "$hardening" ]; then
                eval "$(xdotool getwindowgeometry --shell "$w")"
                import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$work/$name.png"
            fi
            if [ "$key" = alt+e ]; then
                press "$w" alt+i
                for t in "${lattices[@]}"; do
                    l=$(window_named "$t") || { echo "\"$t\" did not open" >&2; exit 1; }
                    echo "$(geometry_of "$l") $t" >>"$out"
                done
                press "$l" Escape
                sleep 0.5
            fi
            press "$w" Escape
            sleep 0.5
        done
    )
    local status=$?
    kill $apid 2>/dev/null
    kill $xpid 2>/dev/null
    wait 2>/dev/null
    return $status
}

# Checks one desktop: NAME SIZE EXPECTED-SCALE [xrdb:RESOURCES] [VAR=VALUE...]
check() {
    local name=$1 size=$2 scale=$3
    shift 3
    shoot "$name" "$size" "$@" || fail "$name: the windows did not open ($(tr '\n' ' ' <"$work/$name.log"))"
    local width=${size%x*} height=${size#*x}
    while read -r x y w h title; do
        [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le "$width" ] && [ $((y + h)) -le "$height" ] ||
            fail "$name: \"$title\" at ${w}x$h+$x+$y is not wholly on the ${size} screen"
    done <"$work/$name.windows"
    # The topic screens of the large layout are 1024 x 768 logical pixels at the expected scale.
    read -r _ _ w h _ < <(grep -F "$hardening" "$work/$name.windows")
    local expected
    expected=$(awk -v s="$scale" 'BEGIN { printf "%dx%d", int(1024 * s + 0.5), int(768 * s + 0.5) }')
    [ "${w}x$h" = "$expected" ] || fail "$name: the hardening screen is ${w}x$h, not $expected (scale $scale)"
    /usr/bin/python3 "$here/hidpi-measure.py" "$work/$name.png" "$scale" "$work/plain.png" ||
        fail "$name: the hardening screen is not drawn evenly at scale $scale"
    echo "hidpi $name ($size at $scale) ok"
}

shoot plain 1024x768 || fail "the program at scale 1 did not open its windows"
/usr/bin/python3 "$here/hidpi-measure.py" "$work/plain.png" 1 "$work/plain.png" || fail "scale 1 measures unevenly"
check laptop-dpi 1920x1080 1.40625 "xrdb:Xft.dpi: 144"
check laptop-factor 1920x1080 1.40625 QT_SCALE_FACTOR=1.5
check small-laptop 1366x768 1 QT_SCALE_FACTOR=1.25
check wide 2560x1440 1.875 QT_SCALE_FACTOR=2
check uhd-2 3840x2160 2 QT_SCALE_FACTOR=2
check uhd-3 3840x2160 2.8125 QT_SCALE_FACTOR=3
