// A reading is flawless when its score is exactly 1 and it has no errors;
// one flawless reading makes the word correct. A flawless reading whose
// normalised word is its entry's headword is the word itself; any other
// came through affixes, and the headword is the root to report. The word
// itself wins over a root, as a dictionary word does in other checkers.
// Corrections are the readings' suggestions, which the parser has already
// checked by parsing them; only those that are one word of the alphabet
// are offered, since a client splits the list at ", " and expects each
// item to be a word it can put in the text.
// Tested by spell_checker_test.cc.

#include "tools/spell_checker.h"

#include <algorithm>
#include <optional>

#include "tools/line_reader.h"
#include "tools/word_splitter.h"

namespace tesvar {
namespace cli {

namespace {

bool IsFlawless(const CParseResult& reading) {
  return reading.m_dScore == 1.0 && reading.m_lstErrors.empty();
}

bool IsOneWord(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), IsWordByte);
}

}  // namespace

SpellChecker::SpellChecker(const CLexicon* lexicon)
    : lexicon_(lexicon), parser_(lexicon) {}

void SpellChecker::Accept(std::string_view word) { accepted_.emplace(word); }

void SpellChecker::Check(std::string_view word, SpellAnswer* answer) {
  answer->root.clear();
  answer->corrections.clear();
  if (accepted_.find(word) != accepted_.end()) {
    answer->verdict = Verdict::kCorrect;
    return;
  }
  if (word.size() > kMaxLineBytes) {
    // Past the command line's word limit the parse could take seconds; no
    // word of the language is that long, so it is unknown.
    answer->verdict = Verdict::kUnknown;
    return;
  }
  results_.clear();
  parser_.ParseWord(std::string(word), results_);
  Judge(answer);
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
  StringList& corrections = answer->corrections;
  for (const CParseResult& reading : results_) {
    for (const std::string& suggestion : reading.m_lstSuggestions) {
      if (!IsOneWord(suggestion) ||
          std::find(corrections.begin(), corrections.end(), suggestion) !=
              corrections.end()) {
        continue;
      }
      corrections.push_back(suggestion);
    }
  }
  answer->verdict =
      corrections.empty() ? Verdict::kUnknown : Verdict::kCorrections;
}

}  // namespace cli
}  // namespace tesvar
