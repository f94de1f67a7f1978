#!/usr/bin/env bash
# Start-up and idle cost of Tessaro against a bare Qt window, on a private Xvfb with openbox.
#   bench/startup.sh [BUILD_DIR] [RUNS]
# For each program: the median time from launch to its first exposed window and its resident
# memory then, over RUNS starts (default 15); for Tessaro also the memory with every window
# open; then the CPU each uses over 20 s of idling on the operator screen.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
runs=${2:-15}
cd "$build"

exec 3< <(Xvfb -displayfd 1 -screen 0 1366x768x24 -nolisten tcp 2>/dev/null)
xvfb_pid=$!
read -r display <&3
export DISPLAY=:$display
openbox >/dev/null 2>&1 &
wm_pid=$!
trap 'kill $wm_pid $xvfb_pid 2>/dev/null || true' EXIT
sleep 1
unset QT_QPA_PLATFORM

median() { sort -n | awk '{a[NR]=$1} END {print (NR % 2) ? a[(NR+1)/2] : (a[NR/2] + a[NR/2+1]) / 2}'; }

# One start: "SECONDS_TO_FIRST_FRAME RSS_KB [RSS_KB_EVERY_WINDOW]".
start_once() {
  local start out
  start=$(date +%s.%N)
  out=$(TESSARO_STARTUP_PROBE=$2 "$1" 2>/dev/null)
  awk -v start="$start" '
    /^shown/ {shown = $2}
    /^VmRSS/ {rss = $2}
    /^every window VmRSS/ {every = $4}
    END {printf "%.4f %d %s\n", shown - start, rss, every}' <<<"$out"
}

measure() {
  local name=$1 program=$2 times=() rss=() line
  "$program" >/dev/null 2>&1 <<<"" & sleep 0; kill $! 2>/dev/null || true  # warm the file cache
  for _ in $(seq "$runs"); do
    line=$(start_once "$program" 1)
    times+=("${line%% *}")
    rss+=("$(cut -d' ' -f2 <<<"$line")")
  done
  printf '%-12s first frame %6.1f ms (median of %d)   memory then %6.1f MiB\n' "$name" \
    "$(printf '%s\n' "${times[@]}" | median | awk '{print $1 * 1000}')" "$runs" \
    "$(printf '%s\n' "${rss[@]}" | median | awk '{print $1 / 1024}')"
}

# An idling program over 20 s after 3 s of settling: the CPU time of all its threads and how
# often they woke up (context switches), a second. "bare+timers" is the bare window with two
# empty timers at the program's intervals: the floor of a program that must tick.
idle_cost() {
  local pid before after
  "$@" >/dev/null 2>&1 &
  pid=$!
  sleep 3
  sample() {
    local ns=0 switches=0 task
    for task in /proc/"$pid"/task/*; do
      ns=$((ns + $(cut -d' ' -f1 "$task/schedstat")))
      switches=$((switches + $(awk '/ctxt_switches/ {s += $2} END {print s}' "$task/status")))
    done
    echo "$ns $switches"
  }
  before=$(sample)
  sleep 20
  after=$(sample)
  kill "$pid"; wait "$pid" 2>/dev/null || true
  awk -v b="$before" -v a="$after" 'BEGIN {
    split(b, x, " "); split(a, y, " ");
    printf "idle CPU %.3f %% of a core, %.1f wake-ups a second\n", (y[1] - x[1]) / 2e8, (y[2] - x[2]) / 20 }'
}

measure "bare window" ./tessaro_bare_window
measure "tessaro" ./tessaro
every=()
for _ in 1 2 3; do every+=("$(start_once ./tessaro every-window | cut -d' ' -f3)"); done
printf 'tessaro      memory with every window open %6.1f MiB (median of 3)\n' \
  "$(printf '%s\n' "${every[@]}" | median | awk '{print $1 / 1024}')"
printf 'bare window  %s\n' "$(idle_cost ./tessaro_bare_window)"
printf 'bare+timers  %s\n' "$(idle_cost ./tessaro_bare_window timers)"
printf 'tessaro      %s\n' "$(idle_cost ./tessaro)"
