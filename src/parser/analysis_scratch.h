// The analysis objects and candidate lists that a parser reuses for every
// entry, every word and every sub-parse of its calls, so that their storage
// is allocated once rather than per word. Every analysis is cleared before
// it parses, so what it held before never shows.

#ifndef TESVAR_PARSER_ANALYSIS_SCRATCH_H_
#define TESVAR_PARSER_ANALYSIS_SCRATCH_H_

#include <cstdint>
#include <vector>

#include "nouns/parsed_noun.h"
#include "numbers/parsed_num.h"
#include "parser/candidate_lookup.h"
#include "verbs/parsed_verb.h"
#include "verbs/verb_suffix_rows.h"
#include "words/parsed_word.h"

namespace tesvar {

struct AnalysisScratch {
  // One object per kind of analysis; pronouns get their own noun and verb.
  CParsedNoun noun;
  CParsedVerb verb;
  CParsedNoun pronoun_noun;
  CParsedVerb pronoun_verb;
  CParsedNum number;
  CParsedWord plain;
  // Makes every analysis quiet (no messages) or not.
  void SetQuiet(bool quiet) {
    noun.set_quiet(quiet);
    verb.set_quiet(quiet);
    pronoun_noun.set_quiet(quiet);
    pronoun_verb.set_quiet(quiet);
    number.set_quiet(quiet);
    plain.set_quiet(quiet);
  }

  // The candidate entries of the word being read.
  CandidateMemo candidates;
  // The verb suffix rows of the last long word, for the next one.
  VerbSuffixRows long_word_rows;
};

}  // namespace tesvar

#endif  // TESVAR_PARSER_ANALYSIS_SCRATCH_H_
