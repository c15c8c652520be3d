# Finding the program's windows under an X server and typing into them, for the scripts that
# drive the real program (sourced, not run).

# Starts an X server of its own: start_xvfb WxH LOG [XVFB-OPTION...]. Xvfb picks a free display
# itself and writes its number once it accepts clients. Sets xvfb_pid and xvfb_display (":N");
# fails when the server did not come up.
# shellcheck disable=SC2034 # xvfb_pid and xvfb_display are for the caller
start_xvfb() {
    local size=$1 log=$2 fdfile n=""
    shift 2
    fdfile=$(mktemp)
    Xvfb -displayfd 3 "$@" -screen 0 "${size}x24" -nolisten tcp 3>"$fdfile" >"$log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 200); do
        n=$(tr -dc '0-9' <"$fdfile")
        [ -n "$n" ] && break
        sleep 0.1
    done
    rm -f "$fdfile"
    xvfb_display=:$n
    [ -n "$n" ]
}

# A window title as an exact pattern for xdotool's search.
pattern() { printf '^%s$' "$(printf '%s' "$1" | sed 's/[][\\.*^$()+?{}|]/\\&/g')"; }

window_named() {
    local p id
    p=$(pattern "$1")
    for _ in $(seq 200); do
        id=$(xdotool search --onlyvisible --name "$p" 2>/dev/null | head -1)
        # Give the window a moment to take the focus before keys are typed into it.
        [ -n "$id" ] && { sleep 0.5; echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}
gone() {
    local p
    p=$(pattern "$1")
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "$p" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    return 1
}
# Focuses the window (checked: without a window manager the focus does not come back to a window
# by itself), then types the keys.
press() {
    local window=$1 k
    shift
    for _ in $(seq 20); do
        xdotool windowfocus --sync "$window" 2>/dev/null
        [ "$(xdotool getwindowfocus 2>/dev/null)" = "$window" ] && break
        sleep 0.2
    done
    sleep 0.2
    for k in "$@"; do xdotool key "$k"; sleep 0.25; done
}
