#!/bin/bash
# Opens every window of the program on a headless Wayland compositor (weston), as a desktop
# with a Wayland session would show it:
#   xwayland  with X11 beside Wayland (DISPLAY and WAYLAND_DISPLAY set): the program runs on X11;
#   wayland   without X11 (DISPLAY unset): the program runs as a native Wayland client and must
#             keep running through every window, its maximised one included.
#   scripts/weston-test.sh WALKER xwayland|wayland
set -u
walker=$1
mode=$2
fail() { echo "weston-test $mode: $*" >&2; exit 1; }
command -v weston >/dev/null || fail "weston missing (scripts/install-deps.sh installs it)"
case $mode in
    xwayland) expected=xcb; extra=(--xwayland) ;;
    wayland) expected=wayland; extra=() ;;
    *) fail "unknown mode (xwayland or wayland)" ;;
esac

# Weston's X server puts its socket where every X server does; the folder may not exist yet on
# a machine that never ran one.
[ "$mode" != xwayland ] || [ -d /tmp/.X11-unix ] || mkdir -m 1777 /tmp/.X11-unix ||
    fail "cannot create /tmp/.X11-unix"

runtime=$(mktemp -d)
chmod 700 "$runtime"
socket=wb-weston-$$
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --width=1024 --height=768 \
    --socket="$socket" --idle-time=0 "${extra[@]}" >"$runtime/weston.log" 2>&1 &
wpid=$!
trap 'kill $wpid 2>/dev/null; wait $wpid 2>/dev/null; rm -rf "$runtime"' EXIT

for _ in $(seq 100); do
    [ -S "$runtime/$socket" ] && break
    kill -0 $wpid 2>/dev/null || fail "weston did not start: $(cat "$runtime/weston.log")"
    sleep 0.1
done
[ -S "$runtime/$socket" ] || fail "weston opened no socket: $(cat "$runtime/weston.log")"

unset DISPLAY QT_QPA_PLATFORM
if [ "$mode" = xwayland ]; then
    # Weston names the X display it serves once its X server listens.
    for _ in $(seq 100); do
        display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$runtime/weston.log" | head -1)
        [ -n "$display" ] && break
        sleep 0.1
    done
    [ -n "$display" ] || fail "weston offers no X display: $(cat "$runtime/weston.log")"
    export DISPLAY=$display
fi

XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=$socket timeout 300 "$walker" "$expected" \
    >"$runtime/walk.log" 2>&1
status=$?
[ $status -eq 0 ] || fail "status $status: $(tr '\n' ' ' <"$runtime/walk.log" | cut -c1-3000)
compositor: $(grep -iv '^ ' "$runtime/weston.log" | tail -5)"
tail -1 "$runtime/walk.log"
