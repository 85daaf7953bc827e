// Tested by candidate_lookup_test.cc.

#include "parser/candidate_lookup.h"

#include <algorithm>
#include <cstddef>

#include "verbs/verb_affix_tables.h"

namespace tesvar {

void FindCandidateEntries(const CLexicon& lexicon, std::string_view word,
                          std::vector<uint32_t>* positions,
                          std::vector<uint32_t>* after_prefix) {
  positions->clear();
  lexicon.FindHeadwordPrefixes(word, positions);
  if (const size_t prefix = VerbPrefixLength(word)) {
    after_prefix->clear();
    lexicon.FindHeadwordPrefixes(word.substr(prefix), after_prefix);
    for (uint32_t position : *after_prefix) {
      if (lexicon.entry(position).word.m_nPOS == kVerb) {
        positions->push_back(position);
      }
    }
  }
  std::sort(positions->begin(), positions->end());
  positions->erase(std::unique(positions->begin(), positions->end()),
                   positions->end());
}

}  // namespace tesvar
