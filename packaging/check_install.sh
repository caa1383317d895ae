#!/usr/bin/env bash
# Installs a build into a scratch prefix and checks what a desktop needs to
# list and start the program: the binary, a valid launcher entry whose Exec
# and Icon resolve inside the prefix, and the two icons.
# Usage: check_install.sh BUILD_DIR
set -uo pipefail

build=${1:?usage: check_install.sh BUILD_DIR}
source_dir=$(cd "$(dirname "$0")/.." && pwd)
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

passed=0
failed=0
check() {  # check NAME COMMAND...: runs the command, counts and reports the outcome
    local name=$1
    shift
    if out=$("$@" 2>&1); then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAIL: $name${out:+: $out}" >&2
    fi
}

if ! cmake --install "$build" --prefix "$prefix" >"$prefix.log" 2>&1; then
    cat "$prefix.log" >&2
    rm -f "$prefix.log"
    echo "0 passed, 1 failed"
    exit 1
fi
rm -f "$prefix.log"

desktop=$prefix/share/applications/hibimaker.desktop
icon32=$prefix/share/icons/hicolor/32x32/apps/hibimaker.png
svg=$prefix/share/icons/hicolor/scalable/apps/hibimaker.svg

check "launcher entry is valid" desktop-file-validate "$desktop"

# The entry must start this program and show its icon, not something that
# happens to share the name elsewhere on the system.
entry_key() { sed -n "s/^$1=//p" "$desktop"; }
exec_resolves() {
    local exec
    exec=$(entry_key Exec)
    [ "${exec%% *}" = hibimaker ] || { echo "Exec is '$exec'"; return 1; }
    [ -x "$prefix/bin/hibimaker" ] || { echo "no bin/hibimaker"; return 1; }
}
icon_resolves() {
    local icon
    icon=$(entry_key Icon)
    [ "$icon" = hibimaker ] || { echo "Icon is '$icon'"; return 1; }
    [ -f "$icon32" ] && [ -f "$svg" ]
}
check "Exec names the installed program" exec_resolves
check "Icon names the installed icons" icon_resolves

# The installed copy starts on its own, without the build tree: with no
# display it gets as far as saying so and ending with status 1.
runs_from_prefix() {
    local out status=0
    out=$(cd / && env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/hibimaker" 2>&1) || status=$?
    [ "$status" = 1 ] && [[ $out == *"no display"* ]] || { echo "status $status: $out"; return 1; }
}
check "installed program starts" runs_from_prefix

# The small icon is the window icon itself: same size, same pixels, same
# transparent corners. A changed app/hibimaker.xpm shows up here.
same_as_window_icon() {
    local size
    size=$(identify -format '%wx%h' "$icon32") || return 1
    [ "$size" = 32x32 ] || { echo "size $size"; return 1; }
    rgba "$icon32" >"$prefix/icon.rgba" && rgba "$source_dir/app/hibimaker.xpm" >"$prefix/xpm.rgba" &&
        cmp -s "$prefix/icon.rgba" "$prefix/xpm.rgba" ||
        { echo "pixels differ from app/hibimaker.xpm"; return 1; }
}
# rgba IMAGE: raw 8-bit RGBA pixels; fully transparent ones all read as 0,0,0,0.
rgba() { convert "$1" -alpha set -background black -alpha background -depth 8 rgba:-; }
check "32 px icon matches the window icon" same_as_window_icon

svg_is_square_svg() {
    python3 - "$svg" <<'PY'
import sys, xml.etree.ElementTree as ET
root = ET.parse(sys.argv[1]).getroot()
assert root.tag == "{http://www.w3.org/2000/svg}svg", root.tag
x, y, w, h = (float(v) for v in root.get("viewBox").split())
assert w == h > 0, root.get("viewBox")
PY
}
check "scalable icon is a square SVG" svg_is_square_svg

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
