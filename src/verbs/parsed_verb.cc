// The verb record's life cycle and the imperative test.
// Tested by verb_scan_test.cc and verb_checks_test.cc.

#include "verbs/parsed_verb.h"

namespace tesvar {

namespace {

// Prefixes of commands: their subject is "you(imp:...)".
constexpr std::string_view kImperativePrefixes[] = {"yI", "pe", "HI", "gho",
                                                    "tI"};

}  // namespace

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

int CParsedVerb::IsImperative() const {
  for (std::string_view prefix : kImperativePrefixes) {
    if (m_strPrefix == prefix) return 1;
  }
  return 0;
}

}  // namespace tesvar
