#!/usr/bin/env bash
# Checks scripts/setup against stand-ins for the package tools, so that nothing is installed:
# - every package name it asks about is a real Debian package;
# - on a machine that has everything, it installs nothing;
# - without root and without sudo it names what is missing and the command that installs it, and
#   fails without a shell error.
set -uo pipefail

setup="$(cd "$(dirname "$0")/../.." && pwd)/scripts/setup"
work=$(mktemp -d "${TMPDIR:-/tmp}/kestrion-setup-test-XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# A folder of commands: stand-ins written here, and links to the real tools the script may use.
# Nothing else is on the PATH, so no sudo is found unless a stand-in is written for it.
make_bin() {
  local bin="$1"
  mkdir -p "$bin"
  for tool in bash sh env grep sed cat; do
    ln -s "$(command -v "$tool")" "$bin/$tool"
  done
  # A user, not root.
  printf '#!/bin/sh\n[ "$1" = -u ] && echo 1000 || echo "uid=1000(user)"\n' >"$bin/id"
  # Every locale the tests use is there.
  printf '#!/bin/sh\nprintf "C\\nC.utf8\\nPOSIX\\nde_DE.utf8\\nen_US.utf8\\n"\n' >"$bin/locale"
  # Installed, but for the names in $work/absent; every name asked about goes to $work/asked.
  cat >"$bin/dpkg-query" <<EOF
#!/bin/sh
for last; do :; done
echo "\$last" >>"$work/asked"
if grep -qx -- "\$last" "$work/absent" 2>/dev/null; then
  echo "dpkg-query: no packages found matching \$last" >&2
  exit 1
fi
printf 'install ok installed'
EOF
  # Anything run as root is only written down.
  printf '#!/bin/sh\necho "$*" >>"%s/root-commands"\n' "$work" >"$bin/apt-get"
  chmod +x "$bin"/id "$bin"/locale "$bin"/dpkg-query "$bin"/apt-get
}

# Everything present: nothing runs as root, even where sudo is at hand.
make_bin "$work/all"
printf '#!/bin/sh\necho "$*" >>"%s/root-commands"\n' "$work" >"$work/all/sudo"
chmod +x "$work/all/sudo"
: >"$work/absent"
rm -f "$work/asked" "$work/root-commands"
for run in first second; do
  if ! PATH="$work/all" "$setup" >"$work/out" 2>&1; then
    fail "$run run with everything present failed: $(cat "$work/out")"
  fi
done
[ ! -s "$work/root-commands" ] || fail "a run with everything present ran as root: $(cat "$work/root-commands")"

# Every name asked about is a package the archive has. Checked where apt knows the archive.
if command -v apt-cache >/dev/null 2>&1 \
    && grep -q 'Candidate: [0-9]' <<<"$(apt-cache policy dpkg 2>/dev/null)"; then
  # One query for all names: each block opens with the name, followed by its candidate.
  mapfile -t names < <(sort -u "$work/asked")
  policy=$(apt-cache policy "${names[@]}" 2>/dev/null)
  for name in "${names[@]}"; do
    candidate=$(awk -v want="$name:" '$0 == want { found = 1; next } /^[^ ]/ { found = 0 }
                                       found && $1 == "Candidate:" { print $2; exit }' <<<"$policy")
    if [ -z "$candidate" ] || [ "$candidate" = "(none)" ]; then
      fail "\"$name\" is no Debian package"
    fi
  done
else
  echo "note: apt knows no archive here; package names not checked" >&2
fi

# A user without sudo and two packages missing.
make_bin "$work/user"
printf 'qt6-svg-dev\nlibplist-dev\n' >"$work/absent"
rm -f "$work/root-commands"
PATH="$work/user" "$setup" >"$work/out" 2>&1
status=$?
[ "$status" -eq 1 ] || fail "without root and sudo the exit status is $status, not 1: $(cat "$work/out")"
grep -q 'qt6-svg-dev' "$work/out" && grep -q 'libplist-dev' "$work/out" \
  || fail "the missing packages are not named: $(cat "$work/out")"
grep -q 'apt-get install -y --no-install-recommends qt6-svg-dev libplist-dev' "$work/out" \
  || fail "the command that installs them is not given: $(cat "$work/out")"
if grep -qiE 'command not found|line [0-9]+:|unbound variable' "$work/out"; then
  fail "a shell error: $(cat "$work/out")"
fi
[ ! -s "$work/root-commands" ] || fail "something ran without root: $(cat "$work/root-commands")"

if [ "$failures" -gt 0 ]; then
  exit 1
fi
echo "setup script: all checks passed"
