// Verb analysis entry points. PLACEHOLDER: filled in by the verb work.

#include "verbs/parsed_verb.h"

namespace tesvar {

int CParsedVerb::Parse(std::string_view, const CTWord&) { return 0; }
int CParsedVerb::ParseWithPrefix(std::string_view, const CTWord&) { return 0; }
int CParsedVerb::ParseNoPrefix(std::string_view, const CTWord&) { return 0; }
std::string CParsedVerb::BuildSuffixes(int) const { return std::string(); }

}  // namespace tesvar
