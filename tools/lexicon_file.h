// Where the command line's lexicon comes from: a TSV file named on the
// command line, or the sample lexicon built into the library.
//
// Functions of no shared state.

#ifndef TESVAR_TOOLS_LEXICON_FILE_H_
#define TESVAR_TOOLS_LEXICON_FILE_H_

#include <string>

#include "tesvar/lexicon.h"
#include "tesvar/status.h"

namespace tesvar {
namespace cli {

// Fills *lexicon from the TSV file at `path`, or from the built-in sample
// lexicon when `path` is empty. On error leaves *lexicon empty and returns
// a status whose message names the file ("FILE:LINE: what is wrong", or
// "FILE: cannot read: ..." when it cannot be read).
Status LoadLexicon(const std::string& path, CLexicon* lexicon);

// Names a loaded lexicon for people: "words.tsv, 3 entries", or "built-in
// sample, 44 entries" when `path` is empty.
std::string DescribeLexicon(const std::string& path, const CLexicon& lexicon);

}  // namespace cli
}  // namespace tesvar

#endif  // TESVAR_TOOLS_LEXICON_FILE_H_
