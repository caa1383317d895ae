#!/usr/bin/env bash
# Runs each fuzz target for SECONDS, starting from its seeds in
# fuzz/corpus/<target>/, and fails on any crash, sanitizer report or mismatch.
# New inputs go to a scratch corpus, so the committed seeds stay as they are;
# a failing input is kept in BUILD_DIR/fuzz/findings/.
# Usage: run.sh BUILD_DIR SECONDS   (a build configured with -DHIBIMAKER_FUZZ=ON)
set -uo pipefail

build=${1:?usage: run.sh BUILD_DIR SECONDS}
seconds=${2:?usage: run.sh BUILD_DIR SECONDS}
here=$(cd "$(dirname "$0")" && pwd)
findings=$build/fuzz/findings
mkdir -p "$findings"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

export UBSAN_OPTIONS="print_stacktrace=1"
export ASAN_OPTIONS="abort_on_error=1:detect_leaks=1"

# target and its longest useful input
targets=(
    "fuzz_strtoint 64"
    "fuzz_page 512"
)

passed=0
failed=0
for entry in "${targets[@]}"; do
    read -r target max_len <<<"$entry"
    program=$build/fuzz/$target
    log=$scratch/$target.log
    mkdir -p "$scratch/$target"
    if [ ! -x "$program" ]; then
        echo "$target: not built in $build" >&2
        failed=$((failed + 1))
        continue
    fi
    dict=()
    [ -f "$here/$target.dict" ] && dict=(-dict="$here/$target.dict")
    "$program" "$scratch/$target" "$here/corpus/$target" "${dict[@]}" \
        -max_total_time="$seconds" -max_len="$max_len" -timeout=10 \
        -print_final_stats=1 -artifact_prefix="$findings/$target-" >"$log" 2>&1
    status=$?
    stat() { sed -n "s/^stat::$1: *//p" "$log"; }
    echo "$target: $(stat number_of_executed_units) executions," \
        "$(stat new_units_added) new inputs, $(ls "$scratch/$target" | wc -l) in the corpus," \
        "peak RSS $(stat peak_rss_mb) MB"
    if [ "$status" = 0 ] && ! grep -q -e 'runtime error:' -e 'ERROR: ' "$log"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAIL: $target (status $status):" >&2
        grep -E -e 'mismatch|invariant broken|runtime error|ERROR:|SUMMARY' "$log" |
            head -n 30 >&2
        ls "$findings"/"$target"-* 2>/dev/null | sed 's/^/  input kept: /' >&2
    fi
done

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
