// CParsedNoun reads a word as a lexicon headword followed by noun suffixes
// of five ordered types, grades the reading with the noun grammar checks
// (messages, corrected forms, score factors) and renders it in English and
// in native notation.
//
// A value owned by one parser call; not thread-safe.
// Tested by parsed_noun_test.cc.

#ifndef TESVAR_NOUNS_PARSED_NOUN_H_
#define TESVAR_NOUNS_PARSED_NOUN_H_

#include <string>
#include <string_view>

#include "words/parsed_word.h"

namespace tesvar {

struct NounSuffixRow;

class CParsedNoun : public CParsedWord {
 public:
  CParsedNoun() { m_nPOS = kNoun; }
  CParsedNoun(const CParsedNoun&) = default;
  CParsedNoun& operator=(const CParsedNoun&) = default;
  ~CParsedNoun() override = default;

  // Base Clear, then empties the five suffix slots. m_nPOS stays 0.
  void Clear();

  // Returns 1 when `word` is the entry's headword followed by a complete
  // sequence of noun suffixes and no rejecting rule fired, else 0. Only
  // entries of code 0 (noun) and 2 (pronoun) are accepted.
  // REQUIRES: the object was constructed or cleared before.
  int Parse(std::string_view word, const CTWord& entry);

  // English gloss: type-5, type-4, type-3, type-1 glosses, definition,
  // type-2 gloss, separated by single blanks.
  std::string ToString() const;
  // Appends that gloss with `definition` in place of the entry's: a verb
  // turned into a noun is defined by the English of its verb part.
  void AppendGloss(std::string_view definition, std::string* out) const;
  // Headword followed by the slots in type order.
  std::string ToStringTesvar() const;
  // Makes *out that rendering, reusing its storage.
  void WriteNative(std::string* out) const;
  // English gloss of one noun suffix text, or the text itself.
  std::string TS(std::string_view suffix) const;

  // Views of the table's suffix texts (see CParsedWord).
  std::string_view m_strNS1;
  std::string_view m_strNS2;
  std::string_view m_strNS3;
  std::string_view m_strNS4;
  std::string_view m_strNS5;

 private:
  // TS without the copy: a view of the table's gloss, or of `suffix`
  // itself when it is no table suffix. `row` is the row the slot was
  // filled from, if known.
  std::string_view SuffixGloss(std::string_view suffix,
                               const NounSuffixRow* row = nullptr) const;

  // The row Parse filled each slot from, by type - 1, so that rendering
  // need not look it up again. A slot changed since, or filled some other
  // way, no longer is its row's text and is looked up; so Clear need not
  // forget them.
  const NounSuffixRow* slot_rows_[5] = {};
};

}  // namespace tesvar

#endif  // TESVAR_NOUNS_PARSED_NOUN_H_
