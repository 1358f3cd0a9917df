#!/usr/bin/env bash
# Starts the built Noorvale offscreen with a fresh settings store (main window and its clock
# shown, the compact clock running too), then reports its resident memory after start and the
# share of one core it uses while idle over a minute (alert timer and clocks ticking).
# Usage: bench/measure-idle.sh [build folder] [seconds]
set -euo pipefail
build=${1:-build}
seconds=${2:-60}
home=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$home"' EXIT
source "$(dirname "$0")/home.sh"
noorvale_home "$home"
HOME=$home XDG_CONFIG_HOME=$home/.config XDG_RUNTIME_DIR=$home/run QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy \
  "$build/Noorvale/Noorvale" >/dev/null 2>&1 &
pid=$!
sleep 3
rss=$(awk '/VmRSS/ {print $2}' /proc/$pid/status)
ticks() { awk '{print $14 + $15}' /proc/$pid/stat; }
hz=$(getconf CLK_TCK)
before=$(ticks)
sleep "$seconds"
after=$(ticks)
awk -v rss="$rss" -v d=$((after - before)) -v hz="$hz" -v s="$seconds" \
  'BEGIN { printf "resident after start: %.1f MB\nidle CPU over %d s: %.2f %% of one core\n", rss / 1024, s, 100 * d / hz / s }'
