#!/bin/sh
# Runs one fuzz program over its seed corpus: run.sh <program> <seed folder> <crash prefix> <options>...
# The options carry the program's limits (-timeout for one input, -max_len); a crash, a leak, an input
# over the time limit or the memory limit ends the run with a failure and leaves the input beside the
# crash prefix.
# The inputs it finds go to a scratch folder that is removed afterwards, so the seed folder stays as
# it is and every run starts from the same corpus. The program's own files (most programs write their
# input into files on every run) go below the same folder, in memory where /dev/shm is there.
set -eu
program=$1 seeds=$2 crashes=$3
shift 3
base=${TMPDIR:-/tmp}
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
  base=/dev/shm
fi
scratch=$(mktemp -d "$base/kestrion-fuzz-XXXXXX")
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/corpus" "$scratch/tmp"
TMPDIR="$scratch/tmp" "$program" -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$crashes" \
  "$@" "$scratch/corpus" "$seeds"
