#!/bin/sh
# Runs one fuzz program over its seed corpus: run.sh <program> <seed folder> <crash prefix> <options>...
# The inputs it finds go to a scratch folder that is removed afterwards, so the seed folder stays as
# it is and every run starts from the same corpus.
set -eu
program=$1 seeds=$2 crashes=$3
shift 3
scratch=$(mktemp -d "${TMPDIR:-/tmp}/kestrion-fuzz-XXXXXX")
trap 'rm -rf "$scratch"' EXIT
"$program" -timeout=20 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$crashes" "$@" "$scratch" "$seeds"
