// The plain-word analysis.
// Tested by parsed_word_test.cc.

#include "words/parsed_word.h"

namespace tesvar {

void CParsedWord::Clear() {
  m_lstSuggestions.clear();
  m_lstErrors.clear();
  m_strWord.clear();
  m_strGloss.clear();
  m_nPOS = 0;
  m_dScore = 0.0;
  m_strHeadword.clear();
}

int CParsedWord::Parse(std::string_view word, const CTWord& entry) {
  if (word != entry.m_strHeadword) return 0;
  TakeEntry(word, entry);
  m_nPOS = entry.m_nPOS;
  return 1;
}

void CParsedWord::TakeEntry(std::string_view word, const CTWord& entry) {
  m_strWord.assign(word);
  m_dScore = 1.0;
  // The gloss is only ever shown, like the messages.
  if (!quiet_) m_strGloss = entry.m_strDefinition;
  m_strHeadword = entry.m_strHeadword;
}

std::string_view CParsedWord::POS() const { return PartOfSpeechLabel(m_nPOS); }

}  // namespace tesvar
