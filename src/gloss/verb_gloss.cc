// Verb glossing. PLACEHOLDER: filled in by the glossing work.

#include "verbs/parsed_verb.h"

namespace tesvar {

std::string CParsedVerb::ToString() { return m_strGloss; }
std::string CParsedVerb::ToStringTesvar() const { return m_strWord; }
std::string CParsedVerb::TS(std::string_view affix) const {
  return std::string(affix);
}
std::string CParsedVerb::Aux(int) const { return std::string(); }
std::string CParsedVerb::Root() const { return std::string(); }
std::string CParsedVerb::NegRoot() const { return std::string(); }
std::string CParsedVerb::VS2(int) const { return std::string(); }
std::string CParsedVerb::VS3(int) const { return std::string(); }
std::string CParsedVerb::VS4(int) const { return std::string(); }
std::string CParsedVerb::VS5() const { return std::string(); }
std::string CParsedVerb::VS6() const { return std::string(); }
std::string CParsedVerb::VS7() const { return std::string(); }
std::string CParsedVerb::ToStringPronoun() { return std::string(); }
std::string CParsedVerb::PronounRoot(int, int) const { return std::string(); }

}  // namespace tesvar
