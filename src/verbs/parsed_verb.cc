// The verb record's life cycle and its prefix.
// Tested by verb_scan_test.cc and verb_checks_test.cc.

#include "verbs/parsed_verb.h"

namespace tesvar {

void CParsedVerb::Clear() {
  CParsedWord::Clear();
  m_nPOS = kVerb;
  m_bStative = 0;
  m_strPrefix = m_strSubject = m_strObject = {};
  m_strVS1 = m_strVS2 = m_strVS3 = m_strVS4 = m_strVS5 = {};
  m_strVS6 = m_strVS7 = m_strVS8 = m_strVS9 = {};
  m_strRootNeg = m_strRefusal = {};
  m_pPrefix = nullptr;
  // Position 1 shares its bit with position 0, and is never filled.
  for (int pos = 0; pos < kRoverSlots && stored_pieces_ >= RoverPiece(pos);
       ++pos) {
    if ((stored_pieces_ & RoverPiece(pos)) == 0) continue;
    m_strNegRover[pos] = m_strEmphRover[pos] = {};
    m_strNegEmphRover[pos] = m_strEmphNegRover[pos] = {};
  }
  stored_pieces_ = 0;
  pieces_known_ = true;
  // Only Nominalise fills the noun, and it marks the record.
  if (m_bNominalised) m_noun.Clear();
  m_bNominalised = 0;
  m_bPronoun = 0;
  m_bAsNoun = 0;
  ForgetRoverRuns();
}

void CParsedVerb::SetPrefix(const VerbPrefixRow* row) {
  m_pPrefix = row;
  if (row == nullptr) {
    m_strPrefix = {};
    m_strSubject = {};
    m_strObject = {};
    return;
  }
  m_strPrefix = row->prefix;
  m_strSubject = row->subject;
  m_strObject = row->object;
}

}  // namespace tesvar
