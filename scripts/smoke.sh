#!/bin/bash
# Starts the real program under Xvfb at 800x600 and 1024x768 and drives it with the keyboard as a
# learner would: the cover appears, "&Info" opens the information screen, the topic menu opens,
# a walk through each topic menu chooses every command and knows it by the window it opens, and
# the screens that open further windows (the lattice cells, the micrograph viewers, the C 45
# micrographs) open them; each closes with Esc. Then Esc leaves the menu and the program, which
# must end with status 0. Every one of the program's windows is opened.
#   scripts/smoke.sh BINARY [SIZE...]      (sizes default to 800x600 1024x768)
set -u
bin=$1
shift
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(800x600 1024x768)
fail() { echo "smoke: $*" >&2; exit 1; }
command -v Xvfb >/dev/null || fail "Xvfb missing"
logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT

cover="Grundlagen der Wärmebehandlung"
menu="Zustandsschaubilder/Zustandsschaubild Eisen-Kohlenstoff/Grundlagen der Wärmebehandlung von Stählen"

# The windows the commands of each topic menu open, in the menus' order. The walk finds each
# command by the caption of the window it opens, so that commands enabled or added later shift
# nothing; every window listed here must open.
zustand=(
    "Allgemeines zu  Zustandsschaubildern"
    "Entstehung von  Zustandsschaubildern"
    "Thermische Analyse und Zustandsschaubild bei vollkommener Löslichkeit im flüssigen und festen Zustand (schematisch)"
    "Thermische Analyse und Zustandsschaubild bei vollkommener Löslichkeit im flüssigen und Unlöslichkeit im festen Zustand (schematisch)"
    "Zustandsschaubild bei vollkommener Löslichkeit im flüssigen und festen Zustand (schematisch) "
    "Zustandsschaubild mit vollkommener Löslichkeit im flüssigen und vollkommener Unlöslichkeit im festen Zustand (schematisch)"
    "Zustandsschaubild mit begrenzter Löslichkeit im festen Zustand / eutektisches System (schematisch)"
    "Zustandsschaubild mit begrenzter Löslichkeit im festen Zustand / peritektisches System (schematisch)"
    "Zustandsschaubild vollkommener Unlöslichkeit im festen Zustand mit intermediären Phasen (schematisch)"
    "Zustandsschaubild mit Umwandlungen im festen Zustand (schematisch)"
)
eisen=(
    "Allgemeines zum Eisen-Kohlenstoff-Schaubild"
    "Reines Eisen: Abkühl- und Aufheizkurve"
    "Das System Eisen-Kohlenstoff im Eisen-Kohlenstoff-Zustandsschaubild (EKS)"
    "Eisen-Kohlenstoff-Schaubild: metastabiler Zustand  (Gefügereihe von 0.1% bis 0.8% Kohlenstoff)"
    "Phasenumwandlung im EKS bei einem Kohlenstoffgehalt von 0.6 Gew.%"
    "Phasenumwandlung im EKS bei einem Kohlenstoffgehalt von 1.2 Gew.%"
    "Phasenumwandlung im EKS bei einem Kohlenstoffgehalt von 3.0 Gew.% (Gußeisen)"
)
zeit=(
    "Zeitabhängige Phasenänderungen / Grundlagen der Wärmebehandlung von Stählen"
    " ZTA/ZTU-Schaubilder"
    "Kontinuierliches Zeit-Temperatur-Austenitisierungs-Schaubild für einen unlegierten Stahl mit C =  0.45 % (schematisch) "
    "Kontinuierliches Zeit-Temperatur-Austenitisierungs-Schaubild für einen unlegierten Stahl mit C =  0.70 % (schematisch) "
    "Isothermes Zeit-Temperatur-Austenitisierungs-Schaubild für einen unlegierten Stahl mit C =  0.45 % (schematisch) "
    "Kontinuierliches Zeit-Temperatur-Umwandlungs-Schaubild für einen unlegierten Stahl mit C =  0.45 % (schematisch) "
    "Kontinuierliches Zeit-Temperatur-Umwandlungs-Schaubild für einen unlegierten Stahl mit C =  0.70 % (schematisch) "
    "Isothermes Zeit-Temperatur-Umwandlungs-Schaubild für einen unlegierten Stahl mit C =  0.45 % (schematisch) "
    "Isothermes Zeit-Temperatur-Umwandlungs-Schaubild für einen unlegierten Stahl mit C =  0.70 % (schematisch) "
)
waerme=(
    "Wärmebehandlung"
    " ZTA/ZTU-Schaubild für einen unlegierten Stahl mit C =  0.45 % (schematisch) "
    "Schematische Darstellung der Temperaturführung bei der Wärmebehandlung (Normalglühen)"
    "Schematische Darstellung der Temperaturführung verschiedenen Glühverfahren im Eisen-Kohlenstoff-Schaubild (EKS)"
    "Schematische Prozessführung beim Normalglühen"
    "Schematische Prozessführung beim Härten"
    "Schematische Prozessführung beim Vergüten"
    "Vergütungsschaubild eines C 45"
)
lattices=("Kubisch-raumzentriertes Alpha-Eisengitter" "Kubisch-flächenzentriertes Gamma-Eisengitter")
viewers=("Gefügeaufnahme Ferrit")
for c in 1 2 3 4 5 6 7 8; do viewers+=("Gefügeaufnahme Stahl mit 0,$c % Kohlenstoff"); done
chart="Vergütungsschaubild eines C 45"
micrographs="Lichtmikroskopische Gefügeaufnahmen eines C 45 , Normalglühen, Vergüten, Härten"

