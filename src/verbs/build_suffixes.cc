// Writes the stored suffixes back as native text, in word order, for the
// corrected forms of the grammar checks. Rovers at one position come out
// in a fixed order. {-Ha'} and {-Qo'} are stored only as present, so the
// rovers that go with them are read back from the word itself, and the
// rovers at their positions are not written a second time. What the word
// gives is looked up once per reading, since a long word may be written
// back many times.
// Tested by verb_build_suffixes_test.cc.

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "verbs/parsed_verb.h"
#include "words/first_byte_index.h"

namespace tesvar {

namespace {

// The rovers of one position in the order they are written.
constexpr RoverSlots kRoverOrder[] = {
    SlotsOf(kNegEmphRover),
    SlotsOf(kNegRover),
    SlotsOf(kEmphNegRover),
    SlotsOf(kEmphRover),
};

// A run of rovers to look for in the word and the text it gives; the
// first run found wins, and the last row, with an empty run, always
// applies.
struct RoverRun {
  std::string_view found;
  std::string_view gives;
};

// {-Ha'} with the rovers that follow it.
constexpr RoverRun kRootNegRuns[] = {
    {"Ha'be'qu'", "Ha'be'qu'"},
    {"Ha'qu'be'", "Ha'qu'be'"},
    {"Ha'be'", "Ha'be'"},
    {"Ha'qu'", "Ha'qu'"},
    {"", "Ha'"},
};
// {-Qo'} with the rovers before it, then the rovers after it.
constexpr RoverRun kRefusalRuns[] = {
    {"be'qu'Qo'", "be'qu'Qo'"},
    {"qu'be'Qo'", "qu'be'Qo'"},
    {"be'Qo'", "be'Qo'"},
    {"qu'Qo'", "qu'Qo'"},
    {"", "Qo'"},
};
constexpr RoverRun kAfterRefusalRuns[] = {
    {"Qo'be'qu'", "be'qu'"},
    {"Qo'qu'be'", "qu'be'"},
    {"Qo'be'", "be'"},
    {"Qo'qu'", "qu'"},
    {"", ""},
};

// FirstRun relies on a last row with an empty run, which always applies.
template <size_t N>
constexpr bool EndsWithCatchAll(const RoverRun (&runs)[N]) {
  return runs[N - 1].found.empty();
}
static_assert(EndsWithCatchAll(kRootNegRuns) &&
              EndsWithCatchAll(kRefusalRuns) &&
              EndsWithCatchAll(kAfterRefusalRuns));

// The runs of a table packed for comparison: every run is at most two
// packed words long.
template <size_t N>
struct PackedRuns {
  uint64_t head[N];       // the first kMaxPackedAffix bytes
  uint64_t head_mask[N];  // the bits they take
  uint64_t tail[N];       // the bytes after those
  uint64_t tail_mask[N];
  bool starts[256];  // bytes that begin some run
  // The byte every run begins with, when they share one; else 0.
  char only_start;
};

template <size_t N>
constexpr PackedRuns<N> PackRuns(const RoverRun (&runs)[N]) {
  PackedRuns<N> packed{};
  auto mask = [](size_t size) {
    return size >= kMaxPackedAffix ? ~uint64_t{0}
                                   : (uint64_t{1} << (8 * size)) - 1;
  };
  for (size_t i = 0; i + 1 < N; ++i) {
    const std::string_view found = runs[i].found;
    const std::string_view tail = found.size() > kMaxPackedAffix
                                      ? found.substr(kMaxPackedAffix)
                                      : std::string_view();
    packed.head[i] = PackBytes(found);
    packed.head_mask[i] = mask(found.size());
    packed.tail[i] = PackBytes(tail);
    packed.tail_mask[i] = mask(tail.size());
    packed.starts[static_cast<unsigned char>(found[0])] = true;
    if (i == 0) {
      packed.only_start = found[0];
    } else if (found[0] != packed.only_start) {
      packed.only_start = 0;
    }
  }
  return packed;
}

template <size_t N>
constexpr bool RunsFitTwoWords(const RoverRun (&runs)[N]) {
  for (const RoverRun& run : runs) {
    if (run.found.size() > 2 * kMaxPackedAffix) return false;
  }
  return true;
}
static_assert(RunsFitTwoWords(kRootNegRuns) && RunsFitTwoWords(kRefusalRuns) &&
              RunsFitTwoWords(kAfterRefusalRuns));

constexpr auto kRootNegPacked = PackRuns(kRootNegRuns);
constexpr auto kRefusalPacked = PackRuns(kRefusalRuns);
constexpr auto kAfterRefusalPacked = PackRuns(kAfterRefusalRuns);

// What the first run (in table order) found anywhere in `word` gives. One
// pass over the word serves every run: where a run may begin, the runs
// ahead of the best found so far are compared, and the pass ends once the
// first run is found. A word of many rovers may be long and is written
// back often, so this matters.
template <size_t N>
std::string_view FirstRun(std::string_view word, const RoverRun (&runs)[N],
                          const PackedRuns<N>& packed) {
  size_t best = N - 1;  // the catch-all
  // Lowers best to the first run ahead of it that begins at `at`.
  auto look_at = [&](size_t at) {
    const std::string_view rest = word.substr(at);
    const uint64_t head = LoadPackedBytes(rest);
    if (rest.size() >= 2 * kMaxPackedAffix) {
      // Every run fits here: two loads, and a run without tail compares
      // its empty tail mask equal.
      const uint64_t tail = LoadPackedBytes(rest.substr(kMaxPackedAffix));
      for (size_t row = 0; row < best; ++row) {
        if ((((head & packed.head_mask[row]) ^ packed.head[row]) |
             ((tail & packed.tail_mask[row]) ^ packed.tail[row])) == 0) {
          best = row;
          return;
        }
      }
      return;
    }
    for (size_t row = 0; row < best; ++row) {
      if (runs[row].found.size() > rest.size() ||
          (head & packed.head_mask[row]) != packed.head[row]) {
        continue;
      }
      if (packed.tail_mask[row] != 0 &&
          (LoadPackedBytes(rest.substr(kMaxPackedAffix)) &
           packed.tail_mask[row]) != packed.tail[row]) {
        continue;
      }
      best = row;
      return;
    }
  };
  if (packed.only_start != 0) {
    // Runs of one first byte: memchr skips to the places they may begin.
    const char* const begin = word.data();
    const char* const end = begin + word.size();
    for (const char* at = begin; best > 0 && at < end; ++at) {
      at = static_cast<const char*>(
          std::memchr(at, packed.only_start, static_cast<size_t>(end - at)));
      if (at == nullptr) break;
      look_at(static_cast<size_t>(at - begin));
    }
    return runs[best].gives;
  }
  for (size_t at = 0; at < word.size() && best > 0; ++at) {
    if (packed.starts[static_cast<unsigned char>(word[at])]) look_at(at);
  }
  return runs[best].gives;
}

// The class after which {-Ha'} and {-Qo'} are written.
constexpr int kRootNegClass = kReflexiveClass;
constexpr int kRefusalClass = kHonorificClass;

}  // namespace

std::string CParsedVerb::BuildSuffixes(int n) const {
  SuffixPieces pieces;
  SuffixesBefore(n, &pieces);
  std::string out;
  out.reserve(pieces.size());
  for (size_t i = 0; i < pieces.count(); ++i) out.append(pieces.piece(i));
  return out;
}

void CParsedVerb::SuffixesBefore(int n, SuffixPieces* out) const {
  auto append = [out](std::string_view piece) { out->Add(piece); };
  auto append_rovers = [this, &append](int position) {
    // Most positions hold no rover at all.
    if ((m_strNegRover[position].size() | m_strEmphRover[position].size() |
         m_strNegEmphRover[position].size() |
         m_strEmphNegRover[position].size()) == 0) {
      return;
    }
    for (RoverSlots kind : kRoverOrder) append((this->*kind)[position]);
  };
  if (n <= 0) return;
  append_rovers(0);
  for (int type = 1; type <= kLastVerbClass && type < n; ++type) {
    append(this->*kClassFields[type]);
    if (type == kRootNegClass && !m_strRootNeg.empty()) {
      if (!root_neg_runs_known_) {
        root_neg_run_ = FirstRun(m_strWord, kRootNegRuns, kRootNegPacked);
        root_neg_runs_known_ = true;
      }
      append(root_neg_run_);
    } else if (type == kRefusalClass && !m_strRefusal.empty()) {
      if (!refusal_runs_known_) {
        refusal_run_ = FirstRun(m_strWord, kRefusalRuns, kRefusalPacked);
        after_refusal_run_ =
            FirstRun(m_strWord, kAfterRefusalRuns, kAfterRefusalPacked);
        refusal_runs_known_ = true;
      }
      append(refusal_run_);
      append(after_refusal_run_);
    } else {
      append_rovers(type + 1);
    }
  }
}

}  // namespace tesvar
