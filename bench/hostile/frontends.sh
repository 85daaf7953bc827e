#!/usr/bin/env bash
# The costliest words found by tesvar_hostile_words, measured through every
# front end as whole processes: the C++ library (tesvar_hostile_words
# itself), the C interface (tesvar_hostile_c), the command line (tesvar
# parse --json), the spell-check pipe (tesvar -a) and Python (when a build
# of the module is given). Each process gets the word REPEAT times; CPU time
# (user + system) and peak RSS come from /usr/bin/time, minus those of the
# same process given no word, and the CPU time is divided by REPEAT (the
# clock of /usr/bin/time counts in hundredths of a second). Best of RUNS.
# Prints one Markdown row per word and front end.
#
# Usage: bench/hostile/frontends.sh BUILD FOUND [PYTHON_BUILD]
#   BUILD         a build with -DTESVAR_BUILD_BENCHMARKS=ON (Release)
#   FOUND         the --out file of tesvar_hostile_words: lexicon, length,
#                 what, word; only the rows whose "what" is $WHAT are used
#   PYTHON_BUILD  a build with -DTESVAR_PYTHON=ON (optional)
# Environment: RUNS (3), REPEAT (20), WHAT (time), ENTRIES (1000; must
# match the search's --entries), HEADWORD (Dal).
set -euo pipefail

build=$(cd "$1" && pwd)
found=$2
python_build=${3:+$(cd "$3" && pwd)}
runs=${RUNS:-3}
repeat=${REPEAT:-20}
what=${WHAT:-time}
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

hostile=$build/bench/hostile/tesvar_hostile_words
c_driver=$build/bench/hostile/tesvar_hostile_c
cli=$build/tools/tesvar
for tool in "$hostile" "$c_driver" "$cli" /usr/bin/time; do
  [[ -x $tool ]] || { echo "missing: $tool" >&2; exit 2; }
done

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$hostile" --write-lexicons "$tmp" --entries "${ENTRIES:-1000}" \
  --headword "${HEADWORD:-Dal}"

lexicon_file() {
  case $1 in
    sample) echo "$repo/data/sample-lexicon.tsv" ;;
    */*) echo "$1" ;;
    *) echo "$tmp/$1.tsv" ;;
  esac
}

# run FRONT_END LEXICON WORDS_FILE: runs the front end on the words, with
# its output in $tmp/out.
run() {
  local lexicon_name=$2 lexicon words=$3
  lexicon=$(lexicon_file "$lexicon_name")
  case $1 in
    C++)
      "$hostile" --words "$words" --confirm 1 --lexicons "$lexicon_name" \
        --entries "${ENTRIES:-1000}" --headword "${HEADWORD:-Dal}" ;;
    C) "$c_driver" "$lexicon" < "$words" ;;
    CLI) "$cli" parse --json --lexicon "$lexicon" < "$words" || true ;;
    pipe) "$cli" -a --lexicon "$lexicon" < "$words" ;;
    Python)
      PYTHONPATH=$python_build/python python3 -c '
import sys, tesvar
parser = tesvar.Parser(tesvar.Lexicon.load(sys.argv[1]))
for line in open(sys.argv[2], "rb").read().splitlines():
    try:
        print(len(parser.parse(line)), "readings")
    except Exception as error:
        print(type(error).__name__, error)
' "$lexicon" "$words" ;;
  esac > "$tmp/out" 2>&1
}

export hostile c_driver cli python_build repo tmp
export -f run lexicon_file

# measure FRONT_END LEXICON WORDS_FILE: prints "cpu_seconds max_rss_kb",
# the least of $runs runs.
measure() {
  local best_cpu="" best_rss="" cpu rss
  for ((i = 0; i < runs; i++)); do
    /usr/bin/time -f '%U %S %M' -o "$tmp/time" \
      bash -c 'run "$@"' run "$1" "$2" "$3"
    read -r user system rss < <(tail -1 "$tmp/time")
    cpu=$(echo "$user + $system" | bc)
    if [[ -z $best_cpu ]] || (($(echo "$cpu < $best_cpu" | bc))); then best_cpu=$cpu; fi
    if [[ -z $best_rss ]] || ((rss < best_rss)); then best_rss=$rss; fi
  done
  echo "$best_cpu $best_rss"
}

# What the front end answered for the word (its first answer).
outcome() {
  case $1 in
    C++) awk 'NR == 2 { print $10 == "too" ? "too complex" : $10 " (" $8 " readings)" }' "$tmp/out" ;;
    C) head -1 "$tmp/out" | awk -F'\t' '{ print $1 " (" $2 " readings)" }' ;;
    # The answer is the first JSON line: the message on standard error,
    # written unbuffered, may come before it in the file.
    CLI) grep -m1 '^{' "$tmp/out" | grep -o '"error": "[^"]*"\|"results": \[\]' | head -1 ||
           echo "readings" ;;
    pipe) sed -n 2p "$tmp/out" | cut -c1 ;;
    Python) head -1 "$tmp/out" ;;
  esac
}

front_ends=(C++ C CLI pipe)
[[ -n $python_build ]] && front_ends+=(Python)

echo "| lexicon | bytes | front end | answer | CPU ms per word | peak RSS MB over baseline |"
echo "|---|---|---|---|---|---|"
: > "$tmp/empty"
while IFS=$'\t' read -r lexicon length kind word; do
  [[ $kind == "$what" ]] || continue
  for ((i = 0; i < repeat; i++)); do printf '%s\n' "$word"; done > "$tmp/words"
  for front_end in "${front_ends[@]}"; do
    read -r base_cpu base_rss < <(measure "$front_end" "$lexicon" "$tmp/empty")
    read -r cpu rss < <(measure "$front_end" "$lexicon" "$tmp/words")
    answer=$(outcome "$front_end")
    per_word=$(echo "scale=1; ($cpu - $base_cpu) * 1000 / $repeat" | bc)
    over=$(echo "scale=1; ($rss - $base_rss) / 1024" | bc)
    echo "| $lexicon | ${#word} | $front_end | $answer | $per_word | $over |"
  done
done < "$found"
