// The sample lexicon built into the library: a small lexicon of our own
// that shows every kind of reading. Useful for demos and tests.
//
// Thread-safe: returns views of constant data.

#ifndef TESVAR_SAMPLE_LEXICON_H_
#define TESVAR_SAMPLE_LEXICON_H_

#include <string_view>

#include "tesvar/export.h"
#include "tesvar/lexicon.h"
#include "tesvar/status.h"

namespace tesvar {

// The sample lexicon's file content, in the lexicon TSV format.
TESVAR_EXPORT std::string_view SampleLexiconTsv();

// Fills *lexicon with the sample lexicon. Returns OK; a non-OK status
// would mean the built-in file is broken.
TESVAR_EXPORT Status LoadSampleLexicon(CLexicon* lexicon);

}  // namespace tesvar

#endif  // TESVAR_SAMPLE_LEXICON_H_
