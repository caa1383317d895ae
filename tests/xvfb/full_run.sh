#!/usr/bin/env bash
# Under a real X server, as a user would: types the year and month, clicks
# the options and colour buttons where the window shows them, confirms the
# colours and the file name in the real dialogs, and compares the saved page
# byte for byte with a golden page.
#   full_run.sh PROGRAM GOLDEN_DIR CASE_FILE
source "$(dirname "$0")/xvfb.sh"
program=$1 golden=$2 case_file=$3

IFS=$'\t' read -r _ year month type_no youbi_no memoran_no colours < <(
    awk -F'\t' -v f="$case_file" '$1 == f' "$golden/cases.tsv")
[ -n "${type_no:-}" ] || fail "no case $case_file"

# Where each control is, from the window's layout.
click_step() { click_at 381 268; }
click_radio() {  # group box left, radio left in it, index
    click_at $((16 + $1 + $2 + 8)) $((72 + 24 + 24 + 24 * $3 + 8))
}
button_of() {  # target font|base -> prints x y
    local target=$1 part=$2 x row
    case $target in
        day*)
            local d=${target#day}
            x=$((56 + 24 * ((d - 1) % 16) + 10))
            row=$((80 * ((d - 1) / 16)))
            [ "$part" = font ] && echo "$x $((96 + row + 8))" || echo "$x $((120 + row + 8))" ;;
        *)
            local k
            case $target in wk) k=0 ;; sat) k=1 ;; sun) k=2 ;; memo) k=3 ;; esac
            x=$((456 + 24 * k + 10))
            [ "$part" = font ] && echo "$x 184" || echo "$x 208" ;;
    esac
}
type_into() {  # x y text
    click_at "$1" "$2"
    xdotool key --clearmodifiers ctrl+a
    xdotool type --delay 20 -- "$3"
}
# Confirms a colour in the colour dialog through its HTML field (Alt+H).
pick_colour() {
    wait_dialog
    xdotool key alt+h ctrl+a
    xdotool type --delay 20 "#$1"
    xdotool key Return
    wait_no_dialog
}

start_xvfb
start_app "$program"

type_into 64 34 "$year"
type_into 160 34 "$month"
click_step
click_radio 48 16 "$type_no"
click_radio 200 16 "$youbi_no"
click_radio 352 8 "$memoran_no"
[ -n "${XVFB_DEBUG:-}" ] && import -window root /tmp/debug-options.png
click_step
[ -n "${XVFB_DEBUG:-}" ] && import -window root /tmp/debug-grid.png

# Class colours first, then single days, as the case lists them.
if [ "$colours" != - ]; then
    for pass in class day; do
        IFS=';' read -ra assignments <<<"$colours"
        for a in "${assignments[@]}"; do
            target=${a%%.*} rest=${a#*.} part=${rest%%=*} value=${a#*=}
            case $target in day*) kind=day ;; *) kind=class ;; esac
            [ "$kind" = "$pass" ] || continue
            read -r x y < <(button_of "$target" "$part")
            click_at "$x" "$y"
            pick_colour "$value"
        done
    done
fi

saved="$XVFB_WORK/page"  # typed without extension: ".htm" is added
click_step
wait_dialog
xdotool type --delay 10 "$saved"
xdotool key Return
wait_no_dialog

cmp "$saved.htm" "$golden/$case_file" || fail "the saved page differs from $case_file"
click_at $((440 + 37)) $((256 + 12))
wait_exit 10
[ "$APP_STATUS" = 0 ] || fail "exit status $APP_STATUS"
echo "1 passed, 0 failed"
