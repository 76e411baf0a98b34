#!/usr/bin/env bash
# Checks scripts/setup against stand-ins for the package tools, so that nothing is installed:
# - every package name it asks about is a real Debian package of this machine's release;
# - on a machine that has everything, it installs nothing;
# - the names that differ between releases follow the clang installed (or offered) and what the
#   archive offers;
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
# Nothing else is on the PATH, so no sudo (and no apt-cache) is found unless one is put there.
make_bin() {
  local bin="$1"
  mkdir -p "$bin"
  for tool in bash sh env grep sed cat head; do
    ln -s "$(command -v "$tool")" "$bin/$tool"
  done
  # A user, not root.
  printf '#!/bin/sh\n[ "$1" = -u ] && echo 1000 || echo "uid=1000(user)"\n' >"$bin/id"
  # Every locale the tests use is there.
  printf '#!/bin/sh\nprintf "C\\nC.utf8\\nPOSIX\\nde_DE.utf8\\nen_US.utf8\\n"\n' >"$bin/locale"
  # Installed, but for the names in $work/absent; every name asked about goes to $work/asked. The
  # installed version is that of $work/versions ("name version" lines); a name not there has none.
  cat >"$bin/dpkg-query" <<EOF
#!/bin/sh
for last; do :; done
echo "\$last" >>"$work/asked"
case "\$*" in
  *Version*)
    version=\$(sed -n "s/^\$last //p" "$work/versions" 2>/dev/null)
    [ -n "\$version" ] || exit 1
    printf '%s' "\$version"
    exit 0 ;;
esac
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

# An archive that offers the names of $work/offered ("name version" lines) and nothing else.
offering_archive() {
  cat >"$1/apt-cache" <<EOF
#!/bin/sh
[ "\$1" = policy ] || exit 1
shift
for name; do
  version=\$(sed -n "s/^\$name //p" "$work/offered")
  [ -n "\$version" ] || continue
  printf '%s:\n  Installed: (none)\n  Candidate: %s\n' "\$name" "\$version"
done
EOF
  chmod +x "$1/apt-cache"
}

# Whether this machine's apt knows an archive; the names asked about are then checked against it.
real_archive=0
if command -v apt-cache >/dev/null 2>&1 \
    && grep -q 'Candidate: [0-9]' <<<"$(apt-cache policy dpkg 2>/dev/null)"; then
  real_archive=1
fi

# Everything present: nothing runs as root, even where sudo is at hand. The clang is the one this
# machine has or its archive offers, and apt answers for this machine's archive.
make_bin "$work/all"
printf '#!/bin/sh\necho "$*" >>"%s/root-commands"\n' "$work" >"$work/all/sudo"
chmod +x "$work/all/sudo"
if [ "$real_archive" -eq 1 ]; then
  ln -s "$(command -v apt-cache)" "$work/all/apt-cache"
  clang_version=$(dpkg-query -W -f='${Version}' clang 2>/dev/null || true)
  [ -n "$clang_version" ] \
    || clang_version=$(apt-cache policy clang 2>/dev/null | sed -n 's/^ *Candidate: *//p' | head -n 1)
else
  clang_version=1:14.0-55.7~deb12u1
fi
echo "clang $clang_version" >"$work/versions"
: >"$work/absent"
rm -f "$work/asked" "$work/root-commands"
for run in first second; do
  if ! PATH="$work/all" "$setup" >"$work/out" 2>&1; then
    fail "$run run with everything present failed: $(cat "$work/out")"
  fi
done
[ ! -s "$work/root-commands" ] || fail "a run with everything present ran as root: $(cat "$work/root-commands")"

# Every name asked about is a package the archive has.
if [ "$real_archive" -eq 1 ]; then
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

# Runs the script as a user without sudo; its output goes to $work/out.
run_as_user() {
  rm -f "$work/root-commands"
  PATH="$work/user" "$setup" >"$work/out" 2>&1
  status=$?
  [ "$status" -eq 1 ] || fail "without root and sudo the exit status is $status, not 1: $(cat "$work/out")"
  if grep -qiE 'command not found|line [0-9]+:|unbound variable' "$work/out"; then
    fail "a shell error: $(cat "$work/out")"
  fi
  [ ! -s "$work/root-commands" ] || fail "something ran without root: $(cat "$work/root-commands")"
}
make_bin "$work/user"
offering_archive "$work/user"

# Debian 12: clang 14 installed, and the archive offers Qt's OpenGL development package.
printf 'libclang-rt-14-dev\nlibqt6opengl6-dev\nqt6-svg-dev\n' >"$work/absent"
echo "clang 1:14.0-55.7~deb12u1" >"$work/versions"
printf 'clang 1:14.0-55.7~deb12u1\nlibqt6opengl6-dev 6.4.2+dfsg-10\n' >"$work/offered"
run_as_user
grep -q 'qt6-svg-dev' "$work/out" && grep -q 'libclang-rt-14-dev' "$work/out" \
  || fail "the missing packages are not named: $(cat "$work/out")"
grep -q 'apt-get install -y --no-install-recommends libclang-rt-14-dev libqt6opengl6-dev qt6-svg-dev$' "$work/out" \
  || fail "the command that installs them is not given: $(cat "$work/out")"

# Debian 13 without clang yet: the runtime is that of the clang the archive offers, and no OpenGL
# package of its own is asked for.
printf 'clang\nlibclang-rt-19-dev\nqt6-svg-dev\n' >"$work/absent"
: >"$work/versions"
printf 'clang 1:19.0-63\n' >"$work/offered"
run_as_user
grep -q 'apt-get install -y --no-install-recommends clang libclang-rt-19-dev qt6-svg-dev$' "$work/out" \
  || fail "the command for the offered clang 19 is not given: $(cat "$work/out")"

# Nothing tells which clang: no runtime is guessed, and the script says what to do.
: >"$work/absent"
: >"$work/offered"
run_as_user
if grep -q 'libclang-rt' "$work/out"; then
  fail "with no clang known a runtime is guessed: $(cat "$work/out")"
fi
grep -q 'apt-get update' "$work/out" || fail "with no clang known nothing says what to do: $(cat "$work/out")"

# The same where sudo is at hand: the package lists are fetched once as root, and with still no clang
# known nothing is guessed either.
printf '#!/bin/sh\n"$@"\n' >"$work/user/sudo"
chmod +x "$work/user/sudo"
rm -f "$work/root-commands"
PATH="$work/user" "$setup" >"$work/out" 2>&1
status=$?
[ "$status" -eq 1 ] || fail "with sudo and no clang known the exit status is $status, not 1: $(cat "$work/out")"
[ "$(cat "$work/root-commands" 2>/dev/null)" = update ] \
  || fail "the package lists are not fetched once as root: $(cat "$work/root-commands" 2>/dev/null)"
grep -q 'libclang-rt' "$work/out" && fail "with no clang known after the update a runtime is guessed: $(cat "$work/out")"
rm -f "$work/user/sudo"

if [ "$failures" -gt 0 ]; then
  exit 1
fi
echo "setup script: all checks passed"