# shellcheck source=scripts/xwindows.sh
. "$(dirname "$0")/xwindows.sh"
step_fail() { echo "$*"; exit 1; }
close() {
    press "$1" Escape
    gone "$2" || step_fail "\"$2\" did not close"
}

# On the continuous heating screen: the chain of standard curves runs (568 ticks of 50 ms), then
# the learner types a rate that is no number, which the error box reports, and then "2", which
# draws its own heating curve. The edit box lies at (780, 570) or, on an 800 x 600 screen, at
# (610, 480) of the surface below the menu bar; the click aims at its middle.
type_rates() {
    local window=$1 X Y WIDTH HEIGHT SCREEN w
    press "$window" alt+s
    sleep 32
    eval "$(xdotool getwindowgeometry --shell "$window")"
    if [ "$size" = 800x600 ]; then
        xdotool mousemove $((X + 626)) $((Y + 20 + 505)) click 1
    else
        xdotool mousemove $((X + 796)) $((Y + 20 + 595)) click 1
    fi
    sleep 0.3
    press "$window" ctrl+a 2 x alt+r
    w=$(window_named "Fehler") || step_fail "no error box for a rate that is no number"
    close "$w" "Fehler"
    press "$window" ctrl+a 2 alt+r
    sleep 6
    ! xdotool search --onlyvisible --name '^Fehler$' >/dev/null 2>&1 || step_fail "the rate 2 was refused"
}

# What happens on a screen after it opened, before Esc closes it.
on_screen() {
    local window=$1 title=$2 w i t
    case $title in
        "Das System Eisen-Kohlenstoff im"*)
            # Both cells open side by side; Esc on either closes both.
            press "$window" alt+i
            for t in "${lattices[@]}"; do
                w=$(window_named "$t") || step_fail "lattice \"$t\" did not open"
            done
            close "$w" "${lattices[1]}"
            gone "${lattices[0]}" || step_fail "Esc left a lattice cell open" ;;
        "Eisen-Kohlenstoff-Schaubild: metastabiler"*)
            # The viewers open in a cascade; Esc closes each one, frontmost first.
            press "$window" alt+g
            for ((i = ${#viewers[@]} - 1; i >= 0; i--)); do
                w=$(window_named "${viewers[i]}") || step_fail "viewer \"${viewers[i]}\" did not open"
                close "$w" "${viewers[i]}"
            done ;;
        "${zeit[2]}")
            type_rates "$window" ;;
        "$chart")
            press "$window" alt+g
            w=$(window_named "$micrographs") || step_fail "C 45 micrographs did not open"
            close "$w" "$micrographs" ;;
    esac
}

