#!/usr/bin/env bash
# Start-up of the whole program: starts it N times on one Xvfb display and prints the median time
# from launch to the passage painted, and the peak and the settled resident memory of the window.
# In turns with it, the floor (kivra-floor-window, a bare Qt window showing Genesis 1 in a QTextEdit)
# is started as often, and the ratio of the two medians is printed.
#   bench/startup.sh BUILD_DIR [RUNS] [program options, e.g. --no-splash]
# It needs xvfb-run; the display is started once, outside the timings.
set -euo pipefail
if [ -z "${DISPLAY:-}" ] || [ -z "${KIVRA_BENCH_IN_XVFB:-}" ]; then
    KIVRA_BENCH_IN_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi
build=$(cd "$1" && pwd)
runs=${2:-10}
shift $(( $# >= 2 ? 2 : 1 ))
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work QT_LOGGING_RULES="kivra.startup.debug=true"
[ "$(id -u)" -eq 0 ] && export QTWEBENGINE_DISABLE_SANDBOX=1

times=() cpus=() peaks=() settled=() floor=()
run_once() {
    local log=$work/log start pid painted program=$1
    shift
    : >"$log"
    start=$(date +%s%3N)
    "$build/$program" "$@" 2>"$log" &
    pid=$!
    for _ in $(seq 1 300); do  # up to 30 s
        painted=$(sed -n 's/.*passage painted at \([0-9]*\) ms.*/\1/p' "$log")
        [ -n "$painted" ] && break
        sleep 0.1
    done
    [ -n "$painted" ] || { echo "no paint reported; log:" >&2; cat "$log" >&2; kill "$pid"; exit 1; }
    # The CPU time up to the paint, as the program measured it: steadier than the wall time on a busy machine.
    cpus+=($(sed -n 's/.*passage painted at .*, \([0-9]*\) ms of CPU.*/\1/p' "$log"))
    sleep 1  # what the window holds once it is idle
    if [ "$program" != kivra-bible ]; then
        floor+=($((painted - start)))
        kill -TERM "$pid"; wait "$pid" || true
        return
    fi
    times+=($((painted - start)))
    peaks+=($(awk '/VmHWM/ {print int($2 / 1024)}' /proc/$pid/status))
    settled+=($(awk '/VmRSS/ {print int($2 / 1024)}' /proc/$pid/status))
    kill -TERM "$pid"
    wait "$pid" || true
}
run_once kivra-bible "$@"  # the first runs fill the file cache and the per-user folder; not counted
run_once kivra-floor-window
times=() cpus=() peaks=() settled=() floor=()
for _ in $(seq 1 "$runs"); do
    run_once kivra-bible "$@"
    run_once kivra-floor-window
done
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR] = $1} END {print (NR % 2) ? a[(NR + 1) / 2] : int((a[NR / 2] + a[NR / 2 + 1]) / 2)}'; }
echo "runs: $runs  options: ${*:-(none)}"
echo "launch to passage painted: median $(median "${times[@]}") ms (all: ${times[*]})"
echo "CPU time up to the paint: median $(median "${cpus[@]}") ms"
echo "peak resident memory: median $(median "${peaks[@]}") MB; idle window: median $(median "${settled[@]}") MB"
echo "floor (bare window with Genesis 1): median $(median "${floor[@]}") ms (all: ${floor[*]})"
echo "ratio to the floor: $(awk -v a="$(median "${times[@]}")" -v b="$(median "${floor[@]}")" 'BEGIN {printf "%.2f", a / b}')"
