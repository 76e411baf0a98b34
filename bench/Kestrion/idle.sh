#!/usr/bin/env bash
# Idle cost of the running program: starts build/release/bin/kestrion on a virtual X server with its
# main window open (1920x1080, default settings, 1 s sampling), lets it settle, then samples
# /proc/<pid>/stat and status once a second for the given seconds (default 60) and prints the CPU share
# of one core and the resident size. With a second argument, that many extra sleeping processes run
# meanwhile, so the process table is as long as on a busy desktop.
# Usage: bench/Kestrion/idle.sh [seconds] [extra-processes]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
seconds=${1:-60}
extra=${2:-0}
program=${KESTRION_PROGRAM:-$root/build/release/bin/kestrion}
[ -x "$program" ] || { echo "build the release tree first (scripts/run or cmake -B build/release)"; exit 1; }
config=$(mktemp -d)
sleepers=()
cleanup() {
  for p in "${sleepers[@]}"; do kill "$p" 2>/dev/null || true; done
  rm -rf "$config"
}
trap cleanup EXIT
for _ in $(seq 1 "$extra"); do
  sleep 100000 & sleepers+=($!)
done
export XDG_CONFIG_HOME="$config" QT_QPA_PLATFORM=xcb
xvfb-run -a -s "-screen 0 1920x1080x24" dbus-run-session -- bash -c '
  "$0" & pid=$!
  sleep 5
  hz=$(getconf CLK_TCK)
  ticks() { awk "{print \$14 + \$15}" /proc/$pid/stat; }
  processes=$(ls -d /proc/[0-9]* | wc -l)
  start=$(ticks); peak=0; sum=0
  for i in $(seq 1 "$1"); do
    sleep 1
    rss=$(awk "/^VmRSS/ {print \$2}" /proc/$pid/status)
    sum=$((sum + rss)); [ "$rss" -gt "$peak" ] && peak=$rss
  done
  end=$(ticks)
  kill $pid; wait $pid 2>/dev/null || true
  awk -v t=$((end - start)) -v hz=$hz -v s="$1" -v sum=$sum -v peak=$peak -v n=$processes "BEGIN {
    printf \"processes %d\n\", n;
    printf \"cpu %.3f %% of one core over %d s\n\", 100 * t / hz / s, s;
    printf \"rss mean %.1f MiB, peak %.1f MiB\n\", sum / s / 1024, peak / 1024 }"
' "$program" "$seconds"
