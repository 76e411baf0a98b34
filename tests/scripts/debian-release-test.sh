#!/usr/bin/env bash
# Checks scripts/debian-release against stand-ins for what needs root or the network (id, debootstrap,
# apt-get, chroot, mount, umount, findmnt), so that nothing is fetched, installed or mounted; the
# suite in the root is a stand-in too. The script runs in a mount namespace that unshare makes for it
# (a user runs the test as root of a user namespace of its own):
# - a file changed after the root's last build is rebuilt even when its own time is older than that
#   build, and a file whose contents did not change keeps its time and is not rebuilt;
# - no program the script starts (debootstrap, rsync, mount, the suite ...) holds the root's lock,
#   so a run whose script was killed with -9 while its suite lives does not keep the next one waiting;
# - a run that finds the root in use says so, and gives up with status 75 at once with --no-wait or
#   after KESTRION_RELEASE_WAIT seconds, and goes on when the other run ends;
# - without a mount namespace of its own (no unshare, KESTRION_RELEASE_NAMESPACE set by the caller,
#   an unshare that makes none) the run stops before it mounts anything.
# Where no namespace can be made here, only the last is checked and the test is skipped (status 77).
# KESTRION_RELEASE_SCRIPT names another copy of the script to check.
set -uo pipefail

if [ "$(id -u)" -ne 0 ] && unshare --user --map-root-user true 2>/dev/null; then
  exec unshare --user --map-root-user bash "$0" "$@"
fi
script=${KESTRION_RELEASE_SCRIPT:-$(cd "$(dirname "$0")/../.." && pwd)/scripts/debian-release}
work=$(mktemp -d "${TMPDIR:-/tmp}/kestrion-release-test-XXXXXX")
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# Whatever a check left running: the suites it started (held until $work/suite-release exists) and
# the process that holds the lock for a check (until $work/let-go exists).
holder=""
cleanup() {
  local pid
  : >"$work/suite-release"
  : >"$work/let-go"
  if [ -n "$holder" ]; then
    wait "$holder" 2>/dev/null
  fi
  if [ -f "$work/suites" ]; then
    while read -r pid _; do
      if grep -qF "$work" "/proc/$pid/cmdline" 2>/dev/null; then
        kill "$pid" 2>/dev/null
      fi
    done <"$work/suites"
  fi
  rm -rf "$work"
}
trap cleanup EXIT

for tool in rsync flock setsid timeout; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "debian-release test: $tool is missing (scripts/setup installs it)" >&2
    exit 1
  fi
done
real_unshare=$(command -v unshare || true)
real_rsync=$(command -v rsync)
ninja=$(command -v ninja || true)

roots="$work/roots"
root="$roots/trixie"
lock="$roots/.trixie.lock"
mkdir -p "$roots"

