#!/usr/bin/env bash
# Installs the build tree into a temporary prefix and checks what desktops and the program look for
# there: the program, every module's bundle, the desktop entry, the AppStream metainfo with this
# release, and the application icon at the icon theme's sizes. The desktop entry and the metainfo go
# through desktop-file-validate and appstreamcli where those are installed. Last, the installed
# program starts offscreen on a private session bus, finds its bundles and answers a second start.
#
#     check-install.sh <cmake> <build folder> <version>
set -uo pipefail

script=$(readlink -f "$0")
app_id=com.brannock.kestrion
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# The start of the installed program, run inside its own session bus (see below).
if [ "${1:-}" = "--start" ]; then
  prefix=$2
  work=$3
  log="$work/kestrion.log"
  "$prefix/bin/kestrion" >"$log" 2>&1 &
  first=$!
  owned=""
  for _ in $(seq 1 600); do
    if ! kill -0 "$first" 2>/dev/null; then
      break
    fi
    if dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
         org.freedesktop.DBus.NameHasOwner "string:$app_id" 2>/dev/null | grep -q "boolean true"; then
      owned=yes
      break
    fi
    sleep 0.1
  done
  status=0
  if [ -z "$owned" ]; then
    echo "FAIL: the installed program did not take its bus name" >&2
    status=1
  else
    # A second start asks the first to show its window and ends at once: the first is up and serving.
    if ! timeout 60 "$prefix/bin/kestrion" >>"$work/second.log" 2>&1; then
      echo "FAIL: a second start was not answered by the running program" >&2
      cat "$work/second.log" >&2
      status=1
    fi
    if ! kill -0 "$first" 2>/dev/null; then
      echo "FAIL: the installed program ended" >&2
      status=1
    fi
  fi
  kill "$first" 2>/dev/null
  wait "$first" 2>/dev/null
  if grep -q "unable to find bundle" "$log"; then
    echo "FAIL: the installed program misses bundles:" >&2
    grep "unable to find bundle" "$log" >&2
    status=1
  fi
  [ "$status" -eq 0 ] || cat "$log" >&2
  exit "$status"
fi

cmake=$1
build=$2
version=$3
work=$(mktemp -d "${TMPDIR:-/tmp}/kestrion-install-XXXXXX")
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"

if ! "$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
  cat "$work/install.log" >&2
  echo "FAIL: cmake --install" >&2
  exit 1
fi

# The program and every bundle of the build tree, file for file.
[ -x "$prefix/bin/kestrion" ] || fail "bin/kestrion is missing"
bundles=0
for bundle in "$build"/share/kestrion/*_*.bundle; do
  [ -d "$bundle" ] || continue
  bundles=$((bundles + 1))
  name=$(basename "$bundle")
  while IFS= read -r file; do
    [ -f "$prefix/share/kestrion/$name/$file" ] || fail "share/kestrion/$name/$file is missing"
  done < <(cd "$bundle" && find . -type f | sed 's|^\./||')
done
[ "$bundles" -ge 4 ] || fail "only $bundles bundles in the build tree"
for module in BaseKit LanguageKit ViewKit Kestrion; do
  ls "$prefix/share/kestrion/${module}_${module}.bundle/translations/"*.qm >/dev/null 2>&1 ||
    fail "no translations in share/kestrion/${module}_${module}.bundle"
done

# The desktop entry: found by its id, starting the installed program with the installed icon.
desktop="$prefix/share/applications/$app_id.desktop"
if [ -f "$desktop" ]; then
  exec_line=$(sed -n 's/^Exec=//p' "$desktop" | head -n1)
  [ -x "$prefix/bin/${exec_line%% *}" ] || fail "the desktop entry starts '$exec_line', which is not installed"
  icon=$(sed -n 's/^Icon=//p' "$desktop" | head -n1)
  [ "$icon" = "$app_id" ] || fail "the desktop entry's icon is '$icon'"
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop" || fail "desktop-file-validate"
  else
    echo "desktop-file-validate is not installed: the desktop entry is not validated"
  fi
else
  fail "share/applications/$app_id.desktop is missing"
fi

# The metainfo: this release's version, launching the desktop entry above.
metainfo="$prefix/share/metainfo/$app_id.metainfo.xml"
if [ -f "$metainfo" ]; then
  grep -q "<id>$app_id</id>" "$metainfo" || fail "the metainfo's id is not $app_id"
  grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo has no release $version"
  grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $app_id.desktop"
  if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
  else
    echo "appstreamcli is not installed: the metainfo is not validated"
  fi
else
  fail "share/metainfo/$app_id.metainfo.xml is missing"
fi

# The icon: a PNG of the folder's size in each size folder, 48 by 48 at least (the theme's minimum).
png_size() { # width and height from the PNG header
  od -An -tu1 -j16 -N8 "$1" | awk '{ print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }'
}
icons=0
for icon_file in "$prefix"/share/icons/hicolor/*/apps/"$app_id".png; do
  [ -f "$icon_file" ] || continue
  icons=$((icons + 1))
  folder=$(basename "$(dirname "$(dirname "$icon_file")")")
  size=${folder%%x*}
  [[ "$folder" == *@2 ]] && size=$((size * 2))
  [ "$(head -c 8 "$icon_file" | od -An -tx1 | tr -d ' \n')" = "89504e470d0a1a0a" ] || fail "$folder: not a PNG"
  [ "$(png_size "$icon_file")" = "$size $size" ] || fail "$folder: the icon is $(png_size "$icon_file") pixels"
done
[ -f "$prefix/share/icons/hicolor/48x48/apps/$app_id.png" ] || fail "no 48x48 icon"
[ "$icons" -ge 7 ] || fail "only $icons icon sizes"

# The installed program starts, offscreen, from a folder that is not its own, with a home of its own.
if command -v dbus-run-session >/dev/null && command -v dbus-send >/dev/null; then
  mkdir -p "$work/home/config" "$work/home/data" "$work/home/cache" "$work/home/state" "$work/runtime"
  chmod 0700 "$work/runtime"
  (
    cd /
    export HOME="$work/home" XDG_CONFIG_HOME="$work/home/config" XDG_DATA_HOME="$work/home/data"
    export XDG_CACHE_HOME="$work/home/cache" XDG_STATE_HOME="$work/home/state" XDG_RUNTIME_DIR="$work/runtime"
    export QT_QPA_PLATFORM=offscreen
    exec dbus-run-session -- "$script" --start "$prefix" "$work"
  ) || fail "the installed program did not start"
else
  echo "dbus-run-session is not installed: the installed program is not started"
fi

if [ "$failures" -gt 0 ]; then
  echo "$failures failures" >&2
  exit 1
fi
echo "installed layout complete"
