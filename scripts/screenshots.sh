#!/bin/bash
# Makes the README's screenshots from the running program under Xvfb at 1024 x 768: the topic
# menu, and the hardening screen five seconds into its process run.
#   scripts/screenshots.sh [BINARY]     (default: the optimised build, built first)
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
bin=${1:-}
if [ -z "$bin" ]; then
    make -s -C "$root" build >/dev/null
    bin=$root/build/release/waermebehandlung
fi
out=$root/docs
mkdir -p "$out"
# shellcheck source=scripts/xwindows.sh
. "$root/scripts/xwindows.sh"
start_xvfb 1024x768 /dev/null || { echo "screenshots: Xvfb did not start" >&2; exit 1; }
trap 'kill $xvfb_pid 2>/dev/null' EXIT
export DISPLAY=$xvfb_display
"$bin" >/dev/null 2>&1 &
apid=$!
window() {
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1)
        [ -n "$id" ] && { sleep 1; echo "$id"; return 0; }
        sleep 0.1
    done
    echo "screenshots: window \"$1\" did not show" >&2
    exit 1
}
keys() { xdotool windowfocus --sync "$1"; sleep 0.3; shift; for k; do xdotool key "$k"; sleep 0.3; done; }
cover=$(window '^Grundlagen der Wärmebehandlung$')
keys "$cover" alt+p
menu=$(window '^Zustandsschaubilder/')
import -window root "$out/menu.png"
keys "$menu" alt+w Up Up Up Return
screen=$(window '^Schematische Prozessführung beim Härten$')
keys "$screen" alt+a
sleep 5
import -window root "$out/haerten.png"
kill $apid
echo "screenshots: $out/menu.png, $out/haerten.png"
