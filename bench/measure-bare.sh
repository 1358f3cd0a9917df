#!/usr/bin/env bash
# Noorvale against a bare Qt window (bench/bare_window) and a bare one with a menu bar and a label
# (bare_window --text: what any window with text costs) on one Xvfb server: rounds of one start
# each, interleaved, every start with a private HOME and XDG folders. Per start: the time from
# the start to the main window being mapped (bench/map_timer waits for the server's map event),
# the resident memory 2 s after (VmRSS), and the share of one core each uses while idle over
# the same window of SECONDS at the end (utime + stime), all programs left running until then.
# Usage: bench/measure-bare.sh [build folder] [rounds] [seconds] [Noorvale program]
# Needs the targets Noorvale, bare_window and map_timer built; another Noorvale (an older build's
# build/Noorvale/Noorvale, with its program folder) may be measured in place of this build's.
set -euo pipefail
build=${1:-build}
rounds=${2:-10}
seconds=${3:-60}
noorvale=${4:-$build/Noorvale/Noorvale}
tmp=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null || true; done
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$tmp"
}
trap cleanup EXIT
source "$(dirname "$0")/xvfb.sh"
source "$(dirname "$0")/home.sh"
start_xvfb

launch() {  # name, run number, program and its arguments: prints "name ms pid rss_kB"
  local h out ms pid name=$1 run=$2
  shift 2
  h=$tmp/home-$name$run
  noorvale_home "$h"
  out=$(HOME=$h XDG_CONFIG_HOME=$h/.config XDG_DATA_HOME=$h/data XDG_CACHE_HOME=$h/cache XDG_RUNTIME_DIR=$h/run \
        QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy "$build/bench/map_timer" ' - ' "$@" 2>"$tmp/$name$run.log") \
    || { echo "$name did not show its window:" >&2; cat "$tmp/$name$run.log" >&2; exit 1; }
  read -r ms pid <<< "$out"
  sleep 2  # the event loop settles after the first paint
  echo "$name $ms $pid $(awk '/VmRSS/ {print $2}' /proc/$pid/status)"
}

ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

for r in $(seq "$rounds"); do
  launch bare "$r" "$build/bench/bare_window"
  launch text "$r" "$build/bench/bare_window" --text
  launch noorvale "$r" "$noorvale"
done > "$tmp/starts"
while read -r _ _ pid _; do pids+=("$pid"); done < "$tmp/starts"
declare -A before
for p in "${pids[@]}"; do before[$p]=$(ticks "$p"); done
sleep "$seconds"
hz=$(getconf CLK_TCK)
while read -r name ms pid rss; do
  echo "$name $ms $rss $(( $(ticks "$pid") - before[$pid] ))"
done < "$tmp/starts" | python3 -c '
import statistics, sys
hz, seconds = int(sys.argv[1]), int(sys.argv[2])
rows = {}
print("run   program  start ms  RSS MB  idle CPU %")
for line in sys.stdin:
    name, ms, rss, ticks = line.split()
    row = (float(ms), int(rss) / 1024, 100 * int(ticks) / hz / seconds)
    rows.setdefault(name, []).append(row)
    print(f"{len(rows[name]):>3} {name:>9} {row[0]:>9.0f} {row[1]:>7.1f} {row[2]:>10.3f}")
med = {n: [statistics.median(c) for c in zip(*r)] for n, r in rows.items()}
for n, m in med.items():
    print(f"median {n:>9}: start {m[0]:.0f} ms, RSS {m[1]:.1f} MB, idle CPU {m[2]:.3f} %")
for yardstick in ("bare", "text"):
    if yardstick in med and "noorvale" in med:
        b, n = med[yardstick], med["noorvale"]
        print(f"noorvale / {yardstick}: start {n[0] / b[0]:.2f}x, RSS {n[1] / b[1]:.2f}x")
' "$hz" "$seconds"
