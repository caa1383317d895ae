# Shared by the tests that run the program under a real X server.
# Source it; it starts Xvfb on a free display and stops it on exit.

set -euo pipefail

XVFB_WORK=$(mktemp -d)
XVFB_PID=
APP_PID=

xvfb_cleanup() {
    [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null || true
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
    rm -rf "$XVFB_WORK"
}
trap xvfb_cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    if [ -s "$XVFB_WORK/app.log" ]; then
        echo "--- the program's output:" >&2
        tail -n 40 "$XVFB_WORK/app.log" >&2
    fi
    exit 1
}

# start_xvfb [WIDTHxHEIGHT]: exports DISPLAY for a new server.
start_xvfb() {
    local size=${1:-1024x768}
    Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$XVFB_WORK/display" \
        2>"$XVFB_WORK/xvfb.log" &
    XVFB_PID=$!
    for _ in $(seq 100); do
        [ -s "$XVFB_WORK/display" ] && break
        sleep 0.05
    done
    [ -s "$XVFB_WORK/display" ] || fail "Xvfb did not start: $(cat "$XVFB_WORK/xvfb.log")"
    export DISPLAY=":$(cat "$XVFB_WORK/display")"
    unset WAYLAND_DISPLAY QT_QPA_PLATFORM
}

# start_app PROGRAM: runs it in the background and waits for its window.
start_app() {
    "$1" >"$XVFB_WORK/app.log" 2>&1 &
    APP_PID=$!
    WINDOW=$(timeout 20 xdotool search --sync --onlyvisible --name '^hibimaker$' | head -n 1) ||
        fail "no window titled hibimaker appeared: $(cat "$XVFB_WORK/app.log")"
    read -r WIN_X WIN_Y WIN_W WIN_H < <(window_geometry "$WINDOW")
}

# window_geometry ID: prints absolute x, y, width and height.
window_geometry() {
    xwininfo -id "$1" | awk '
        /Absolute upper-left X/ { x = $NF }
        /Absolute upper-left Y/ { y = $NF }
        /^ *Width:/ { w = $NF }
        /^ *Height:/ { h = $NF }
        END { print x, y, w, h }'
}

# click_at X Y: a real pointer click at window coordinates, through XTEST.
click_at() {
    xdotool mousemove --sync $((WIN_X + $1)) $((WIN_Y + $2)) click 1
    sleep 0.1  # lets the program take the click in before the next event
}

# wait_exit SECONDS: waits for the program to end and sets APP_STATUS to its
# exit status. Not in a subshell: only this shell can wait for its child.
wait_exit() {
    for _ in $(seq $(($1 * 20))); do
        if ! kill -0 "$APP_PID" 2>/dev/null; then
            wait "$APP_PID" && APP_STATUS=0 || APP_STATUS=$?
            APP_PID=
            return
        fi
        sleep 0.05
    done
    fail "the program did not end within $1 s"
}

# wait_dialog: waits for a window other than the program's main window.
wait_dialog() {
    for _ in $(seq 200); do
        DIALOG=$(xdotool search --onlyvisible --name '.' 2>/dev/null | grep -vx "$WINDOW" | head -n 1 || true)
        [ -n "$DIALOG" ] && return
        sleep 0.05
    done
    fail "no dialog appeared"
}

# wait_no_dialog: waits until only the main window is left.
wait_no_dialog() {
    for _ in $(seq 200); do
        [ -z "$(xdotool search --onlyvisible --name '.' 2>/dev/null | grep -vx "$WINDOW" || true)" ] && return
        sleep 0.05
    done
    fail "a dialog stayed open"
}
