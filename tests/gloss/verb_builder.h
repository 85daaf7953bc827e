// Verb records built by hand for the gloss tests, written the way a
// reading reads: the prefix (its subject and object come from the prefix
// table), the definition, and the affixes as one text.

#ifndef TESVAR_TESTS_GLOSS_VERB_BUILDER_H_
#define TESVAR_TESTS_GLOSS_VERB_BUILDER_H_

#include <string_view>

#include "verbs/parsed_verb.h"

namespace tesvar {
namespace testing {

// `affixes` holds blank-separated items: a class suffix ("taH"), a rover
// at its position ("be'@0", "qu'be'@8"), the markers "Ha'" and "Qo'", and
// the flags "stative", "pronoun" and "nominalised". An unknown item fails
// the calling test.
CParsedVerb MakeVerb(std::string_view prefix, std::string_view definition,
                     std::string_view affixes);

}  // namespace testing
}  // namespace tesvar

#endif  // TESVAR_TESTS_GLOSS_VERB_BUILDER_H_
