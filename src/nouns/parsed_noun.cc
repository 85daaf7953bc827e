// Noun analysis: split into root and noun suffixes, with the grammar checks.
// PLACEHOLDER: filled in by the noun analysis work.

#include "nouns/parsed_noun.h"

namespace tesvar {

void CParsedNoun::Clear() {
  CParsedWord::Clear();
  m_strNS1.clear();
  m_strNS2.clear();
  m_strNS3.clear();
  m_strNS4.clear();
  m_strNS5.clear();
}

int CParsedNoun::Parse(std::string_view, const CTWord&) { return 0; }

std::string CParsedNoun::ToString() const { return m_strGloss; }
std::string CParsedNoun::ToStringTesvar() const { return m_strHeadword; }
std::string CParsedNoun::TS(std::string_view suffix) const {
  return std::string(suffix);
}

}  // namespace tesvar
