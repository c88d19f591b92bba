#!/usr/bin/env bash
# Stages the install of a build under a temporary DESTDIR and checks the
# tree it makes: exactly the files of the table below, programs that run,
# a menu entry the desktop accepts and an icon that is an SVG picture.
# Usage: install_test.sh CMAKE BUILD_DIR LIBDIR windows|no-windows
set -euo pipefail
cmake=$1 build=$2 libdir=$3 windows=$4

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR="$stage" "$cmake" --install "$build" --prefix /usr >"$stage/install.log" 2>&1 ||
  { cat "$stage/install.log"; exit 1; }
root=$stage/usr
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# path under the prefix                             kind  only with the windows
table="
bin/VORNscript                                      exe   windows
bin/vorncheck                                       exe
bin/vornmap                                         exe
bin/vornaudit                                       exe
bin/pequenia-local                                  exe
$libdir/vornscript/libvorn_browser.so               lib   windows
share/applications/vornscript.desktop               file  windows
share/icons/hicolor/scalable/apps/vornscript.svg    file  windows
"
expected=()
while read -r path kind only; do
  [ -z "$path" ] && continue
  [ "$only" = windows ] && [ "$windows" != windows ] && continue
  expected+=("$path")
  if [ "$kind" = exe ] && [ ! -x "$root/$path" ]; then fail "$path is not executable"; fi
  if [ "$kind" != file ] && [ -f "$root/$path" ] &&
    readelf -d "$root/$path" | grep -qE '\((RPATH|RUNPATH)\)'; then
    fail "$path keeps an RPATH: $(readelf -d "$root/$path" | grep -E 'RPATH|RUNPATH')"
  fi
done <<<"$table"

# Nothing missing, nothing more (no test, benchmark or harness).
if ! diff <(printf '%s\n' "${expected[@]}" | sort) \
  <(cd "$root" && find . ! -type d | sed 's|^\./||' | sort) >"$stage/diff"; then
  fail "the installed files differ from the table (< missing, > extra):"
  cat "$stage/diff"
fi

if [ "$windows" = windows ]; then
  entry=$root/share/applications/vornscript.desktop
  report=$(desktop-file-validate "$entry" 2>&1) || true
  [ -z "$report" ] || fail "desktop-file-validate: $report"
  exec_line=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
  [ -n "$exec_line" ] && [ -f "$root/bin/$exec_line" ] && [ -x "$root/bin/$exec_line" ] ||
    fail "Exec=$exec_line is not an installed program"
  icon=$(sed -n 's/^Icon=//p' "$entry")
  [ -n "$icon" ] && [ -f "$root/share/icons/hicolor/scalable/apps/$icon.svg" ] ||
    fail "Icon=$icon is not installed"

  svg=$root/share/icons/hicolor/scalable/apps/vornscript.svg
  root_name=$(xmllint --xpath 'concat(namespace-uri(/*), " ", local-name(/*))' "$svg" 2>&1) ||
    fail "the icon does not parse: $root_name"
  [ "$root_name" = "http://www.w3.org/2000/svg svg" ] || fail "the icon's root is $root_name"
fi

help=$("$root/bin/vorncheck" --help 2>&1) || fail "the installed vorncheck --help: $help"
[[ $help == "Usage: vorncheck "* ]] || fail "the installed vorncheck --help says: $help"

[ "$failures" -eq 0 ] || exit 1
echo "installed tree as expected (${#expected[@]} files)"
