#!/usr/bin/env bash
# Idle cost of the running program, alone or side by side with htop and btop.
#
# Starts build/release/bin/kestrion on a virtual X server with its main window open (1 s sampling);
# with --compare also htop and btop (from Debian, each at its default interval) in terminals of a
# private tmux server. After a settling time it reads each program's processor time from
# /proc/<pid>/stat at the start and the end of the window, and its resident size once a second, and
# prints the CPU share of one core and the mean and peak resident size of each.
#
# With --sleepers the measurement is repeated at each given number of extra sleeping processes
# ("0 400" measures at this machine's own load and with 400 more), all programs running together
# in each round, so the figures of one round are comparable with each other.
#
# With --every-second htop and btop refresh every second as well (htop -d 10, btop update_ms = 1000),
# instead of at their defaults (1.5 s and 2 s), so that all three do the same work.
#
# With --system-info the main window shows the system information row as well (it is off by default).
#
# With --program another build of the program is measured (an earlier one, to compare).
#
# htop, btop, tmux and xvfb-run come from Debian (apt-get install htop btop tmux xvfb); they measure,
# the program does not need them.
#
# Usage: bench/Kestrion/idle.sh [--compare] [--every-second] [--system-info] [--sleepers "0 400"]
#                               [--settle 5] [--program path] [seconds]
set -euo pipefail

arguments=("$@")
compare=0
every_second=0
system_info=0
program=
sleepers="0"
settle=5
seconds=60
while [ $# -gt 0 ]; do
  case "$1" in
    --compare) compare=1 ;;
    --every-second) every_second=1 ;;
    --system-info) system_info=1 ;;
    --program) program="$2"; shift ;;
    --sleepers) sleepers="$2"; shift ;;
    --settle) settle="$2"; shift ;;
    -h|--help) sed -n '2,26p' "$0"; exit 0 ;;
    *) seconds="$1" ;;
  esac
  shift
done

root=$(cd "$(dirname "$0")/../.." && pwd)
[ -n "$program" ] || program="$root/build/release/bin/kestrion"
[ -x "$program" ] || { echo "build the release tree first (scripts/run or cmake -B build/release)"; exit 1; }
if [ "$compare" = 1 ]; then
  for tool in htop btop tmux; do
    command -v "$tool" >/dev/null || { echo "--compare needs $tool (apt-get install $tool)"; exit 1; }
  done
fi

# Everything below runs on its own X server and session bus.
if [ -z "${KESTRION_IDLE_INNER:-}" ]; then
  export KESTRION_IDLE_INNER=1
  exec xvfb-run -a -s "-screen 0 1920x1080x24" dbus-run-session -- "$0" "${arguments[@]}"
fi

config=$(mktemp -d)
socket="kestrion-idle-$$"
sleeper_pids=()
cleanup() {
  [ ${#sleeper_pids[@]} -gt 0 ] && kill "${sleeper_pids[@]}" 2>/dev/null || true
  tmux -L "$socket" kill-server 2>/dev/null || true
  rm -rf "$config"
}
trap cleanup EXIT
export XDG_CONFIG_HOME="$config" QT_QPA_PLATFORM=xcb
if [ "$system_info" = 1 ]; then
  cat > "$config/com.brannock.kestrion.plist" <<'PLIST'
<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE plist PUBLIC "-//Apple//DTD PLIST 1.0//EN" "http://www.apple.com/DTDs/PropertyList-1.0.dtd">
<plist version="1.0"><dict><key>DisableSystemInfo</key><false/></dict></plist>
PLIST
fi
htop_options=()
if [ "$every_second" = 1 ]; then
  htop_options=(-d 10)
  mkdir -p "$config/btop"
  echo "update_ms = 1000" > "$config/btop/btop.conf"
fi
hz=$(getconf CLK_TCK)

ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat" 2>/dev/null || echo 0; }
rss() { awk '/^VmRSS/ { print $2 }' "/proc/$1/status" 2>/dev/null || echo 0; }

# One round: the programs run together while `extra` more sleeping processes exist.
round() {
  local extra=$1
  local i pid
  sleeper_pids=()
  for ((i = 0; i < extra; ++i)); do
    sleep 100000 &
    sleeper_pids+=($!)
  done

  local names=(kestrion) pids=()
  "$program" >/dev/null 2>&1 &
  pids+=($!)
  if [ "$compare" = 1 ]; then
    # A terminal of 200 by 50 cells each; the tools keep their settings in the private config folder.
    tmux -L "$socket" -f /dev/null new-session -d -x 200 -y 50 -s htop "TERM=xterm-256color exec htop ${htop_options[*]}"
    tmux -L "$socket" new-session -d -x 200 -y 50 -s btop "TERM=xterm-256color exec btop"
    names+=(htop btop)
    pids+=("$(tmux -L "$socket" list-panes -t htop -F '#{pane_pid}')")
    pids+=("$(tmux -L "$socket" list-panes -t btop -F '#{pane_pid}')")
  fi
  sleep "$settle"

  local tasks
  # A process may end between the listing and its look-up: count what the folder holds.
  tasks=$(find /proc -maxdepth 1 -name "[0-9]*" 2>/dev/null | wc -l)
  local start=() sum=() peak=()
  for i in "${!pids[@]}"; do
    start[i]=$(ticks "${pids[i]}"); sum[i]=0; peak[i]=0
  done
  local s r
  for ((s = 0; s < seconds; ++s)); do
    sleep 1
    for i in "${!pids[@]}"; do
      r=$(rss "${pids[i]}")
      sum[i]=$((sum[i] + r))
      [ "$r" -gt "${peak[i]}" ] && peak[i]=$r
    done
  done
  local end=()
  for i in "${!pids[@]}"; do end[i]=$(ticks "${pids[i]}"); done

  local peers="at their defaults"
  [ "$every_second" = 1 ] && peers="every second"
  echo "round: $tasks processes ($extra extra sleeping), ${seconds} s after ${settle} s settling, load $(cut -d' ' -f1-3 /proc/loadavg)"
  [ "$compare" = 1 ] && echo "  htop and btop refresh $peers"
  for i in "${!pids[@]}"; do
    awk -v name="${names[i]}" -v t=$((end[i] - start[i])) -v hz="$hz" -v s="$seconds" -v sum="${sum[i]}" \
        -v peak="${peak[i]}" 'BEGIN {
      printf "  %-9s cpu %6.3f %% of one core   rss mean %6.1f MiB, peak %6.1f MiB\n",
             name, 100 * t / hz / s, sum / s / 1024, peak / 1024 }'
  done

  kill "${pids[0]}" 2>/dev/null || true
  wait "${pids[0]}" 2>/dev/null || true
  tmux -L "$socket" kill-server 2>/dev/null || true
  [ ${#sleeper_pids[@]} -gt 0 ] && kill "${sleeper_pids[@]}" 2>/dev/null || true
  for pid in "${sleeper_pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  sleeper_pids=()
}

for extra in $sleepers; do
  round "$extra"
done
