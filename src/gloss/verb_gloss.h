// The English of a verb reading, appended to a caller's buffer. The
// renderers read the record and never change it, so a reading may be
// rendered any number of times, in any order; CParsedVerb::ToString is
// the wrapper that returns a new string.
// Tested by verb_gloss_test.cc and pronoun_gloss_test.cc.

#ifndef TESVAR_GLOSS_VERB_GLOSS_H_
#define TESVAR_GLOSS_VERB_GLOSS_H_

#include <string>

#include "verbs/parsed_verb.h"

namespace tesvar {

// The whole gloss: the noun reading of a verb turned into a noun, the
// "be" sentence of a pronoun used as a verb, or the verb's own sentence.
void AppendVerbGloss(const CParsedVerb& verb, std::string* out);

// The sentence of a pronoun standing as the verb of a clause, meaning
// "to be": "I am", "are they?".
void AppendPronounGloss(const CParsedVerb& verb, std::string* out);

// Makes *out the native rendering (CParsedVerb::ToStringTesvar), reusing
// its storage.
void WriteVerbNative(const CParsedVerb& verb, std::string* out);

}  // namespace tesvar

#endif  // TESVAR_GLOSS_VERB_GLOSS_H_
