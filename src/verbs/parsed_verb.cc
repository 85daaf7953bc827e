// The verb record's life cycle, its prefix and the imperative test.
// Tested by verb_scan_test.cc and verb_checks_test.cc.

#include "verbs/parsed_verb.h"

namespace tesvar {

void CParsedVerb::Clear() {
  CParsedWord::Clear();
  m_nPOS = kVerb;
  m_bStative = 0;
  for (std::string* field :
       {&m_strPrefix, &m_strSubject, &m_strObject, &m_strVS1, &m_strVS2,
        &m_strVS3, &m_strVS4, &m_strVS5, &m_strVS6, &m_strVS7, &m_strVS8,
        &m_strVS9, &m_strRootNeg, &m_strRefusal}) {
    field->clear();
  }
  m_pPrefix = nullptr;
  for (int slot = 0; slot < kRoverSlots; ++slot) {
    m_strNegRover[slot].clear();
    m_strEmphRover[slot].clear();
    m_strNegEmphRover[slot].clear();
    m_strEmphNegRover[slot].clear();
  }
  m_bNominalised = 0;
  m_bPronoun = 0;
  m_bAsNoun = 0;
  m_noun.Clear();
}

void CParsedVerb::SetPrefix(const VerbPrefixRow* row) {
  m_pPrefix = row;
  if (row == nullptr) {
    m_strPrefix.clear();
    m_strSubject.clear();
    m_strObject.clear();
    return;
  }
  m_strPrefix.assign(row->prefix);
  m_strSubject.assign(row->subject);
  m_strObject.assign(row->object);
}

int CParsedVerb::IsImperative() const {
  return m_pPrefix != nullptr && m_pPrefix->imperative() ? 1 : 0;
}

}  // namespace tesvar
