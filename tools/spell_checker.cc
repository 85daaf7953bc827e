// A reading is flawless when its score is exactly 1 and it has no errors;
// one flawless reading makes the word correct. A flawless reading whose
// normalised word is its entry's headword is the word itself; any other
// came through affixes, and the headword is the root to report. The word
// itself wins over a root, as a dictionary word does in other checkers.
//
// Corrections come in three kinds: the readings' suggestions, which the
// parser has already checked by parsing them and which correct the
// grammar of a word it could read; a word of the session that the word
// writes in another case; then the corrector's words a few slips away. Only
// suggestions that are one word of the alphabet are offered, since a client
// splits the list at ", " and expects each item to be a word it can put in the
// text.
//
// A word with a character outside the alphabet is not parsed: the parser
// would drop the character and might read the rest ("Dalmeyk" as
// "Dalmey"), and a spell checker must not accept a word that is not
// written as the language writes it.
// Tested by spell_checker_test.cc.

#include "tools/spell_checker.h"

#include <algorithm>
#include <optional>

#include "tools/line_reader.h"
#include "tools/word_splitter.h"

namespace tesvar {
namespace cli {

namespace {

// Lends the parser's spelling normalisation, which it keeps for its
// subclasses.
class Spelling : public CTesvarParser {
 public:
  using CTesvarParser::AdjustCase;
};

bool IsFlawless(const CParseResult& reading) {
  return reading.m_dScore == 1.0 && reading.m_lstErrors.empty();
}

bool IsOneWord(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), IsWordByte);
}

void AddOnce(std::string word, StringList* list) {
  if (std::find(list->begin(), list->end(), word) == list->end()) {
    list->push_back(std::move(word));
  }
}

}  // namespace

SpellChecker::SpellChecker(const CLexicon* lexicon)
    : lexicon_(lexicon), corrector_(*lexicon), parser_(lexicon) {}

bool SpellChecker::Accept(std::string_view word) {
  if (word.empty() || word.size() > kMaxLineBytes) return false;
  std::string plain = WithPlainApostrophes(word);
  if (accepted_.find(plain) != accepted_.end()) return true;
  if (accepted_.size() >= kMaxSessionWords) return false;
  accepted_.insert(std::move(plain));
  return true;
}

bool SpellChecker::IsAccepted(std::string_view word) const {
  return accepted_.find(WithPlainApostrophes(word)) != accepted_.end();
}

uint64_t SpellChecker::Check(std::string_view word, SpellAnswer* answer) {
  answer->root.clear();
  answer->corrections.clear();
  answer->verdict = Verdict::kUnknown;
  const std::string plain = WithPlainApostrophes(word);
  if (accepted_.find(plain) != accepted_.end()) {
    answer->verdict = Verdict::kCorrect;
    return 0;
  }
  // Past the command line's word limit no word of the language is that
  // long; it is unknown without a look.
  if (plain.size() > kMaxLineBytes) return 0;
  uint64_t work = 0;
  if (IsAlphabetWord(plain)) {
    const Status status = parser_.Parse(plain, &results_, &scratch_);
    work = scratch_.last_work();
    // Past the parser's limits a word is hostile, not mistyped.
    if (!status.ok()) return work;
    Judge(answer);
    if (answer->verdict == Verdict::kCorrect ||
        answer->verdict == Verdict::kRoot) {
      return work;
    }
  }
  work += AddCorrections(plain, answer);
  answer->verdict =
      answer->corrections.empty() ? Verdict::kUnknown : Verdict::kCorrections;
  return work;
}

void SpellChecker::Judge(SpellAnswer* answer) const {
  std::optional<CTWord> root;
  for (const CParseResult& reading : results_) {
    if (!IsFlawless(reading)) continue;
    const std::optional<CTWord> entry = lexicon_->Find(reading.m_strKey);
    // An empty headword names no root, so such a reading counts as the
    // word itself.
    if (!entry || entry->m_strHeadword.empty() ||
        entry->m_strHeadword == reading.m_strWord) {
      answer->verdict = Verdict::kCorrect;
      return;
    }
    if (!root) root = entry;
  }
  if (root) {
    answer->verdict = Verdict::kRoot;
    answer->root = root->m_strHeadword;
    return;
  }
  for (const CParseResult& reading : results_) {
    for (const std::string& suggestion : reading.m_lstSuggestions) {
      if (IsOneWord(suggestion)) AddOnce(suggestion, &answer->corrections);
    }
  }
}

uint64_t SpellChecker::AddCorrections(std::string_view word,
                                      SpellAnswer* answer) const {
  // A word of the session that this one writes in another case.
  if (IsAlphabetWord(word)) {
    std::string canonical(word);
    Spelling::AdjustCase(canonical);
    if (accepted_.find(canonical) != accepted_.end()) {
      AddOnce(std::move(canonical), &answer->corrections);
    }
  }
  std::vector<Correction> corrections;
  SuggestWork work;
  corrector_.SuggestWeighted(word, Corrector::kDefaultMaxCorrections,
                             &corrections, &work);
  for (Correction& correction : corrections) {
    AddOnce(std::move(correction.word), &answer->corrections);
  }
  return work.units;
}

}  // namespace cli
}  // namespace tesvar
