#!/bin/bash
# Starts the program where it has no display to show on: with none named at all, and with one
# named that nothing answers for. Each time it must say so in German on standard error and end
# with status 1, not abort with the toolkit's advice.
#   scripts/nodisplay-test.sh BINARY
set -u
bin=$1
fail() { echo "nodisplay: $*" >&2; exit 1; }
out=$(mktemp)
trap 'rm -f "$out"' EXIT

# A display on this machine's network port that no server listens on.
free_tcp_display() {
    local n
    for n in $(seq 90 140); do
        ! (exec 3<>"/dev/tcp/127.0.0.1/$((6000 + n))") 2>/dev/null && { echo "localhost:$n"; return; }
    done
    echo "localhost:139"
}

check() {
    local what=$1 status
    shift
    timeout 60 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" "$bin" >/dev/null 2>"$out"
    status=$?
    [ "$status" = 1 ] || fail "$what: status $status, not 1 ($(tr '\n' ' ' <"$out"))"
    grep -q "Es wurde keine grafische Anzeige gefunden" "$out" || fail "$what: no German message"
    grep -q "DISPLAY=:0 waermebehandlung" "$out" || fail "$what: the message says not how to start"
    ! grep -qi "reinstall" "$out" || fail "$what: the toolkit's advice came through"
    echo "nodisplay $what ok"
}

check "none named"
check "none answering" DISPLAY="$(free_tcp_display)"
