// Noun analysis: the headword at the start of the word, then a greedy scan
// of the rest with the noun suffix table. Each step takes the first row,
// in table order, whose suffix begins the rest, and starts again from the
// top; there is no backtracking, so a word reads one way or not at all.
// Every suffix is checked as soon as it is found, against the one before
// it and against the entry, so corrections see the slots as filled so far.
// Tested by parsed_noun_test.cc.

#include "nouns/parsed_noun.h"

#include "nouns/noun_checks.h"
#include "nouns/noun_suffix_table.h"
#include "platform/text.h"

namespace tesvar {

static_assert(kLastNounClass == 5, "a row for each of the five slots");

void CParsedNoun::Clear() {
  CParsedWord::Clear();
  m_strNS1 = {};
  m_strNS2 = {};
  m_strNS3 = {};
  m_strNS4 = {};
  m_strNS5 = {};
}

int CParsedNoun::Parse(std::string_view word, const CTWord& entry) {
  if (entry.m_nPOS != kNoun && entry.m_nPOS != kPronoun) return 0;
  if (!StartsWith(word, entry.m_strHeadword)) return 0;
  TakeEntry(word, entry);

  std::string_view rest = m_strWord.substr(m_strHeadword.size());
  std::string_view last_suffix;
  int last_type = 0;
  while (!rest.empty()) {
    const NounSuffixRow* row = MatchNounSuffix(rest);
    if (row == nullptr) return 0;
    rest.remove_prefix(row->suffix.size());
    const NounSuffixMatch match{entry, *row, rest};
    CheckNounSuffixOrder(match, last_suffix, last_type, this);
    last_suffix = row->suffix;
    last_type = row->type;
    // Every row's type has a slot (noun_suffix_table.cc).
    *NounSlot(this, row->type) = row->suffix;
    slot_rows_[row->type - 1] = row;
    if (!CheckNounSuffixUse(match, this)) return 0;
  }
  return 1;
}

}  // namespace tesvar
