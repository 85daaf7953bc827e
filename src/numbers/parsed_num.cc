// Number words: the root from the lexicon, then optionally the tens
// element, one power of ten and one number suffix that must end the word.
// The gloss grows as the elements are read; a few whole words have their
// own gloss instead. Nothing here lowers the score: a number word reads
// flawlessly or not at all.
// Tested by parsed_num_test.cc.

#include "numbers/parsed_num.h"

#include "numbers/number_tables.h"
#include "platform/text.h"

namespace tesvar {

namespace {

constexpr char kOrdinalFinal = 'y';
constexpr std::string_view kOrdinalFinalBecomes = "ie";

const TensRow* FindTens(std::string_view root) {
  for (const TensRow& row : kTens) {
    if (row.root == root) return &row;
  }
  return nullptr;
}

// Glosses the suffix of `row` ending the whole `word`.
void AppendSuffixGloss(const NumberSuffixRow& row, std::string_view word,
                       std::string* gloss) {
  for (const SpecialNumberWord& special : kSpecialNumberWords) {
    if (special.suffix == row.suffix && special.word == word) {
      gloss->assign(special.gloss);
      return;
    }
  }
  if (row.ordinal && !gloss->empty() && gloss->back() == kOrdinalFinal) {
    gloss->pop_back();
    gloss->append(kOrdinalFinalBecomes);
  }
  gloss->append(row.appended);
}

}  // namespace

int CParsedNum::Parse(std::string_view word, const CTWord& entry) {
  if (entry.m_nPOS != kNumber) return 0;
  m_nPOS = kNumber;
  if (!StartsWith(word, entry.m_strHeadword)) return 0;
  TakeEntry(word, entry);
  gloss_.assign(m_strGloss);

  std::string_view rest = m_strWord.substr(m_strHeadword.size());
  if (StartsWith(rest, kTensElement)) {
    if (const TensRow* tens = FindTens(m_strHeadword)) {
      gloss_.assign(tens->gloss);
    }
    rest.remove_prefix(kTensElement.size());
  }
  for (const PowerRow& power : kPowers) {
    if (!StartsWith(rest, power.element)) continue;
    gloss_.append(power.appended);
    rest.remove_prefix(power.element.size());
    break;
  }
  if (rest.empty()) return 1;
  for (const NumberSuffixRow& row : kNumberSuffixes) {
    if (rest != row.suffix) continue;
    AppendSuffixGloss(row, m_strWord, &gloss_);
    return 1;
  }
  return 0;
}

}  // namespace tesvar
