// Design: corrections come from a walk over the shapes of the lexicon's
// words (verb prefix, headword, suffixes; see word_shapes.h) with a bound
// on the weighted edit distance to the typed word (near_words.h). The walk
// visits only the parts of the headword trie within the bound of some
// beginning of the word, so its cost grows with the word and the bound,
// hardly with the lexicon; the shapes allow more than the grammar does,
// so every spelling found is read by the parser, lightest first, and kept
// only when some reading of it scores exactly 1. The reading uses the
// parser's bounded entry point with a work limit of its own, far above
// what a word that reads flawlessly needs, so that a candidate whose
// flawed readings would have thousands of suggestions checked costs
// little. One parser serves every call; each call has its own scratch,
// which makes Suggest safe on a shared Corrector.
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
// Cells of the distance table for all rounds together (a row has a cell
// per typed letter and one more), and paths for each round. A word of the
// language a slip away takes a few hundred rows and a dozen paths, two
// slips away some 10,000 to 100,000 rows and a thousand paths (about as
// many in a lexicon of 100,000 entries as in one of 10,000).
constexpr uint64_t kMaxCells = uint64_t{1} << 20;
constexpr size_t kMaxPathsPerRound = 2000;
// Candidates read by the parser for one word, in all rounds together,
// and the work each read and all of them may take. Measured on the
// typos of the benchmark: a candidate that reads flawlessly takes 430
// work units at the median and 11,628 at most, while a flawed one with
// many suggestions to check can take two million; a limit far above the
// first leaves out only the second.
constexpr size_t kMaxReadings = 300;
constexpr uint64_t kMaxWorkPerReading = uint64_t{1} << 16;
constexpr uint64_t kMaxReadingWork = uint64_t{1} << 20;

ParseLimits ReadingLimits() {
  ParseLimits limits;
  limits.max_work = kMaxWorkPerReading;
  return limits;
}

struct Found {
  std::string word;
  int weight;
  size_t position;  // of the first entry that reads it flawlessly
};

// Reads candidates with the corrector's parser and a scratch of its own,
// within kMaxReadings and kMaxReadingWork.
class FlawlessReader {
 public:
  FlawlessReader(const CLexicon& lexicon, const CTesvarParser& parser)
      : lexicon_(lexicon), parser_(parser) {}

  bool exhausted() const {
    return readings_ == kMaxReadings || work_ >= kMaxReadingWork;
  }
  uint64_t work() const { return work_; }

  // Stores in *position the lexicon position of the first entry that
  // reads `spelling` flawlessly and returns true, or returns false. A
  // candidate too costly to read is not offered.
  bool ReadsFlawlessly(const std::string& spelling, size_t* position) {
    ++readings_;
    const Status status = parser_.Parse(spelling, &results_, &scratch_);
    work_ += scratch_.last_work();
    bool flawless = false;
    *position = CLexicon::kNotFound;
    for (const CParseResult& reading : results_) {
      if (reading.m_dScore != 1.0) continue;
      flawless = true;
      *position = std::min(*position, lexicon_.PositionOf(reading.m_strKey));
    }
    return status.ok() && flawless;
  }

 private:
  const CLexicon& lexicon_;
  const CTesvarParser& parser_;
  ParseScratch scratch_;
  ParseResults results_;
  size_t readings_ = 0;
  uint64_t work_ = 0;
};

// Reads the candidates of `near` heavier than `skip_up_to`, lightest
// first, into *found, and stops after the weight at which *found reached
// `max_count`. Returns false when the reader's limits stopped it.
bool ReadLightestFirst(const std::vector<NearWord>& near, int skip_up_to,
                       std::string_view typed, size_t max_count,
                       FlawlessReader* reader, std::vector<Found>* found) {
  for (const NearWord& candidate : near) {
    if (candidate.weight <= skip_up_to || candidate.spelling == typed) {
      continue;
    }
    if (found->size() >= max_count && candidate.weight > found->back().weight) {
      return true;
    }
    if (reader->exhausted()) return false;
    size_t position = 0;
    if (reader->ReadsFlawlessly(candidate.spelling, &position)) {
      found->push_back({candidate.spelling, candidate.weight, position});
    }
  }
  return true;
}

}  // namespace

Corrector::Corrector(const CLexicon& lexicon)
    : lexicon_(lexicon),
      parser_(std::make_unique<CTesvarParser>(&lexicon, ReadingLimits())),
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
                                std::vector<Correction>* corrections,
                                SuggestWork* work) const {
  corrections->clear();
  SuggestWork spent;
  Letters typed;
  // Every letter comes from at most four bytes: "tlh" is three, and a
  // character outside the alphabet is one letter of up to four. Longer
  // words have too many letters, and are not read at all, so that a huge
  // word costs nothing.
  if (word.size() <= kMaxLetters * 4) corrector::ReadTyped(word, &typed);
  std::vector<Found> found;
  if (max_count > 0 && !typed.empty() && typed.size() <= kMaxLetters) {
    FlawlessReader reader(lexicon_, *parser_);
    std::vector<NearWord> near;
    int read_up_to = -1;
    const size_t row_cells = typed.size() + 1;
    size_t rows_left = kMaxCells / row_cells;
    for (const int bound : kRoundBounds) {
      corrector::NearWordSearch search(*shapes_, typed, bound,
                                       {rows_left, kMaxPathsPerRound});
      spent.cut_short |= !search.Run(&near);
      spent.units += (rows_left - search.rows_left()) * row_cells;
      rows_left = search.rows_left();
      spent.cut_short |= !ReadLightestFirst(near, read_up_to, word, max_count,
                                            &reader, &found);
      if (!found.empty() || spent.cut_short) break;
      read_up_to = bound;
    }
    spent.units += reader.work();
  }
  std::sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
    if (a.weight != b.weight) return a.weight < b.weight;
    if (a.position != b.position) return a.position < b.position;
    return a.word < b.word;
  });
  if (found.size() > max_count) found.resize(max_count);
  for (Found& f : found) corrections->push_back({std::move(f.word), f.weight});
  if (work != nullptr) *work = spent;
}

}  // namespace tesvar
