#!/usr/bin/env bash
# Tab completion of vela-upagrahas-cli as bash-completion runs it: flags, zone rows and file names.
# Usage: check_completion.sh <completion file> <folder holding vela-upagrahas-cli>
set -u
framework=/usr/share/bash-completion/bash_completion
if [ ! -r "$framework" ]; then
  echo "bash-completion is not installed (scripts/install-deps.sh installs it)"
  exit 77
fi
# shellcheck disable=SC1090
source "$framework"
source "$1"
PATH="$(cd "$2" && pwd):$PATH"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
touch asha.ved readings.csv notes.txt
mkdir saved

failures=0
# expect "<completions, sorted>" <words of the command line, the last one being completed>
expect() {
  local wanted=$1
  shift
  COMP_WORDS=("$@")
  COMP_CWORD=$(($# - 1))
  COMP_LINE="$*"
  COMP_POINT=${#COMP_LINE}
  COMPREPLY=()
  _vela_upagrahas_cli vela-upagrahas-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
  local got
  got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | xargs)
  if [ "$got" != "$wanted" ]; then
    echo "FAIL: [$*] completed to \"$got\", expected \"$wanted\""
    failures=$((failures + 1))
  fi
}

expect "--zone --zones" vela-upagrahas-cli --zo
expect "--profile --profiles" vela-upagrahas-cli --pro
expect "--json" vela-upagrahas-cli --name Asha --js
expect "--working" vela-upagrahas-cli asha.ved --wo
expect "7 70 71 72 73 74 75 76 77 78 79" vela-upagrahas-cli --zone 7
expect "8 80" vela-upagrahas-cli --zone 8
expect "" vela-upagrahas-cli --zone 81
expect "gulika-start" vela-upagrahas-cli asha.ved --profile g
expect "all-at-start gulika-start kerala original precise seven-lords" vela-upagrahas-cli --profile ""
expect "maandi=end maandi=ghatis maandi=middle maandi=start" vela-upagrahas-cli asha.ved --convention maandi=
expect "asha.ved saved" vela-upagrahas-cli ""
expect "asha.ved saved" vela-upagrahas-cli --json --save ""
expect "- readings.csv saved" vela-upagrahas-cli --batch ""
expect "" vela-upagrahas-cli --city ""

if [ "$failures" -ne 0 ]; then exit 1; fi
echo "completion: all cases passed"
