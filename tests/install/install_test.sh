#!/usr/bin/env bash
# Stages the install of a build under a temporary DESTDIR and checks the
# tree it makes: exactly the files of the table below, programs that run,
# a menu entry the desktop accepts, an icon that is an SVG picture, manual
# pages man reads without a warning, one completion file per tool and an
# AppStream file that validates and launches the installed menu entry.
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
bin/vornsync                                        exe
bin/pequenia-local                                  exe
$libdir/vornscript/libvorn_browser.so               lib   windows
share/applications/vornscript.desktop               file  windows
share/icons/hicolor/scalable/apps/vornscript.svg    file  windows
share/metainfo/io.github.vornscript.vornscript.metainfo.xml  file  windows
share/man/man1/VORNscript.1.gz                      man   windows
share/man/man1/vorncheck.1.gz                       man
share/man/man1/vornmap.1.gz                         man
share/man/man1/vornaudit.1.gz                       man
share/man/man1/vornsync.1.gz                        man
share/man/man1/pequenia-local.1.gz                  man
share/bash-completion/completions/vorncheck         file
share/bash-completion/completions/vornmap           file
share/bash-completion/completions/vornaudit         file
share/bash-completion/completions/vornsync          file
"
expected=()
while read -r path kind only; do
  [ -z "$path" ] && continue
  [ "$only" = windows ] && [ "$windows" != windows ] && continue
  expected+=("$path")
  if [ "$kind" = exe ] && [ ! -x "$root/$path" ]; then fail "$path is not executable"; fi
  if [ "$kind" = man ] && [ -f "$root/$path" ]; then
    # man renders the page; any warning of groff is on standard error.
    # Its name line must be the program's.
    page=$(MANWIDTH=80 man --warnings -l "$root/$path" 2>"$stage/man.err") ||
      fail "man cannot read $path"
    [ ! -s "$stage/man.err" ] || fail "man warns on $path: $(cat "$stage/man.err")"
    name=$(basename "$path" .1.gz)
    grep -qE "^ +$name - " <<<"$page" || fail "$path does not name $name"
  fi
  if [[ $kind == exe || $kind == lib ]] && [ -f "$root/$path" ] &&
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

  metainfo=$root/share/metainfo/io.github.vornscript.vornscript.metainfo.xml
  # validate-tree also follows the launchable to the installed menu entry.
  report=$(appstreamcli validate-tree --no-net --no-color "$stage" 2>&1) ||
    fail "appstreamcli validate-tree: $report"
  launch=$(xmllint --xpath 'string(/component/launchable[@type="desktop-id"])' "$metainfo")
  [ "$launch" = vornscript.desktop ] && [ -f "$root/share/applications/$launch" ] ||
    fail "the metainfo launches \"$launch\", not the installed menu entry"
  for binary in $(xmllint --xpath '/component/provides/binary/text()' "$metainfo"); do
    [ -x "$root/bin/$binary" ] || fail "the metainfo provides $binary, which is not installed"
  done
fi

# One completion file serves the three tools: the copies are the same and
# each registers the tool it is named after.
completions=$root/share/bash-completion/completions
for tool in vorncheck vornmap vornaudit vornsync; do
  cmp -s "$completions/vorncheck" "$completions/$tool" || fail "the completion of $tool differs"
  registered=$(bash -c 'source "$1" && complete -p "$2"' sh "$completions/$tool" "$tool" 2>&1) ||
    fail "$completions/$tool does not register $tool: $registered"
done

help=$("$root/bin/vorncheck" --help 2>&1) || fail "the installed vorncheck --help: $help"
[[ $help == "Usage: vorncheck "* ]] || fail "the installed vorncheck --help says: $help"

[ "$failures" -eq 0 ] || exit 1
echo "installed tree as expected (${#expected[@]} files)"
