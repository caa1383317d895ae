#!/usr/bin/env bash
# Under a real X server: the window appears with its title and client size,
# and clicking "閉じる" ends the program with status 0.
source "$(dirname "$0")/xvfb.sh"
program=$1

start_xvfb
start_app "$program"
[ "$WIN_W" = 574 ] && [ "$WIN_H" = 311 ] || fail "client area is ${WIN_W}x${WIN_H}, not 574x311"

click_at $((440 + 37)) $((256 + 12))  # the middle of owari
wait_exit 10
[ "$APP_STATUS" = 0 ] || fail "exit status $APP_STATUS"
echo "1 passed, 0 failed"
