#!/usr/bin/env bash
# Tests the shell completions of tesvar: what they offer after a typed
# command line, and that they know every option that `tesvar --help` names.
#
# Usage: completion_test.sh bash|zsh COMPLETION_DIR TESVAR_BINARY
# Exits 77 (skipped) for zsh when zsh is not installed.
set -uo pipefail

shell=$1
dir=$(cd "$2" && pwd)
binary=$(cd "$(dirname "$3")" && pwd)/$(basename "$3")
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# Every command and option of the help, in the completion file.
check_options() {
  local file=$1 option command
  for command in $("$binary" --help | grep -oE '^  tesvar [a-z]+' |
                   awk '{print $2}' | sort -u); do
    grep -qE "(^|[ '(])$command([ :|)']|$)" "$file" ||
      fail "$file does not offer the command $command"
  done
  for option in $("$binary" --help | grep -oE '(^|[ [|(])--?[a-z][a-z-]*' |
                  grep -oE -- '--?[a-z][a-z-]*' | sort -u); do
    case $option in
      -h | -p | -d | -B | -m | -t | -i) continue ;;  # ignored pipe options
    esac
    grep -qF -- "$option" "$file" || fail "$file does not offer $option"
  done
}

# complete_bash LINE: what the bash completion offers at the end of LINE.
complete_bash() {
  local line=$1
  read -r -a COMP_WORDS <<<"$line"
  [[ $line == *' ' ]] && COMP_WORDS+=('')
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMPREPLY=()
  _tesvar
  printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ' | sed 's/ $//'
}

test_bash() {
  # shellcheck source=/dev/null
  source "$dir/tesvar.bash"
  local work
  work=$(mktemp -d)
  touch "$work/words.tsv" "$work/other.tsv"
  cd "$work" || exit 1
  local -a cases=(
    'tesvar pa|parse'
    'tesvar l|lexicon lsp'
    'tesvar lsp --|--help --lexicon --stdio'
    'tesvar lexicon |check find list show stats'
    'tesvar lexicon s|show stats'
    'tesvar parse --j|--jobs --json'
    'tesvar parse --color=n|never'
    'tesvar parse --lexicon w|words.tsv'
    'tesvar parse --jobs |1 16 2 4 8'
    'tesvar parse word |'
    'tesvar lexicon check --|--help --strict'
    'tesvar lexicon list --|--help --json'
    'tesvar lexicon list o|other.tsv'
    'tesvar lexicon show |'
    'tesvar lexicon show Dal:N w|words.tsv'
    'tesvar lexicon find --json Dal o|other.tsv'
    'tesvar -a --lex|--lexicon'
  )
  local entry line expected actual
  for entry in "${cases[@]}"; do
    line=${entry%%|*}
    expected=${entry#*|}
    actual=$(complete_bash "$line")
    [[ $actual == "$expected" ]] ||
      fail "bash: '$line' offers '$actual', not '$expected'"
  done
  rm -rf "$work"
  check_options "$dir/tesvar.bash"
}

# complete_zsh LINE EXPECTED: true when zsh, after LINE and a tab, shows
# EXPECTED (a completion inserted or listed).
complete_zsh() {
  zsh -f -c '
    zmodload zsh/zpty
    zpty z zsh -f -i
    zpty -w z "PS1=\"> \"; fpath=($1 \$fpath); path=(${2:h} \$path)"
    zpty -w z "autoload -Uz compinit; compinit -u -D; print READY"
    zpty -r z line "*READY*"
    zpty -w -n z "$3"$'"'"'\t'"'"'
    out=
    for i in {1..200}; do
      while zpty -r -t z chunk; do out+=$chunk; done
      [[ $out == *"$4"* ]] && break
      sleep 0.1
    done
    zpty -d z
    [[ $out == *"$4"* ]]
  ' zsh "$dir" "$binary" "$1" "$2"
}

test_zsh() {
  command -v zsh >/dev/null || { echo "zsh is not installed"; exit 77; }
  local -a cases=(
    'tesvar lexicon |find   -- print the entries whose headword starts a word'
    'tesvar parse --js|--json'
    'tesvar parse --color=al|--color=always'
    'tesvar lexicon st|tesvar lexicon stats'
    'tesvar pipe --enc|tesvar pipe --encoding'
  )
  local entry
  for entry in "${cases[@]}"; do
    complete_zsh "${entry%%|*}" "${entry#*|}" ||
      fail "zsh: '${entry%%|*}' does not offer '${entry#*|}'"
  done
  check_options "$dir/_tesvar"
}

case $shell in
  bash) test_bash ;;
  zsh) test_zsh ;;
  *) echo "usage: $0 bash|zsh COMPLETION_DIR TESVAR_BINARY" >&2; exit 2 ;;
esac
if ((failures > 0)); then
  echo "$failures failures" >&2
  exit 1
fi
echo "$shell completion: all cases pass"
