#!/bin/bash
# Starts the real program under Xvfb at 800x600 and 1024x768 and drives it with the keyboard:
# the cover appears, "&Info" opens the information screen, Esc closes it, the menu opens from
# "&Programm starten", each text page and each topic screen listed below opens and closes, Esc
# leaves the menu, Esc ends the program with status 0.
set -u
bin=$1
fail() { echo "smoke: $*" >&2; exit 1; }
command -v Xvfb >/dev/null || fail "Xvfb missing"

run_at() {
    local size=$1 n=""
    # Xvfb picks a free display itself and writes its number once it accepts clients.
    local fdfile
    fdfile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$fdfile" >/tmp/smoke-xvfb.log 2>&1 &
    local xpid=$!
    trap 'kill $xpid 2>/dev/null' EXIT
    for _ in $(seq 200); do
        n=$(tr -dc '0-9' <"$fdfile")
        [ -n "$n" ] && break
        sleep 0.1
    done
    rm -f "$fdfile"
    [ -n "$n" ] || fail "$size: Xvfb did not start ($(cat /tmp/smoke-xvfb.log))"
    export DISPLAY=:$n
    "$bin" >/tmp/smoke-app.log 2>&1 &
    local apid=$!
    window_named() {
        local name=$1 id
        for _ in $(seq 200); do
            id=$(xdotool search --onlyvisible --name "^$name\$" 2>/dev/null | head -1)
            # Give the window a moment to take the focus before keys are typed into it.
            [ -n "$id" ] && { sleep 0.5; echo "$id"; return 0; }
            sleep 0.1
        done
        return 1
    }
    gone() {
        for _ in $(seq 100); do
            xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
            sleep 0.1
        done
        return 1
    }
    # Focuses the window (checked: without a window manager the focus does not come back to a
    # window by itself), then types the keys.
    press() {
        local window=$1 k
        shift
        for _ in $(seq 20); do
            xdotool windowfocus --sync "$window" 2>/dev/null
            [ "$(xdotool getwindowfocus 2>/dev/null)" = "$window" ] && break
            sleep 0.2
        done
        sleep 0.2
        for k in "$@"; do xdotool key "$k"; sleep 0.3; done
    }
    local result=0
    # The steps run in a subshell, so that a failed step ends them and the cleanup still runs.
    (
        cover=$(window_named "Grundlagen der Wärmebehandlung") || { echo "no cover"; exit 1; }
        press "$cover" alt+i
        info=$(window_named "Information") || { echo "no info screen"; exit 1; }
        press "$info" Escape
        gone "Information" || { echo "info screen did not close"; exit 1; }
        press "$cover" alt+p
        menu=$(window_named "Zustandsschaubilder/Zustandsschaubild Eisen-Kohlenstoff/Grundlagen der Wärmebehandlung von Stählen") ||
            { echo "no menu"; exit 1; }
        for key_caption in "alt+z Return|Allgemeines zu  Zustandsschaubildern" \
                           "alt+z Down Return|Entstehung von  Zustandsschaubildern" \
                           "alt+e Return|Allgemeines zum Eisen-Kohlenstoff-Schaubild" \
                           "alt+t Return|Zeitabhängige Phasenänderungen / Grundlagen der Wärmebehandlung von Stählen" \
                           "alt+t Down Return| ZTA/ZTU-Schaubilder" \
                           "alt+w Return|Wärmebehandlung" \
                           "alt+z l|Zustandsschaubild mit vollkommener Löslichkeit im flüssigen und vollkommener Unlöslichkeit im festen Zustand \\(schematisch\\)" \
                           "alt+z Up Up Up Up Return|Zustandsschaubild mit begrenzter Löslichkeit im festen Zustand / eutektisches System \\(schematisch\\)" \
                           "alt+z Up Up Up Return|Zustandsschaubild mit begrenzter Löslichkeit im festen Zustand / peritektisches System \\(schematisch\\)" \
                           "alt+z Down Down Return|Thermische Analyse und Zustandsschaubild bei vollkommener Löslichkeit im flüssigen und festen Zustand \\(schematisch\\)" \
                           "alt+z Down Down Down Return|Thermische Analyse und Zustandsschaubild bei vollkommener Löslichkeit im flüssigen und Unlöslichkeit im festen Zustand \\(schematisch\\)" \
                           "alt+t Up Up Up Up Return|Kontinuierliches Zeit-Temperatur-Umwandlungs-Schaubild für einen unlegierten Stahl mit C =  0.45 % \\(schematisch\\) " \
                           "alt+t Up Up Up Return|Kontinuierliches Zeit-Temperatur-Umwandlungs-Schaubild für einen unlegierten Stahl mit C =  0.70 % \\(schematisch\\) " \
                           "alt+t Up Up Return|Isothermes Zeit-Temperatur-Umwandlungs-Schaubild für einen unlegierten Stahl mit C =  0.45 % \\(schematisch\\) " \
                           "alt+t Up Return|Isothermes Zeit-Temperatur-Umwandlungs-Schaubild für einen unlegierten Stahl mit C =  0.70 % \\(schematisch\\) " \
                           "alt+w Down Return| ZTA/ZTU-Schaubild für einen unlegierten Stahl mit C =  0.45 % \\(schematisch\\) " \
                           "alt+e Down Return|Reines Eisen: Abkühl- und Aufheizkurve"; do
            keys=${key_caption%%|*}; caption=${key_caption#*|}
            # shellcheck disable=SC2086
            press "$menu" $keys
            page=$(window_named "$caption") || { echo "text page \"$caption\" did not open"; exit 1; }
            press "$page" Escape
            gone "$caption" || { echo "text page \"$caption\" did not close"; exit 1; }
        done
        # The microstructure series shows its nine micrographs in a cascade; Esc closes the
        # frontmost one, and closing the series closes the rest.
        series="Eisen-Kohlenstoff-Schaubild: metastabiler Zustand  \\(Gefügereihe von 0.1% bis 0.8% Kohlenstoff\\)"
        press "$menu" alt+e Down Down Down Return
        bilder=$(window_named "$series") || { echo "microstructure series did not open"; exit 1; }
        press "$bilder" alt+g
        viewer=$(window_named "Gefügeaufnahme Stahl mit 0,8 % Kohlenstoff") || { echo "no micrograph viewer"; exit 1; }
        press "$viewer" Escape
        gone "Gefügeaufnahme Stahl mit 0,8 % Kohlenstoff" || { echo "micrograph viewer did not close"; exit 1; }
        window_named "Gefügeaufnahme Ferrit" >/dev/null || { echo "ferrite viewer missing"; exit 1; }
        press "$bilder" Escape
        gone "$series" || { echo "microstructure series did not close"; exit 1; }
        gone "Gefügeaufnahme Ferrit" || { echo "viewers stayed open"; exit 1; }
        # Annealing; then the tempering chart, from which the C 45 micrographs open.
        glueh="Schematische Darstellung der Temperaturführung verschiedenen Glühverfahren im Eisen-Kohlenstoff-Schaubild \\(EKS\\)"
        press "$menu" alt+w Down Down Return
        page=$(window_named "$glueh") || { echo "annealing screen did not open"; exit 1; }
        press "$page" Escape
        gone "$glueh" || { echo "annealing screen did not close"; exit 1; }
        press "$menu" alt+w Up Return
        chart=$(window_named "Vergütungsschaubild eines C 45") || { echo "tempering chart did not open"; exit 1; }
        press "$chart" alt+g
        lm="Lichtmikroskopische Gefügeaufnahmen eines C 45 , Normalglühen, Vergüten, Härten"
        page=$(window_named "$lm") || { echo "C 45 micrographs did not open"; exit 1; }
        press "$page" Escape
        gone "$lm" || { echo "C 45 micrographs did not close"; exit 1; }
        press "$chart" Escape
        gone "Vergütungsschaubild eines C 45" || { echo "tempering chart did not close"; exit 1; }
        press "$menu" Escape
        gone "Zustandsschaubilder/Zustandsschaubild Eisen-Kohlenstoff/Grundlagen der Wärmebehandlung von Stählen" ||
            { echo "menu did not close"; exit 1; }
        press "$cover" Escape
    ) || result=1
    local status=124
    for _ in $(seq 300); do
        if ! kill -0 $apid 2>/dev/null; then wait $apid; status=$?; break; fi
        sleep 0.1
    done
    kill $apid 2>/dev/null
    kill $xpid 2>/dev/null
    wait 2>/dev/null
    trap - EXIT
    [ $result -eq 0 ] || fail "$size: steps failed (log: $(tr '\n' ' ' </tmp/smoke-app.log))"
    [ "$status" = 0 ] || fail "$size: program ended with status $status"
    echo "smoke $size ok"
}

run_at 800x600
run_at 1024x768
