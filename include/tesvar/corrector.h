// Corrector proposes words for a mistyped one: words that the parser reads
// flawlessly (some reading scores exactly 1) and that are a few slips of
// the keyboard away from it. It complements the parser's own suggestions,
// which correct the grammar of a word it could read (a wrong plural,
// suffixes out of order); a Corrector also helps when a slip in the root
// or a suffix leaves nothing to read.
//
// Slips are counted in the language's letters ("ch", "gh", "ng", "tlh" and
// the apostrophe are one letter each) and weighed: the likely ones (a
// missing or doubled apostrophe, "t" for "tlh", "q" for "Q", neighbouring
// keys, swapped neighbours, a letter doubled or dropped) weigh less than
// the others. A slip may fall in the prefix, the root or a suffix; the
// rest of the word is kept.
//
// A Corrector indexes its lexicon once when it is made and is immutable
// afterwards: any number of threads may call Suggest on one Corrector at
// once. The lexicon must outlive it and stay unchanged.

#ifndef TESVAR_CORRECTOR_H_
#define TESVAR_CORRECTOR_H_

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "tesvar/export.h"
#include "tesvar/lexicon.h"

namespace tesvar {

class CTesvarParser;

namespace corrector {
struct WordShapes;
}  // namespace corrector

// One proposed word.
struct Correction {
  std::string word;  // in canonical spelling; reads flawlessly
  // The weight of the slips between the typed word and `word`: 0 for a
  // word that only differs in what spelling normalisation settles (the
  // case of most letters, "th" for "tlh"), kPlainSlipWeight for one plain
  // slip, less for a likely one.
  int weight = 0;
};

// What one call cost, in the parser's work units (see ParseLimits): the
// cells of the distance table it filled and the work of the parses that
// read its candidates.
struct SuggestWork {
  uint64_t units = 0;
  // True when a limit ended the search or the reading early; the
  // corrections are then those found until then.
  bool cut_short = false;
};

class TESVAR_EXPORT Corrector {
 public:
  static constexpr size_t kDefaultMaxCorrections = 10;
  static constexpr int kPlainSlipWeight = 10;
  // Typed words longer than this many letters get no corrections.
  static constexpr size_t kMaxLetters = 64;

  // Indexes `lexicon`: its headwords as they are when the Corrector is
  // made. REQUIRES: `lexicon` outlives the Corrector and does not change.
  explicit Corrector(const CLexicon& lexicon);
  ~Corrector();

  // Not copyable: it holds the index of one lexicon.
  Corrector(const Corrector&) = delete;
  Corrector& operator=(const Corrector&) = delete;

  // At most `max_count` words for `word` (any bytes), best first: by
  // weight, then by the position of their entry in the lexicon, then byte
  // for byte. `word` itself is never among them. Words one plain slip
  // away are looked for first; heavier ones, up to two plain slips, only
  // when there are none. The same word always gives the same list.
  //
  // Bounded: the search and the parses that read its candidates have
  // fixed limits, counted in work, not time; no word costs more than about
  // two million work units (a few milliseconds).
  std::vector<std::string> Suggest(
      std::string_view word, size_t max_count = kDefaultMaxCorrections) const;

  // As Suggest, with the weights; replaces the content of *corrections.
  // Stores what the call cost in *work when `work` is not null.
  void SuggestWeighted(std::string_view word, size_t max_count,
                       std::vector<Correction>* corrections,
                       SuggestWork* work = nullptr) const;

 private:
  const CLexicon& lexicon_;
  // Reads candidates with limits of its own; shared by all calls.
  std::unique_ptr<const CTesvarParser> parser_;
  std::unique_ptr<const corrector::WordShapes> shapes_;
};

}  // namespace tesvar

#endif  // TESVAR_CORRECTOR_H_