# The window a command opened: visible, with a caption, and neither the cover nor the topic
# menu. Prints its id and caption.
opened_window() {
    local id name
    for _ in $(seq 200); do
        for id in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
            [ "$id" != "$c" ] && [ "$id" != "$m" ] || continue
            name=$(xdotool getwindowname "$id" 2>/dev/null) || continue
            [ -n "$name" ] && { sleep 0.4; printf '%s\t%s\n' "$id" "$name"; return 0; }
        done
        sleep 0.1
    done
    return 1
}

# Walks one topic menu from its first command down, one more step each time, choosing each
# command in turn, until the walk comes round to the first command again. A window listed for
# the menu gets its steps; a window not listed is only closed. Every listed one must have opened.
walk_menu() {
    local key=$1
    shift
    local titles=("$@") first="" step id title keys t i
    local -A seen=()
    for ((step = 0; step <= 2 * ${#titles[@]} + 2; step++)); do
        keys=("$key")
        for ((i = 0; i < step; i++)); do keys+=(Down); done
        press "$m" "${keys[@]}" Return
        IFS=$'\t' read -r id title <<<"$(opened_window)" || step_fail "step $step of $key opened no window"
        [ -n "$id" ] || step_fail "step $step of $key opened no window"
        if [ "$step" -gt 0 ] && [ "$title" = "$first" ]; then
            close "$id" "$title"
            for t in "${titles[@]}"; do
                [ -n "${seen[$t]:-}" ] || step_fail "no command of $key opened \"$t\""
            done
            return 0
        fi
        [ "$step" -gt 0 ] || first=$title
        if printf '%s\n' "${titles[@]}" | grep -qxF -- "$title"; then
            on_screen "$id" "$title"
            seen[$title]=1
        else
            echo "smoke: $key also opens \"$title\""
        fi
        close "$id" "$title"
    done
    step_fail "the walk through $key never came round to its first command"
}

run_at() {
    local size=$1
    start_xvfb "$size" "$logs/xvfb.log" || fail "$size: Xvfb did not start ($(cat "$logs/xvfb.log"))"
    local xpid=$xvfb_pid
    export DISPLAY=$xvfb_display
    "$bin" >"$logs/app.log" 2>&1 &
    local apid=$!
    local result=0
    # The steps run in a subshell, so that a failed step ends them and the cleanup still runs.
    (
        c=$(window_named "$cover") || step_fail "no cover"
        press "$c" alt+i
        info=$(window_named "Information") || step_fail "no info screen"
        close "$info" "Information"
        press "$c" alt+p
        m=$(window_named "$menu") || step_fail "no menu"
        walk_menu alt+z "${zustand[@]}"
        walk_menu alt+e "${eisen[@]}"
        walk_menu alt+t "${zeit[@]}"
        walk_menu alt+w "${waerme[@]}"
        close "$m" "$menu"
        press "$c" Escape
    ) || result=1
    local status=124
    for _ in $(seq 300); do
        if ! kill -0 $apid 2>/dev/null; then wait $apid; status=$?; break; fi
        sleep 0.1
    done
    kill $apid 2>/dev/null
    kill $xpid 2>/dev/null
    wait 2>/dev/null
    [ $result -eq 0 ] || fail "$size: steps failed (log: $(tr '\n' ' ' <"$logs/app.log"))"
    [ "$status" = 0 ] || fail "$size: program ended with status $status"
    echo "smoke $size ok"
}

for size in "${sizes[@]}"; do run_at "$size"; done
