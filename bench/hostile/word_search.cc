#include "bench/hostile/word_search.h"

#include <algorithm>
#include <chrono>
#include <unordered_set>

#include "bench/hostile/word_mutator.h"

namespace tesvar {
namespace bench {

namespace {

constexpr size_t kSlowElite = 8;
constexpr size_t kLargeElite = 4;
// The share of the time spent on random words before the climb.
constexpr double kRandomShare = 0.2;

using Better = bool (*)(const WordCost& a, const WordCost& b);

bool Slower(const WordCost& a, const WordCost& b) {
  return a.cpu_seconds > b.cpu_seconds;
}
bool Larger(const WordCost& a, const WordCost& b) {
  return a.peak_bytes > b.peak_bytes;
}

// The best words by one measure, best first.
class Elite {
 public:
  Elite(size_t capacity, Better better)
      : capacity_(capacity), better_(better) {}

  // Whether `cost` would get a place.
  bool Admits(const WordCost& cost) const {
    return members_.size() < capacity_ || better_(cost, members_.back().cost);
  }
  void Offer(const FoundWord& found) {
    if (!Admits(found.cost)) return;
    for (const FoundWord& member : members_) {
      if (member.word == found.word) return;
    }
    members_.push_back(found);
    std::stable_sort(members_.begin(), members_.end(),
                     [this](const FoundWord& a, const FoundWord& b) {
                       return better_(a.cost, b.cost);
                     });
    if (members_.size() > capacity_) members_.pop_back();
  }
  bool empty() const { return members_.empty(); }
  const FoundWord& best() const { return members_.front(); }
  const FoundWord& Pick(Random& random) const {
    return members_[random.Uniform(members_.size())];
  }

 private:
  size_t capacity_;
  Better better_;
  std::vector<FoundWord> members_;
};

class Search {
 public:
  Search(const CTesvarParser& parser, const CLexicon& lexicon,
         const SearchOptions& options)
      : parser_(parser),
        options_(options),
        mutator_(lexicon, options.max_bytes, options.seed),
        slow_(kSlowElite, Slower),
        large_(kLargeElite, Larger) {}

  SearchResult Run() {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    const auto seconds = [&start] {
      return std::chrono::duration<double>(Clock::now() - start).count();
    };
    while (seconds() < kRandomShare * options_.seconds || slow_.empty()) {
      Consider(mutator_.RandomWord());
    }
    while (seconds() < options_.seconds) {
      const Elite& from = mutator_.random().Percent(70) ? slow_ : large_;
      const FoundWord& parent = from.Pick(mutator_.random());
      const FoundWord& other = slow_.Pick(mutator_.random());
      Consider(mutator_.Mutate(parent.word, other.word));
    }
    return SearchResult{slow_.best(), large_.best(), evaluated_};
  }

 private:
  void Consider(const std::string& word) {
    if (!seen_.insert(word).second) return;
    ++evaluated_;
    FoundWord found{word, MeasureWord(parser_, word, 1)};
    large_.Offer(found);
    if (!slow_.Admits(found.cost)) return;
    // One slow run may be noise from elsewhere; the least of several is not.
    found.cost = MeasureWord(parser_, word, options_.runs);
    slow_.Offer(found);
  }

  const CTesvarParser& parser_;
  const SearchOptions options_;
  WordMutator mutator_;
  Elite slow_;
  Elite large_;
  std::unordered_set<std::string> seen_;
  size_t evaluated_ = 0;
};

}  // namespace

SearchResult SearchCostliestWords(const CTesvarParser& parser,
                                  const CLexicon& lexicon,
                                  const SearchOptions& options) {
  return Search(parser, lexicon, options).Run();
}

}  // namespace bench
}  // namespace tesvar
