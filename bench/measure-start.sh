#!/usr/bin/env bash
# Start-up of the built Noorvale on a real X server (Xvfb), per language: the time from launch to
# its main window being mapped, with a fresh settings store each time, the languages interleaved
# so that the machine's load falls on each alike. Prints the median and mean per language.
# Usage: bench/measure-start.sh [build folder] [rounds] [languages...]
set -euo pipefail
build=${1:-build}
rounds=${2:-10}
shift $(( $# < 2 ? $# : 2 ))
languages=("${@:-en ar ur}")
read -r -a languages <<< "${languages[*]}"
tmp=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$tmp"' EXIT
source "$(dirname "$0")/xvfb.sh"
source "$(dirname "$0")/home.sh"
start_xvfb

launch() {  # language; prints milliseconds to the mapped main window
  local home="$tmp/home-$RANDOM$RANDOM"
  noorvale_home "$home" "$1"
  local start end pid
  start=$(date +%s%N)
  HOME=$home XDG_CONFIG_HOME=$home/.config XDG_RUNTIME_DIR=$home/run QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy \
    "$build/Noorvale/Noorvale" >/dev/null 2>"$tmp/noorvale.log" &
  pid=$!
  # The main window: its caption is the program's name, a dash and the next prayer (the splash's
  # is the name alone).
  until [ -n "$(xdotool search --onlyvisible --pid "$pid" --name ' - ' 2>/dev/null)" ]; do
    kill -0 "$pid" 2>/dev/null || { echo "Noorvale ended before its window showed:" >&2; cat "$tmp/noorvale.log" >&2; exit 1; }
    sleep 0.005
  done
  end=$(date +%s%N)
  kill -9 "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true
  rm -rf "$home"
  echo $(( (end - start) / 1000000 ))
}

for _ in $(seq "$rounds"); do
  for language in "${languages[@]}"; do echo "$language $(launch "$language")"; done
done | python3 -c '
import statistics, sys
times = {}
for line in sys.stdin:
    language, ms = line.split()
    times.setdefault(language, []).append(int(ms))
for language, t in times.items():
    print(f"{language}: median {statistics.median(t):.0f} ms, mean {statistics.mean(t):.0f} ms over {len(t)} starts")
'
