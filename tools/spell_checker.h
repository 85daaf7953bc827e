// SpellChecker decides what a spell checker says about one word: correct
// as it stands, correct through affixes on a root, misspelt with
// corrections to offer, or misspelt with nothing to offer. It asks the
// parser for the word's readings and the corrector for words near it;
// words accepted for the session (the personal dictionary among them) are
// correct without asking.
//
// A SpellChecker reads a lexicon it does not own and keeps per-word
// scratch space; use it from one thread.

#ifndef TESVAR_TOOLS_SPELL_CHECKER_H_
#define TESVAR_TOOLS_SPELL_CHECKER_H_

#include <cstddef>
#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <string_view>

#include "tesvar/corrector.h"
#include "tesvar/lexicon.h"
#include "tesvar/parse_result.h"
#include "tesvar/parser.h"

namespace tesvar {
namespace cli {

enum class Verdict {
  kCorrect,      // a flawless reading of a headword as it stands
  kRoot,         // a flawless reading through affixes on `root`
  kCorrections,  // misspelt, with `corrections`
  kUnknown,      // misspelt, with nothing to offer
};

struct SpellAnswer {
  Verdict verdict = Verdict::kUnknown;
  std::string root;  // kRoot: the headword the affixes attach to
  // kCorrections: distinct; the parser's own suggestions for the word's
  // grammar in reading order, a session word that differs only in case,
  // then the corrector's in its order.
  StringList corrections;
};

// The most words a session holds (the personal dictionary included), and
// the longest one; past these, Accept refuses.
constexpr size_t kMaxSessionWords = 50000;

class SpellChecker {
 public:
  // REQUIRES: `lexicon` outlives the checker and does not change.
  explicit SpellChecker(const CLexicon* lexicon);

  SpellChecker(const SpellChecker&) = delete;
  SpellChecker& operator=(const SpellChecker&) = delete;

  // Makes `word` correct (kCorrect) for the rest of the session, as given
  // (typographic apostrophes read as "'"). Returns false and changes
  // nothing when the word is empty or longer than a word may be, or when
  // the session already holds kMaxSessionWords words.
  bool Accept(std::string_view word);
  bool IsAccepted(std::string_view word) const;

  // Fills *answer for `word`, replacing what it held, and returns the
  // work units the check took (the parse's and the corrector's). A word
  // with a character outside the alphabet is never correct; a word the
  // parser refuses as too long or too complex is unknown.
  uint64_t Check(std::string_view word, SpellAnswer* answer);

 private:
  // Fills *answer from the readings in results_.
  void Judge(SpellAnswer* answer) const;
  // Appends the corrector's words for `word` that *answer lacks; returns
  // the corrector's work.
  uint64_t AddCorrections(std::string_view word, SpellAnswer* answer) const;

  const CLexicon* const lexicon_;
  const Corrector corrector_;
  const CTesvarParser parser_;
  ParseScratch scratch_;  // reused from word to word
  ParseResults results_;
  // std::less<> finds a string_view without building a string.
  std::set<std::string, std::less<>> accepted_;
};

}  // namespace cli
}  // namespace tesvar

#endif  // TESVAR_TOOLS_SPELL_CHECKER_H_
