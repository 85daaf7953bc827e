// The native rendering of a verb reading in canonical form: prefix, the
// lexicon headword and the typed suffixes in class order. Rovers are left
// out, and a verb turned into a noun is written up to its nominaliser
// only; the noun suffixes belong to the noun reading.
// Tested by verb_gloss_test.cc.

#include <string>

#include "platform/text.h"
#include "verbs/parsed_verb.h"

namespace tesvar {

std::string CParsedVerb::ToStringTesvar() const {
  return Concat({m_strPrefix, m_strHeadword, m_strVS1, m_strVS2, m_strVS3,
                 m_strVS4, m_strVS5, m_strVS6, m_strVS7, m_strVS8, m_strVS9});
}

}  // namespace tesvar
