#!/usr/bin/env bash
# Completes command lines of vorncheck, vornmap and vornaudit as bash does:
# the completion file is sourced, the function `complete -p` names for the
# tool is called with COMP_WORDS and COMP_CWORD set, and COMPREPLY is
# compared with what is expected. The options offered after "--" must be
# exactly those the tool's --help names (and --help).
# Usage: completion_test.sh COMPLETION_FILE VORNCHECK VORNMAP VORNAUDIT
set -euo pipefail
source "$1"
declare -A program=([vorncheck]=$2 [vornmap]=$3 [vornaudit]=$4)
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# complete WORD... : COMPREPLY for the last word, sorted, one per line.
complete_line() {
  local registered function
  registered=$(complete -p "$1") || { echo "no completion for $1"; return; }
  function=$(sed -n 's/.* -F \([^ ]*\) .*/\1/p' <<<"$registered")
  COMP_WORDS=("$@")
  COMP_CWORD=$(($# - 1))
  COMP_LINE="$*"
  COMP_POINT=${#COMP_LINE}
  COMPREPLY=()
  "$function" "$1" "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
  ((${#COMPREPLY[@]} == 0)) || printf '%s\n' "${COMPREPLY[@]}" | sort
}
expect() {
  local want=$1
  shift
  local got
  got=$(complete_line "$@")
  [ "$got" = "$want" ] || fail "'$*' completes to [${got//$'\n'/ }], not [${want//$'\n'/ }]"
}

for tool in vorncheck vornmap vornaudit; do
  options=$({ "${program[$tool]}" --help; echo --help; } | grep -oE -- '--[a-z][a-z0-9-]*' | sort -u)
  # vornaudit's usage names vornmap's --audit, which is not its own.
  [ "$tool" = vornaudit ] && options=$(grep -vx -- --audit <<<"$options")
  expect "$options" "$tool" --
done
expect "--phrase
--phrase-ht
--phrase-px
--phrase-py
--phrase-wd" vornmap --ph

# Names in a folder of our own: files where a file is expected, folders
# only where a folder is.
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
mkdir "$dir/mapas" "$dir/export"
touch "$dir/mapa.txt" "$dir/masmorra.scp" "$dir/nomes.txt" "$dir/--estranho"
expect "$dir/mapa.txt
$dir/mapas" vornmap "$dir/map"
expect "$dir/mapa.txt
$dir/mapas" vornmap --audit "$dir/map"
expect "$dir/nomes.txt" vornmap --scripts "$dir/no"
expect "$dir/nomes.txt" vornmap --scripts = "$dir/no"
expect "$dir/masmorra.scp" vorncheck --format gcc "$dir/mas"
expect "$dir/nomes.txt" vorncheck --scripts "$dir/n"
expect "$dir/export
$dir/mapas" vornaudit "$dir/"
expect "$dir/export" vornaudit --first entrada "$dir/e"

# The words an option takes; nothing for a number or a free text.
expect "annotated
gcc" vorncheck --format ""
expect "gcc" vorncheck --format = g
expect "utf-8" vorncheck --encoding u
expect "" vorncheck --width ""
expect "" vornmap --prefix ""
expect "" vornaudit --first ""

# After "--" a word starting with "-" is a file name.
cd "$dir"
expect "--estranho" vornmap -- --es

[ "$failures" -eq 0 ] || exit 1
echo "completions as expected"
