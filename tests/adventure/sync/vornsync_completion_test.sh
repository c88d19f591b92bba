#!/usr/bin/env bash
# vornsync's completion as bash calls it: the commands first, then after
# "--" exactly the options its --help names, and the words of --encoding.
# Usage: vornsync_completion_test.sh COMPLETION_FILE VORNSYNC
set -euo pipefail
source "$1"
failures=0
expect() {
  local want=$1
  shift
  COMP_WORDS=("$@")
  COMP_CWORD=$(($# - 1))
  COMPREPLY=()
  _vornsync
  local got
  got=$( ((${#COMPREPLY[@]} == 0)) || printf '%s\n' "${COMPREPLY[@]}" | sort)
  [ "$got" = "$want" ] || { echo "FAIL: '$*' completes to [${got//$'\n'/ }]"; failures=$((failures + 1)); }
}
expect "$(printf '%s\n' diff pull push status)" vornsync ""
expect "$(printf '%s\n' pull push)" vornsync --login demo p
expect "$({ "$2" --help; echo --help; } | grep -oE -- '--[a-z][a-z0-9-]*' | sort -u)" vornsync push --
expect "utf-8" vornsync pull --encoding u
[ "$failures" -eq 0 ] || exit 1
echo "completions as expected"