# What every stand-in does first: it writes its name to $work/holders when one of its open
# descriptors is the root's lock.
cat >"$work/stand-in" <<EOF
work="$work"
check_lock() {
  local fd
  for fd in /proc/\$\$/fd/*; do
    if [ "\$(readlink "\$fd" 2>/dev/null)" = "$lock" ]; then
      echo "\$1" >>"\$work/holders"
    fi
  done
}
EOF

# A folder of commands: stand-ins written here, and links to the real tools the script may use.
# Nothing else is on the PATH, so no real mount, chroot or debootstrap is within reach, and no sudo.
bin="$work/bin"
mkdir -p "$bin"
for tool in bash env cat readlink dirname flock awk sort rm mkdir chmod mv cp setsid sleep grep touch; do
  ln -s "$(command -v "$tool")" "$bin/$tool"
done
stand_in() {
  { echo '#!/usr/bin/env bash'; echo ". \"$work/stand-in\""; echo "check_lock $1"; cat; } >"$bin/$1"
  chmod +x "$bin/$1"
}
# Root.
stand_in id <<'EOF'
[ "${1:-}" = -u ] && echo 0 || echo "uid=0(root) gid=0(root)"
EOF
stand_in apt-get <<'EOF'
echo "$*" >>"$work/apt-get"
EOF
# The targets mounted are in $work/mounted, one a line, until they are unmounted.
stand_in mount <<'EOF'
echo "$*" >>"$work/mounts"
[ "$1" = --make-rprivate ] || echo "${*: -1}" >>"$work/mounted"
EOF
stand_in umount <<'EOF'
grep -vxF -- "${*: -1}" "$work/mounted" >"$work/mounted.new"
mv "$work/mounted.new" "$work/mounted"
EOF
stand_in findmnt <<'EOF'
cat "$work/mounted" 2>/dev/null
EOF
# debootstrap makes the folders the script writes into.
stand_in debootstrap <<'EOF'
echo "$*" >>"$work/debootstrap"
target=${*: -2:1}
mkdir -p "$target/etc/apt" "$target/usr/sbin" "$target/proc" "$target/sys" "$target/dev/pts" "$target/tmp"
EOF
stand_in rsync <<EOF
exec "$real_rsync" "\$@"
EOF
# The root answers that it works; the suite in it writes down its process, its parent (the script)
# and its arguments, builds the root's build folder when there is one, and exits with the status in
# $work/suite-mode, or stays until $work/suite-release exists when that says "hold".
stand_in chroot <<EOF
root=\$1
shift
case \$1 in
  /bin/true | /usr/bin/apt-get | /usr/bin/dpkg) exit 0 ;;
  /usr/bin/env) ;;
  *) echo "chroot stand-in: unexpected \$*" >&2; exit 1 ;;
esac
echo "\$\$ \$PPID" >>"\$work/suites"
printf '%s\n' "\$@" >"\$work/suite-args"
if [ -n "$ninja" ] && [ -f "\$root/src/kestrion/build/build.ninja" ]; then
  "$ninja" -C "\$root/src/kestrion/build" >"\$work/ninja-out" 2>&1
fi
mode=\$(cat "\$work/suite-mode" 2>/dev/null || echo 0)
if [ "\$mode" = hold ]; then
  : >"\$work/suite-started"
  for ((i = 0; i < 1200; i++)); do
    [ -e "\$work/suite-release" ] && break
    sleep 0.1
  done
  exit 0
fi
exit "\$mode"
EOF

# The namespace. The propagation of / is left as it is (in a chroot / is no mount point, so it could
# not be changed).
namespace_options=(--mount --propagation unchanged)
namespaces=0
if [ -n "$real_unshare" ] && "$real_unshare" "${namespace_options[@]}" true 2>/dev/null; then
  namespaces=1
fi
# An unshare that makes the namespace, and one that makes none and only runs the program.
cp -a "$bin" "$work/bin-none"
cp -a "$bin" "$work/bin-fake"
stand_in unshare <<EOF
while [ \$# -gt 0 ] && [ "\${1#-}" != "\$1" ]; do
  [ "\$1" = --propagation ] && shift
  shift
done
exec "$real_unshare" ${namespace_options[*]} "\$@"
EOF
cat >"$work/bin-fake/unshare" <<'EOF'
#!/usr/bin/env bash
while [ $# -gt 0 ] && [ "${1#-}" != "$1" ]; do
  [ "$1" = --propagation ] && shift
  shift
done
exec "$@"
EOF
chmod +x "$work/bin-fake/unshare"

# The working tree given to the script: its build folder and git's files are not copied.
tree="$work/tree"
mkdir -p "$tree/scripts" "$tree/build" "$tree/.git"
if ! cp "$script" "$tree/scripts/debian-release"; then
  echo "debian-release test: no script at $script" >&2
  exit 1
fi
chmod +x "$tree/scripts/debian-release"
echo 'exit 0' >"$tree/scripts/test"
echo one >"$tree/a.txt"
echo same >"$tree/b.txt"
echo host >"$tree/build/host-only"
echo ref >"$tree/.git/HEAD"

# Runs the script with the stand-ins of folder $1 and the further arguments, in the environment of
# the variables set in array "environment"; its output goes to $work/out, its exit status to $status.
environment=()
timeout=$(command -v timeout)
release() {
  local commands=$1
  shift
  "$timeout" 60 env -i PATH="$commands" HOME="$work" KESTRION_ROOTS="$roots" \
    KESTRION_MIRROR=http://mirror.invalid/debian "${environment[@]}" "$tree/scripts/debian-release" "$@" \
    >"$work/out" 2>&1
  status=$?
}
# Forgets what the last run wrote down.
forget() {
  rm -f "$work/holders" "$work/mounts" "$work/mounted" "$work/suites" "$work/suite-args" \
    "$work/debootstrap" "$work/apt-get" "$work/ninja-out" "$work/suite-started" "$work/suite-release"
  echo 0 >"$work/suite-mode"
}
# Nothing the script started held the lock, and nothing stayed mounted.
no_holder() {
  [ ! -s "$work/holders" ] || fail "$1: the lock is held by $(sort -u "$work/holders" | tr '\n' ' ')"
}
all_unmounted() {
  [ ! -s "$work/mounted" ] || fail "$1: still mounted: $(cat "$work/mounted")"
}
# Waits (at most 60 s) until the command given succeeds.
await() {
  local i
  for ((i = 0; i < 600; i++)); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

if [ "$namespaces" -eq 1 ]; then
  # No root yet: debootstrap makes it, and the ctest arguments and the suite's status come through.
  forget
  echo 3 >"$work/suite-mode"
  release "$bin" trixie -- -R Foo
  [ "$status" -eq 3 ] \
    || fail "a fresh root: the exit status is $status, not the suite's 3: $(cat "$work/out")"
  grep -q "trixie $root.new http://mirror.invalid/debian$" "$work/debootstrap" 2>/dev/null \
    || fail "a fresh root: debootstrap did not make it: $(cat "$work/debootstrap" 2>/dev/null)"
  [ "$(cat "$root/.kestrion-root" 2>/dev/null)" = trixie ] || fail "a fresh root: it is not marked as made"
  [ "$(tail -n 2 "$work/suite-args" 2>/dev/null | tr '\n' ' ')" = "-R Foo " ] \
    || fail "a fresh root: the suite did not get the ctest arguments: $(cat "$work/suite-args" 2>/dev/null)"
  grep -q "^-t proc proc $root/proc$" "$work/mounts" 2>/dev/null || fail "a fresh root: /proc is not mounted"
  [ ! -e "$root/src/kestrion/build/host-only" ] && [ ! -e "$root/src/kestrion/.git" ] \
    || fail "a fresh root: the tree's build folder or git's files were copied"
  no_holder "a fresh root"
  all_unmounted "a fresh root"

  # The root's last build: a.txt and b.txt three hours old, built one hour ago. Then the tree's
  # a.txt changes, with a time older than that build (a checkout of an older commit, another clone),
  # and its b.txt gets a newer time with the same contents; the root has a file the tree no longer has.
  now=$(date +%s)
  source="$root/src/kestrion"
  build="$source/build"
  mkdir -p "$build"
  printf 'rule copy\n  command = cp $in $out\n  description = BUILD $out\n' >"$build/build.ninja"
  printf 'build a.out: copy ../a.txt\nbuild b.out: copy ../b.txt\n' >>"$build/build.ninja"
  echo gone >"$source/d.txt"
  touch -d "@$((now - 10800))" "$source/a.txt" "$source/b.txt"
  if [ -n "$ninja" ]; then
    "$ninja" -C "$build" >/dev/null || fail "the root's first build failed"
    touch -d "@$((now - 3600))" "$build/a.out" "$build/b.out"
  fi
  touch -d "@$((now - 3600))" "$build/last-build"
  echo two >"$tree/a.txt"
  touch -d "@$((now - 7200))" "$tree/a.txt"
  touch -d "@$((now - 1800))" "$tree/b.txt"
  forget
  release "$bin"
  [ "$status" -eq 0 ] || fail "a change older than the build: the exit status is $status: $(cat "$work/out")"
  [ "$(cat "$source/a.txt")" = two ] || fail "a change older than the build: a.txt was not copied"
  [ "$source/a.txt" -nt "$build/last-build" ] \
    || fail "a change older than the build: the copied a.txt is not newer than the root's last build"
  [ "$(stat -c %Y "$source/b.txt")" -eq $((now - 10800)) ] \
    || fail "an unchanged file: b.txt did not keep its time in the root"
  [ ! -e "$source/d.txt" ] || fail "a file the tree no longer has stays in the root"
  if [ -n "$ninja" ]; then
    rebuilt=$(sed -n 's/^\[[0-9]*\/[0-9]*\] BUILD //p' "$work/ninja-out" 2>/dev/null | sort | tr '\n' ' ')
    [ "$rebuilt" = "a.out " ] || fail "a change older than the build: ninja rebuilt \"$rebuilt\", not a.out" \
      "alone: $(cat "$work/ninja-out" 2>/dev/null)"
    [ "$(cat "$build/a.out" 2>/dev/null)" = two ] \
      || fail "a change older than the build: a.out is not built from it"
  else
    echo "note: ninja is missing; the rebuild is checked by the files' times only" >&2
  fi
  no_holder "a change older than the build"
  all_unmounted "a change older than the build"
  rm -f "$build/build.ninja"

  # A run whose suite stays: nothing the script started holds the lock. The script is killed with -9
  # while its suite lives, and the next run gets the root at once.
  forget
  echo hold >"$work/suite-mode"
  release "$bin" 2>/dev/null &
  first=$!
  if ! await test -e "$work/suite-started"; then
    fail "a held suite: it did not start: $(cat "$work/out")"
  else
    read -r suite script_pid <"$work/suites"
    for fd in /proc/"$suite"/fd/*; do
      [ "$(readlink "$fd" 2>/dev/null)" != "$lock" ] \
        || fail "a held suite: its descriptor ${fd##*/} is the lock"
    done
    no_holder "a held suite"
    # The suite's parent is the script.
    if grep -qF "$tree/scripts/debian-release" "/proc/$script_pid/cmdline" 2>/dev/null; then
      kill -KILL "$script_pid"
    else
      fail "a held suite: its parent $script_pid is not the script"
    fi
    wait "$first"
    kill -0 "$suite" 2>/dev/null || fail "a held suite: it did not outlive its script"
    echo 0 >"$work/suite-mode"
    rm -f "$work/holders"
    release "$bin" --no-wait
    [ "$status" -eq 0 ] || fail "a run after a script killed with -9 while its suite lives: the exit" \
      "status is $status: $(cat "$work/out")"
    [ "$(wc -l <"$work/suites")" -eq 2 ] || fail "a run after a script killed with -9: its suite did not run"
    no_holder "a run after a script killed with -9"
  fi
  : >"$work/suite-release"
  wait "$first" 2>/dev/null
  for ((i = 0; i < 600; i++)); do
    kill -0 "${suite:-0}" 2>/dev/null || break
    sleep 0.1
  done

  # Another process holds the lock: --no-wait and KESTRION_RELEASE_WAIT=1 give up with status 75 and
  # say why; a run that waits goes on when the lock is let go.
  forget
  rm -f "$work/held" "$work/let-go"
  (
    exec 8>>"$lock"
    flock 8
    echo "$BASHPID" >"$lock"
    : >"$work/held"
    while [ ! -e "$work/let-go" ]; do sleep 0.1; done
  ) &
  holder=$!
  if ! await test -e "$work/held"; then
    fail "the lock could not be taken for the check"
  else
    release "$bin" --no-wait
    [ "$status" -eq 75 ] \
      || fail "--no-wait on a root in use: the exit status is $status, not 75: $(cat "$work/out")"
    grep -q "another run (process $holder) uses the trixie root.*not waiting" "$work/out" \
      || fail "--no-wait on a root in use: the message does not say so: $(cat "$work/out")"
    environment=(KESTRION_RELEASE_WAIT=1)
    release "$bin"
    [ "$status" -eq 75 ] \
      || fail "a wait of 1 s for a root in use: the exit status is $status, not 75: $(cat "$work/out")"
    grep -q 'waiting for it up to 1 s' "$work/out" && grep -q 'giving up' "$work/out" \
      || fail "a wait of 1 s for a root in use: the messages do not say so: $(cat "$work/out")"
    [ ! -e "$work/mounted" ] && [ ! -e "$work/suites" ] \
      || fail "a run that did not get the root mounted or ran something:" \
        "$(cat "$work/mounted" "$work/suites" 2>/dev/null)"
    environment=(KESTRION_RELEASE_WAIT=120)
    rm -f "$work/out"
    (
      release "$bin"
      exit "$status"
    ) &
    waiting=$!
    await grep -qs 'waiting for it' "$work/out"
    grep -q 'waiting for it up to 120 s' "$work/out" \
      || fail "a run that waits does not say so: $(cat "$work/out")"
    : >"$work/let-go"
    wait "$holder"
    holder=""
    wait "$waiting" || fail "a run that waited did not go on when the root was let go: $(cat "$work/out")"
    [ -s "$work/suites" ] || fail "a run that waited did not run the suite"
    environment=()
  fi
