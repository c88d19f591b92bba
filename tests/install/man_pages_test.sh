#!/usr/bin/env bash
# Checks the manual pages a build makes against the programs: every option
# a tool's --help names is in its page and the page names no other, each
# page has the sections an author looks for, and man reads it without a
# warning.
# Usage: man_pages_test.sh MAN_DIR [TOOL_PROGRAM...]; pages without a
# program (VORNscript takes no options) are checked for sections only.
set -euo pipefail
man_dir=$1
shift
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# The page as text, wide enough that no option is broken across lines, in
# ASCII so a hyphen stays "-".
render() { LC_ALL=C MANWIDTH=1000 man --warnings -l "$1"; }
options() { grep -oE -- '--[a-z][a-z0-9-]*' | sed 's/-*$//' | sort -u; }

pages=("$man_dir"/*.1.gz)
[ -e "${pages[0]}" ] || { echo "FAIL: no manual page in $man_dir"; exit 1; }
for page in "${pages[@]}"; do
  name=$(basename "$page" .1.gz)
  text=$(render "$page" 2>"$man_dir/.warnings") || fail "man cannot read $page"
  [ ! -s "$man_dir/.warnings" ] || fail "$name(1): $(cat "$man_dir/.warnings")"
  rm -f "$man_dir/.warnings"
  for section in NAME SYNOPSIS DESCRIPTION "EXIT STATUS" FILES EXAMPLES; do
    grep -qx "$section" <<<"$text" || fail "$name(1) has no section $section"
  done
  grep -qE "^ +$name - " <<<"$text" || fail "$name(1) does not name $name"
done

checked=0
for program in "$@"; do
  name=$(basename "$program")
  page=$man_dir/$name.1.gz
  [ -f "$page" ] || { fail "$name has no manual page"; continue; }
  help=$("$program" --help) || fail "$name --help failed"
  # --help itself is an option the usage need not list.
  if ! diff <(printf '%s\n--help\n' "$help" | options) <(render "$page" | options) \
    >"$man_dir/.diff"; then
    fail "the options of $name --help (<) and of $name(1) (>) differ:"
    cat "$man_dir/.diff"
  fi
  rm -f "$man_dir/.diff"
  # Each exit status --help gives has its entry in the page.
  statuses=$(sed -n '/^Exit status:/,$p' <<<"$help" | { grep -oE '\b[0-9]\b' || true; } | sort -u)
  exit_section=$(render "$page" | sed -n '/^EXIT STATUS$/,/^[A-Z]/p')
  for status in $statuses; do
    grep -qE "^ +$status$" <<<"$exit_section" || fail "$name(1) does not explain exit status $status"
  done
  checked=$((checked + 1))
done

[ "$failures" -eq 0 ] || exit 1
echo "${#pages[@]} manual pages read, $checked against their program's --help"
