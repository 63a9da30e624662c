#!/usr/bin/env bash
# The start-up of ZORV as the user sees it: from launching the process to the splash's first paint,
# to the menu's first paint (the splash's one-second wait left out), and the resident memory with
# the menu open. Runs the probe RUNS times (default 15) and prints the median and the extremes.
# Usage: bench/shell/startup.sh [offscreen|xvfb]   (default offscreen; xvfb needs xvfb-run)
# BUILD_DIR (default build-bench) is the release build folder to use.
set -euo pipefail
cd "$(dirname "$0")/../.."
mode="${1:-offscreen}"
runs="${RUNS:-15}"
build="${BUILD_DIR:-build-bench}"
scripts/deps --bench
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DZORV_BENCH=ON -DZORV_TESTS=OFF >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target startup_probe >/dev/null
probe="$build/bench-tools/startup_probe"

# The launch time is read by the shell that starts the probe, just before it does.
measure='for _ in $(seq "$1"); do ZORV_PROBE_T0_NS=$(date +%s%N) "$2"; done'

case "$mode" in
    offscreen) results=$(QT_QPA_PLATFORM=offscreen bash -c "$measure" measure "$runs" "$probe") ;;
    xvfb)
        results=$(xvfb-run -a -s "-screen 0 1280x1024x24" \
                      env QT_QPA_PLATFORM=xcb bash -c "$measure" measure "$runs" "$probe")
        ;;
    *) echo "startup.sh: unknown mode $mode (offscreen or xvfb)" >&2; exit 2 ;;
esac

summary() { # key unit
    grep "^$1=" <<<"$results" | cut -d= -f2 | sort -g | awk -v key="$1" -v unit="$2" '
        { v[NR] = $1 }
        END { printf "%-16s median %8.1f %s   (min %.1f, max %.1f, %d runs)\n",
                     key, v[int((NR + 1) / 2)], unit, v[1], v[NR], NR }'
}
echo "ZORV start-up, $mode"
summary splash_drawn_ms ms
summary menu_drawn_ms ms
summary menu_rss_kib KiB
