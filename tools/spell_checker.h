// SpellChecker decides what a spell checker says about one word: correct
// as it stands, correct through affixes on a root, misspelt with
// corrections to offer, or misspelt with nothing to offer. It asks the
// parser for the word's readings; words accepted for the session are
// correct without asking.
//
// A SpellChecker reads a lexicon it does not own and keeps per-word
// scratch space; use it from one thread.

#ifndef TESVAR_TOOLS_SPELL_CHECKER_H_
#define TESVAR_TOOLS_SPELL_CHECKER_H_

#include <functional>
#include <set>
#include <string>
#include <string_view>

#include "tesvar/lexicon.h"
#include "tesvar/parse_result.h"
#include "tesvar/parser.h"

namespace tesvar {
namespace cli {

enum class Verdict {
  kCorrect,      // a flawless reading of a headword as it stands
  kRoot,         // a flawless reading through affixes on `root`
  kCorrections,  // only flawed readings, with `corrections`
  kUnknown,      // no reading, or flawed readings with nothing to offer
};

struct SpellAnswer {
  Verdict verdict = Verdict::kUnknown;
  std::string root;        // kRoot: the headword the affixes attach to
  StringList corrections;  // kCorrections: distinct, in reading order
};

class SpellChecker {
 public:
  // REQUIRES: `lexicon` outlives the checker and does not change.
  explicit SpellChecker(const CLexicon* lexicon);

  SpellChecker(const SpellChecker&) = delete;
  SpellChecker& operator=(const SpellChecker&) = delete;

  // Makes `word` correct (kCorrect) for the rest of the session, byte for
  // byte as given.
  void Accept(std::string_view word);

  // Fills *answer for `word`, replacing what it held.
  void Check(std::string_view word, SpellAnswer* answer);

 private:
  // Fills *answer from the readings in results_.
  void Judge(SpellAnswer* answer) const;

  const CLexicon* const lexicon_;
  CTesvarParser parser_;
  ParseResults results_;  // reused from word to word
  // std::less<> finds a string_view without building a string.
  std::set<std::string, std::less<>> accepted_;
};

}  // namespace cli
}  // namespace tesvar

#endif  // TESVAR_TOOLS_SPELL_CHECKER_H_
