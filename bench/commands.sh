#!/usr/bin/env bash
# The scripting commands as whole processes: median wall time and peak resident memory of N runs of
# `--version` and of `search the`, and the sqlite3 shell running the plain LIKE query of that search
# on the same file for comparison.
#   bench/commands.sh BUILD_DIR [RUNS]
set -euo pipefail
build=$(cd "$1" && pwd)
runs=${2:-20}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work
bible=$build/Db/dbBible.dat
like="SELECT \"ID\", \"Testament\", \"BookAbbreviation\", \"Chapter\", \"Sections\", \"Text\" FROM \"tblBible\" WHERE \"Text\" LIKE '%the%' ORDER BY \"ID\""

median() { sort -n | awk '{a[NR] = $1} END {print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2}'; }
# Prints the median wall time, the CPU time (user + system, averaged over all runs: steadier than
# the wall time on a busy machine) and the peak resident memory of runs of the command.
measure() {
    local times=$work/times
    : >"$times"
    "$@" >/dev/null 2>&1  # warm the file cache
    for _ in $(seq 1 "$runs"); do
        local start end
        start=$(date +%s%N)
        "$@" >/dev/null 2>&1
        end=$(date +%s%N)
        echo $(( (end - start) / 1000 )) >>"$times"
    done
    local cpu
    cpu=$( { TIMEFORMAT='%3U %3S'; time (for _ in $(seq 1 "$runs"); do "$@" >/dev/null 2>&1; done); } 2>&1 )
    /usr/bin/time -f %M -o "$work/rss" "$@" >/dev/null 2>&1
    printf '%6.1f ms wall, %6.1f ms CPU, %4d MB\n' "$(median <"$times" | awk '{print $1 / 1000}')" \
        "$(echo "$cpu" | awk -v n="$runs" '{print ($1 + $2) * 1000 / n}')" "$(( $(cat "$work/rss") / 1024 ))"
}
version=$(measure "$build/kivra-bible" --version)
search=$(measure "$build/kivra-bible" search the)
shell=$(measure sqlite3 "$bible" "$like")
echo "runs: $runs"
echo "kivra-bible --version:    $version"
echo "kivra-bible search the:   $search"
echo "sqlite3 plain LIKE query: $shell"
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
echo "search against the shell: $(ratio "$(echo "$search" | awk '{print $1}')" "$(echo "$shell" | awk '{print $1}')")x wall," \
     "$(ratio "$(echo "$search" | awk '{print $4}')" "$(echo "$shell" | awk '{print $4}')")x CPU"
