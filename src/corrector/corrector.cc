// Design: corrections come from a walk over the shapes of the lexicon's
// words (verb prefix, headword, suffixes; see word_shapes.h) with a bound
// on the weighted edit distance to the typed word (near_words.h). The walk
// visits only the parts of the headword trie within the bound of some
// beginning of the word, so its cost grows with the word and the bound,
// hardly with the lexicon; the shapes allow more than the grammar does,
// so every spelling found is read by the parser, lightest first, and kept
// only when some reading of it scores exactly 1.
//
// Rounds of growing bounds: spellings within one plain slip, and only when
// none of them reads flawlessly, spellings within a heavier bound, up to
// two plain slips. The walk and the reading have fixed limits (rows of
// the distance table, paths, parses), counted in work rather than time,
// so a word always gets the same answer.
// Tested by corrector_test.cc.

#include "tesvar/corrector.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "corrector/edit_weights.h"
#include "corrector/letters.h"
#include "corrector/near_words.h"
#include "corrector/word_shapes.h"
#include "tesvar/parser.h"

namespace tesvar {

namespace {

using corrector::Letters;
using corrector::NearWord;

static_assert(Corrector::kPlainSlipWeight == corrector::kPlainEdit,
              "the public weight scale is the corrector's");

// The rounds: one plain slip, then one plain and one light slip, then two
// plain slips. A round runs only when the ones before it found nothing.
constexpr int kRoundBounds[] = {corrector::kPlainEdit,
                                corrector::kPlainEdit * 3 / 2,
                                corrector::kPlainEdit * 2};
// Rows of the distance table for all rounds together, and paths for each.
// A word of the language a slip away takes a few hundred rows and a
// dozen paths, two slips away some 10,000 rows and a thousand paths
// (about as many in a lexicon of 100,000 entries as in one of 10,000).
constexpr size_t kMaxRows = 60000;
constexpr size_t kMaxPathsPerRound = 2000;
// Spellings read by the parser for one word, in all rounds together.
constexpr size_t kMaxReadings = 300;

struct Found {
  std::string word;
  int weight;
  size_t position;  // of the first entry that reads it flawlessly
};

// Reads spellings with a parser of its own, up to kMaxReadings of them.
class FlawlessReader {
 public:
  explicit FlawlessReader(const CLexicon& lexicon)
      : lexicon_(lexicon), parser_(&lexicon) {}

  bool exhausted() const { return readings_ == kMaxReadings; }

  // Stores in *position the lexicon position of the first entry that
  // reads `spelling` flawlessly and returns true, or returns false.
  bool ReadsFlawlessly(const std::string& spelling, size_t* position) {
    ++readings_;
    results_.clear();
    parser_.ParseWord(spelling, results_);
    bool flawless = false;
    *position = CLexicon::kNotFound;
    for (const CParseResult& reading : results_) {
      if (reading.m_dScore != 1.0) continue;
      flawless = true;
      *position = std::min(*position, lexicon_.PositionOf(reading.m_strKey));
    }
    return flawless;
  }

 private:
  const CLexicon& lexicon_;
  CTesvarParser parser_;
  ParseResults results_;
  size_t readings_ = 0;
};

// Reads the spellings of `near` heavier than `skip_up_to`, lightest first,
// into *found, and stops after the weight at which *found reached
// `max_count`.
void ReadLightestFirst(const std::vector<NearWord>& near, int skip_up_to,
                       std::string_view typed, size_t max_count,
                       FlawlessReader* reader, std::vector<Found>* found) {
  for (const NearWord& candidate : near) {
    if (candidate.weight <= skip_up_to || candidate.spelling == typed) {
      continue;
    }
    if (found->size() >= max_count && candidate.weight > found->back().weight) {
      return;
    }
    if (reader->exhausted()) return;
    size_t position = 0;
    if (reader->ReadsFlawlessly(candidate.spelling, &position)) {
      found->push_back({candidate.spelling, candidate.weight, position});
    }
  }
}

}  // namespace

Corrector::Corrector(const CLexicon& lexicon)
    : lexicon_(lexicon),
      shapes_(std::make_unique<corrector::WordShapes>(
          corrector::BuildWordShapes(lexicon))) {}

Corrector::~Corrector() = default;

std::vector<std::string> Corrector::Suggest(std::string_view word,
                                            size_t max_count) const {
  std::vector<Correction> corrections;
  SuggestWeighted(word, max_count, &corrections);
  std::vector<std::string> words;
  words.reserve(corrections.size());
  for (Correction& correction : corrections) {
    words.push_back(std::move(correction.word));
  }
  return words;
}

void Corrector::SuggestWeighted(std::string_view word, size_t max_count,
                                std::vector<Correction>* corrections) const {
  corrections->clear();
  Letters typed;
  corrector::ReadTyped(word, &typed);
  if (max_count == 0 || typed.empty() || typed.size() > kMaxLetters) return;
  FlawlessReader reader(lexicon_);
  std::vector<Found> found;
  std::vector<NearWord> near;
  int read_up_to = -1;
  size_t rows_left = kMaxRows;
  for (const int bound : kRoundBounds) {
    corrector::NearWordSearch search(*shapes_, typed, bound,
                                     {rows_left, kMaxPathsPerRound});
    search.Run(&near);
    rows_left = search.rows_left();
    ReadLightestFirst(near, read_up_to, word, max_count, &reader, &found);
    if (!found.empty() || rows_left == 0) break;
    read_up_to = bound;
  }
  std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
    if (a.weight != b.weight) return a.weight < b.weight;
    if (a.position != b.position) return a.position < b.position;
    return a.word < b.word;
  });
  if (found.size() > max_count) found.resize(max_count);
  for (Found& f : found) corrections->push_back({std::move(f.word), f.weight});
}

}  // namespace tesvar
