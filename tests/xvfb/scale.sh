#!/usr/bin/env bash
# Under a real X server, the window drawn at QT_SCALE_FACTOR=2 is the window at
# scale 1 blown up: twice the client size, and every control of the first step
# where the doubled layout puts it. The doubled picture is halved again and
# compared coarsely (blurred), since the fonts are hinted differently at x2.
# Usage: scale.sh PROGRAM
source "$(dirname "$0")/xvfb.sh"
program=$1

passed=0
failed=0
pass() { passed=$((passed + 1)); }
miss() {
    failed=$((failed + 1))
    echo "FAIL: $*" >&2
}

# shoot FILE: the window's picture once Qt has finished painting it (two
# shots in a row alike).
shoot() {
    import -window "$WINDOW" "$1.prev.png"
    for _ in $(seq 40); do
        sleep 0.1
        import -window "$WINDOW" "$1"
        compare -metric AE "$1" "$1.prev.png" null: 2>/dev/null && return
        mv "$1" "$1.prev.png"
    done
    fail "the window kept changing; no still picture"
}

# run_at SCALE FILE: starts the program at that scale, leaves its client size
# in WIN_W/WIN_H and its picture in FILE, and ends it.
run_at() {
    QT_SCALE_FACTOR=$1 start_app "$program"
    shoot "$2"
    kill "$APP_PID"
    wait "$APP_PID" 2>/dev/null || true
    APP_PID=
}

start_xvfb 1600x1200  # room for the doubled window
unset QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR
shot1=$XVFB_WORK/scale1.png
shot2=$XVFB_WORK/scale2.png
half=$XVFB_WORK/halved.png

run_at 1 "$shot1"
[ "${WIN_W}x${WIN_H}" = 574x311 ] && pass || miss "client area at x1 is ${WIN_W}x${WIN_H}, not 574x311"
run_at 2 "$shot2"
[ "${WIN_W}x${WIN_H}" = 1148x622 ] && pass || miss "client area at x2 is ${WIN_W}x${WIN_H}, not 1148x622"

convert "$shot2" -resize '574x311!' "$half"

# The whole picture: normalised cross-correlation of the blurred pictures. A
# layout that stayed at x1 inside a doubled window scores near 0, one moved
# by a few pixels well under 0.9.
convert "$shot1" -blur 0x2 "$XVFB_WORK/blur1.png"
convert "$half" -blur 0x2 "$XVFB_WORK/blur2.png"
ncc=$(compare -metric NCC "$XVFB_WORK/blur1.png" "$XVFB_WORK/blur2.png" null: 2>&1) || true
# at_least VALUE MIN, at_most VALUE MAX: for the decimal numbers that compare prints
at_least() { awk -v v="$1" -v lim="$2" 'BEGIN { exit !(v ~ /^[0-9.]+$/ && v + 0 >= lim) }'; }
at_most() { awk -v v="$1" -v lim="$2" 'BEGIN { exit !(v ~ /^[0-9.e-]+$/ && v + 0 <= lim) }'; }
at_least "$ncc" 0.97 && pass ||
    miss "halved x2 picture does not look like the x1 one (NCC $ncc, want >= 0.97)"

# Each control of the first step, cut from the x1 picture, is looked for in the
# halved picture within 10 pixels around its place: it must be found within 2
# pixels of that place and look alike. The rectangles are the controls' own
# (app/MainWindow.cpp, in client coordinates) with a few pixels around them,
# so that frames and group captions are part of the match.
margin=10
while read -r name x y w h; do
    convert "$shot1" -crop "${w}x${h}+$x+$y" +repage -blur 0x1 "$XVFB_WORK/part.png"
    convert "$half" -crop "$((w + 2 * margin))x$((h + 2 * margin))+$((x - margin))+$((y - margin))" \
        +repage -blur 0x1 "$XVFB_WORK/area.png"
    found=$(compare -metric RMSE -subimage-search "$XVFB_WORK/area.png" "$XVFB_WORK/part.png" \
        null: 2>&1) || true
    # "1234.5 (0.0188) @ 10,10": distance, normalised distance, best place
    if [[ $found =~ \(([0-9.e-]+)\)\ @\ ([0-9]+),([0-9]+) ]] &&
        dx=$((BASH_REMATCH[2] - margin)) && dy=$((BASH_REMATCH[3] - margin)) &&
        ((dx * dx <= 4 && dy * dy <= 4)) && at_most "${BASH_REMATCH[1]}" 0.08; then
        pass
    else
        miss "$name: at x2 not where the doubled layout puts it (best match ${found:-none}, want within 2 px of $margin,$margin)"
    fi
done <<'CONTROLS'
nen 38 22 53 24
tuki 134 22 53 24
GroupBox1 60 92 153 137
GroupBox2 212 92 153 137
GroupBox3 364 92 89 89
Panel2 40 248 225 41
tugi0 342 254 79 29
owari 438 254 79 29
CONTROLS

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