else
  echo "note: no mount namespace can be made here; only the refusals are checked" >&2
fi

# Without a namespace of its own the run stops and mounts nothing: unshare is missing; the caller set
# KESTRION_RELEASE_NAMESPACE; unshare runs the program in the caller's namespace.
mkdir -p "$root"
echo trixie >"$root/.kestrion-root"
refuses() {
  [ "$status" -ne 0 ] || fail "$1: the run did not stop"
  grep -q 'not in a mount namespace of its own\|cannot have a mount namespace of its own' "$work/out" \
    || fail "$1: the message does not say why: $(cat "$work/out")"
  [ ! -e "$work/mounts" ] || fail "$1: mounted: $(cat "$work/mounts")"
  [ ! -e "$work/suites" ] && [ ! -e "$work/apt-get" ] && [ ! -e "$work/debootstrap" ] \
    || fail "$1: something ran"
}
forget
rm -f "$work/bin-none/unshare"
release "$work/bin-none"
refuses "without unshare"
forget
environment=(KESTRION_RELEASE_NAMESPACE=1)
release "$bin"
refuses "with KESTRION_RELEASE_NAMESPACE set by the caller"
environment=()
forget
release "$work/bin-fake"
refuses "with an unshare that makes no namespace"

if [ "$failures" -gt 0 ]; then
  exit 1
fi
if [ "$namespaces" -eq 0 ]; then
  echo "debian-release script: the refusals passed; the rest needs a mount namespace (skipped)"
  exit 77
fi
echo "debian-release script: all checks passed"
