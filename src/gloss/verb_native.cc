// The native rendering of a verb reading in canonical form: prefix, the
// lexicon headword and the typed suffixes in class order. Rovers are left
// out, and a verb turned into a noun is written up to its nominaliser
// only; the noun suffixes belong to the noun reading.
// Tested by verb_gloss_test.cc.

#include <string>

#include "gloss/verb_gloss.h"
#include "platform/text.h"
#include "verbs/parsed_verb.h"

namespace tesvar {

std::string CParsedVerb::ToStringTesvar() const {
  std::string out;
  WriteVerbNative(*this, &out);
  return out;
}

void WriteVerbNative(const CParsedVerb& v, std::string* out) {
  AssignConcat(out, {v.m_strPrefix, v.m_strHeadword, v.m_strVS1, v.m_strVS2,
                     v.m_strVS3, v.m_strVS4, v.m_strVS5, v.m_strVS6, v.m_strVS7,
                     v.m_strVS8, v.m_strVS9});
}

}  // namespace tesvar
