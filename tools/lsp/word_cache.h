// WordCache analyses words for the language server and remembers the
// answer per distinct word, so that an edit re-analyses only the words it
// changed. Each analysis is bounded by the parser's limits (ParseLimits):
// a word past the word limit or the work budget is reported as not
// checked, with the parser's reason. It also finds a word's spelling
// corrections when asked, and remembers those beside the analysis; the
// corrector behind them is made at the first such request, since it
// indexes the whole lexicon and most sessions never ask.
//
// A WordCache reads a lexicon it does not own and keeps parser state; use
// it from one thread.

#ifndef TESVAR_TOOLS_LSP_WORD_CACHE_H_
#define TESVAR_TOOLS_LSP_WORD_CACHE_H_

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>

#include "tesvar/corrector.h"
#include "tesvar/lexicon.h"
#include "tesvar/parse_result.h"
#include "tesvar/parser.h"

namespace tesvar {
namespace lsp {

// Distinct words kept. Far more than a long text holds; a reading takes
// well under a kilobyte, so the cache stays within some tens of megabytes.
constexpr size_t kMaxCachedWords = 1 << 16;

enum class WordKind {
  kCorrect,     // some reading is flawless
  kFlawed,      // readings, each with grammar errors
  kUnknown,     // no reading at all
  kNotChecked,  // past the parser's limits; see `reason`
};

struct WordReport {
  WordKind kind = WordKind::kUnknown;
  ParseResults readings;  // in the analyser's order
  std::string reason;     // kNotChecked: the parser's reason
};

class WordCache {
 public:
  // REQUIRES: `lexicon` outlives the cache and does not change.
  explicit WordCache(const CLexicon* lexicon,
                     const ParseLimits& limits = ParseLimits())
      : lexicon_(lexicon), parser_(lexicon, limits) {}

  WordCache(const WordCache&) = delete;
  WordCache& operator=(const WordCache&) = delete;

  // The report on `word` (apostrophes already plain), analysed now or
  // taken from the cache. The report stays valid as long as it is held.
  std::shared_ptr<const WordReport> Analyse(const std::string& word);

  // The corrector's words for `word` (apostrophes already plain), best
  // first, found now or taken from the cache; valid as long as held.
  // Bounded by the corrector's own work limits.
  std::shared_ptr<const StringList> Spelling(const std::string& word);

  // Forgets the least recently used words once more than kMaxCachedWords
  // are kept, down to three quarters of that. Call between documents, not
  // while holding on to the words of one.
  void Trim();

  size_t size() const { return entries_.size(); }
  // How many words were analysed, as opposed to found in the cache.
  uint64_t analysed() const { return analysed_; }
  // How many words the corrector was asked about.
  uint64_t spelled() const { return spelled_; }

 private:
  struct Entry {
    std::shared_ptr<const WordReport> report;
    std::shared_ptr<const StringList> spelling;  // null until asked for
    uint64_t last_use = 0;
  };

  // The entry of `word`, analysed first if it is not cached.
  Entry& Find(const std::string& word);

  const CLexicon* const lexicon_;
  const CTesvarParser parser_;
  std::unique_ptr<const Corrector> corrector_;  // made when first needed
  ParseScratch scratch_;                        // reused from word to word
  std::unordered_map<std::string, Entry> entries_;
  uint64_t clock_ = 0;  // counts uses, for last_use
  uint64_t analysed_ = 0;
  uint64_t spelled_ = 0;
};

}  // namespace lsp
}  // namespace tesvar

#endif  // TESVAR_TOOLS_LSP_WORD_CACHE_H_
