#!/bin/bash
# The program on a screen whose desktop asks for a scale of 2, under Xvfb at 2048 x 1536: once by
# Qt's scale factor and once by a desktop set to 192 dpi. Every window must show at twice its
# size, laid out from the logical 1024 x 768 screen, and every program pixel must become a 2 x 2
# block: the drawn parts of the topic menu and of a phase diagram, halved by taking every second
# pixel, must equal what the program shows at scale 1 on a 1024 x 768 screen, and must consist of
# whole 2 x 2 blocks.
#   scripts/hidpi-test.sh BINARY
set -u
bin=$1
fail() { echo "hidpi-test: $*" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Regions drawn by the program itself (no toolkit text), in logical pixels: WxH+X+Y.
menu_region=120x700+0+40
diagram_region=500x410+432+92

# Runs the program at a screen size with the given environment, opens the topic menu and the
# type 2 diagram, and saves a screenshot of each as $work/<name>-menu.png and -diagram.png;
# prints the width and height of the menu window.
shoot() {
    local name=$1 size=$2 n=""
    shift 2
    local fdfile
    fdfile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
    local xpid=$!
    for _ in $(seq 100); do
        n=$(tr -dc '0-9' <"$fdfile")
        [ -n "$n" ] && break
        sleep 0.1
    done
    rm -f "$fdfile"
    [ -n "$n" ] || fail "Xvfb did not start"
    env DISPLAY=":$n" "$@" "$bin" >"$work/$name.log" 2>&1 &
    local apid=$!
    (
        export DISPLAY=:$n
        find_window() {
            for _ in $(seq 100); do
                id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
                [ -n "$id" ] && { sleep 1; echo "$id"; return 0; }
                sleep 0.1
            done
            return 1
        }
        key() { xdotool windowfocus --sync "$1" 2>/dev/null; sleep 0.3; shift; for k; do xdotool key "$k"; sleep 0.3; done; }
        cover=$(find_window '^Grundlagen der Wärmebehandlung$') || exit 1
        key "$cover" alt+p
        menu=$(find_window '^Zustandsschaubilder/') || exit 1
        xdotool getwindowgeometry --shell "$menu" | grep -E '^(WIDTH|HEIGHT)=' | tr '\n' ' '
        import -window root "$work/$name-menu.png"
        key "$menu" alt+z l
        find_window '^Zustandsschaubild mit vollkommener Löslichkeit' >/dev/null || exit 1
        import -window root "$work/$name-diagram.png"
    )
    local status=$?
    kill $apid 2>/dev/null
    kill $xpid 2>/dev/null
    wait 2>/dev/null
    return $status
}

# The number of pixels in which a region of a scaled screenshot, halved, differs from the same
# region at scale 1, and in which it differs from its own 2 x 2 blocks.
differences() {
    local scaled=$1 plain=$2 region=$3 geometry
    geometry=$(echo "$region" | awk -F'[x+]' '{print $1*2 "x" $2*2 "+" $3*2 "+" $4*2}')
    convert "$scaled" -crop "$geometry" +repage png24:"$work/s.png"
    convert "$plain" -crop "$region" +repage png24:"$work/p.png"
    # A region of one colour would prove nothing.
    [ "$(identify -format %k "$work/p.png")" -gt 2 ] || fail "region $region of $plain is empty"
    convert "$work/s.png" -sample 50% png24:"$work/half.png"
    convert "$work/half.png" -sample 200% png24:"$work/blocks.png"
    echo "$(compare -metric AE "$work/half.png" "$work/p.png" null: 2>&1) $(compare -metric AE "$work/s.png" "$work/blocks.png" null: 2>&1)"
}

shoot plain 1024x768 >/dev/null || fail "the program at scale 1 did not show its menu and diagram"
for variant in "factor QT_SCALE_FACTOR=2" "dpi QT_FONT_DPI=192"; do
    read -r name setting <<<"$variant"
    geometry=$(shoot "$name" 2048x1536 "$setting") || fail "$setting: the menu and diagram did not show"
    [ "$geometry" = "WIDTH=2048 HEIGHT=1536 " ] ||
        fail "$setting: the menu window is not laid out for 1024 x 768 at twice the size ($geometry)"
    for shot in menu:$menu_region diagram:$diagram_region; do
        result=$(differences "$work/$name-${shot%%:*}.png" "$work/plain-${shot%%:*}.png" "${shot#*:}")
        [ "$result" = "0 0" ] || fail "$setting: the ${shot%%:*} is not the scale-1 picture in 2 x 2 blocks (differing pixels: $result)"
    done
    echo "hidpi $setting ok"
done
