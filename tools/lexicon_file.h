// Where the command line's lexicon comes from: a TSV file named on the
// command line, or the sample lexicon built into the library.
//
// Functions of no shared state.

#ifndef TESVAR_TOOLS_LEXICON_FILE_H_
#define TESVAR_TOOLS_LEXICON_FILE_H_

#include <string>
#include <vector>

#include "tesvar/lexicon.h"
#include "tesvar/lexicon_tsv.h"
#include "tesvar/status.h"

namespace tesvar {
namespace cli {

// The name under which messages about the built-in sample lexicon name
// it: the name of its installed file.
constexpr char kSampleLexiconName[] = "sample-lexicon.tsv";

// Fills *lexicon from the TSV file at `path`, or from the built-in sample
// lexicon when `path` is empty, within the limits of `options`. On error
// leaves *lexicon empty and returns a status whose message names the file
// ("FILE:LINE: what is wrong", or "FILE: cannot read: ..." when it cannot
// be read). With `warnings`, the entries are checked for likely mistakes
// and *warnings holds what was found.
Status LoadLexicon(const std::string& path, CLexicon* lexicon,
                   const LexiconLoadOptions& options = {},
                   std::vector<LexiconWarning>* warnings = nullptr);

// Names a loaded lexicon for people: "words.tsv, 3 entries", or "built-in
// sample, 44 entries" when `path` is empty.
std::string DescribeLexicon(const std::string& path, const CLexicon& lexicon);

}  // namespace cli
}  // namespace tesvar

#endif  // TESVAR_TOOLS_LEXICON_FILE_H_
