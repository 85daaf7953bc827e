#!/usr/bin/env bash
# Writes the seed corpora of the fuzz targets into corpus/<target>/: the
# sample lexicon's headwords, words built from them with affixes, small
# lexicon files (good and broken) and line-reader inputs. The files are
# committed; run this again only to change the seeds.
set -euo pipefail

cd "$(dirname "${BASH_SOURCE[0]}")"
readonly sample=../data/sample-lexicon.tsv
rm -rf corpus
mkdir -p corpus/{parse_sample,parse_own_lexicon,spelling,lexicon_tsv,cli_output}_fuzzer

# put TARGET NAME TEXT: one seed file, TEXT taken as printf format.
put() { printf "$3" > "corpus/$1/$2"; }

headwords=$(grep -v '^#' "$sample" | tail -n +2 | cut -f2)
built=(Dalmey ghompu\' ronDu\' voqmey jorghHomDaq mIQwIj yaSpu\'vaD
       vIrom yIrom romlaH tuvbe\' ghIlghach wuqwI\' tInmoH Doqqu\'
       romta\'be\' jIQaS maghIl bIwuqpu\' wa\'maH cha\'vatlh wejDIch
       loSlogh mIyqu\' Seypu\'\'a\' DAT rOM vIROM ThIn)
n=0
for word in $headwords "${built[@]}"; do
  n=$((n + 1))
  printf '%s' "$word" > "corpus/parse_sample_fuzzer/word-$n"
done

mixed=(DAT dal ROM Thin thlIn aththth "'a'" "lo ey" "na\x00Q" "\xff\xfeDat"
       "qQhH" "ghghgh" "tlhtlh" "H" "" "ee")
n=0
for word in "${mixed[@]}"; do
  n=$((n + 1))
  put spelling_fuzzer "word-$n" "$word"
done

header='key\theadword\tpos\tdefinition\tflags\tplural\n'
put parse_own_lexicon_fuzzer nouns \
  "${header}Dal\tDal\tN\thouse\t\t\nmun\tmun\tN\tfriend\tlanguage,irregularplural\tHamun\n\x00Dalmey\nHamun\nmunpu'"
put parse_own_lexicon_fuzzer verbs \
  "${header}rom\trom\tV\teat\t\t\ntIn\ttIn\tV\tbe big\tstative\t\n\x00vIrom\ntInmoH\nromghach"
put parse_own_lexicon_fuzzer pronouns \
  "key\theadword\tpos\tdefinition\nmIy\tmIy\tP\tI, me\n\x00mIy\nmIypu'\njImIy"
put parse_own_lexicon_fuzzer numbers \
  "key\tpos\theadword\tdefinition\nwa'\tNUM\twa'\tone\n\x00wa'maH\nwa'DIch"
put parse_own_lexicon_fuzzer codes \
  "key\theadword\tpos\tdefinition\nq\tnuq\t7\twhat\nodd\tvIp\t-9\todd\nempty\t\t3\tanything\n\x00nuq\nvIp\n"
put parse_own_lexicon_fuzzer repeated \
  "key\theadword\tpos\tdefinition\na\tpu'\tN\tp\nb\tpu'\tV\tq\nc\tmey\tN\tm\n\x00pu'pu'pu'\nmeymey"

cp "$sample" corpus/lexicon_tsv_fuzzer/sample
put lexicon_tsv_fuzzer crlf "key\theadword\tpos\tdefinition\r\nk\th\tN\td\r\n"
put lexicon_tsv_fuzzer no-final-newline "key\theadword\tpos\tdefinition\nk\th\t4\td"
put lexicon_tsv_fuzzer comments-only "# nothing\n\n#\n"
put lexicon_tsv_fuzzer empty ""
put lexicon_tsv_fuzzer duplicate-key "${header}k\ta\tN\td\t\t\nk\tb\tV\te\t\t\n"
put lexicon_tsv_fuzzer bad-pos "key\theadword\tpos\tdefinition\nk\th\tNOUN\td\n"
put lexicon_tsv_fuzzer big-pos "key\theadword\tpos\tdefinition\nk\th\t2147483648\td\n"
put lexicon_tsv_fuzzer bad-flag "${header}k\th\tN\td\tplural\t\n"
put lexicon_tsv_fuzzer missing-column "key\theadword\tdefinition\n"
put lexicon_tsv_fuzzer repeated-column "key\tkey\theadword\tpos\tdefinition\n"
put lexicon_tsv_fuzzer short-line "key\theadword\tpos\tdefinition\nk\th\tN\n"

# Line limit byte, eight score bytes (1.0, 0.9090909090909091, -0.0, NaN),
# then the text.
one='\x00\x00\x00\x00\x00\x00\xf0\x3f'
respelt='\x8c\x2e\xba\xe8\xa2\x8b\xed\x3f'
put cli_output_fuzzer plain "\x40${one}naQ\nnuq\r\nDat"
put cli_output_fuzzer crlf "\x04${respelt}a\r\nabcd\r\nabcde\r\n\r\n"
put cli_output_fuzzer long "\x08${one}aaaaaaaaaaaaaaaaaaaaaaaa\nb\n"
put cli_output_fuzzer bytes "\xff\x00\x00\x00\x00\x00\x00\x00\x80\x00\x01\x1f\x7f\x80\xff\"\\\\\n"
put cli_output_fuzzer nan "\x10\x00\x00\x00\x00\x00\x00\xf8\x7fword\n\n\n"
put cli_output_fuzzer zero-limit "\x00${one}\na\n\r\n"
