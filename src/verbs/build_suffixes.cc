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
#include <iterator>
#include <vector>

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

// RunSearch relies on a last row with an empty run, which always applies.
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

// The search for the first run of a table (in table order) found anywhere
// in a word, fed the places where runs may begin in any order.
template <size_t N>
class RunSearch {
 public:
  RunSearch(std::string_view word, const RoverRun (&runs)[N],
            const PackedRuns<N>& packed)
      : word_(word), runs_(runs), packed_(packed) {}

  // Lowers the best run to the first one ahead of it that begins at `at`.
  void LookAt(size_t at) {
    const std::string_view rest = word_.substr(at);
    const uint64_t head = LoadPackedBytes(rest);
    if (rest.size() >= 2 * kMaxPackedAffix) {
      // Every run fits here: two loads, and a run without tail compares
      // its empty tail mask equal.
      const uint64_t tail = LoadPackedBytes(rest.substr(kMaxPackedAffix));
      for (size_t row = 0; row < best_; ++row) {
        if ((((head & packed_.head_mask[row]) ^ packed_.head[row]) |
             ((tail & packed_.tail_mask[row]) ^ packed_.tail[row])) == 0) {
          best_ = row;
          return;
        }
      }
      return;
    }
    for (size_t row = 0; row < best_; ++row) {
      if (runs_[row].found.size() > rest.size() ||
          (head & packed_.head_mask[row]) != packed_.head[row]) {
        continue;
      }
      if (packed_.tail_mask[row] != 0 &&
          (LoadPackedBytes(rest.substr(kMaxPackedAffix)) &
           packed_.tail_mask[row]) != packed_.tail[row]) {
        continue;
      }
      best_ = row;
      return;
    }
  }
  // Whether no run can beat the best one any more.
  bool done() const { return best_ == 0; }
  // What the best run gives; the catch-all's text when none was found.
  std::string_view gives() const { return runs_[best_].gives; }

 private:
  const std::string_view word_;
  const RoverRun (&runs_)[N];
  const PackedRuns<N>& packed_;
  size_t best_ = N - 1;  // the catch-all
};

// The high bit of each byte of `chunk` (packed) that equals `byte`, the
// other bits clear. Bytes a short chunk was padded with are 0, never a
// `byte` here.
inline uint64_t BytesEqualTo(uint64_t chunk, char byte) {
  constexpr uint64_t kLowSeven = 0x7f7f7f7f7f7f7f7f;
  const uint64_t x =
      chunk ^ (0x0101010101010101 * static_cast<unsigned char>(byte));
  // A byte of x is 0 just where its low seven bits, raised by 0x7f, do not
  // carry into the high bit, and that bit is clear too.
  return ~(((x & kLowSeven) + kLowSeven) | x | kLowSeven);
}

// The number of the lowest byte whose high bit is set in `marks`, which
// has no other bits. REQUIRES: marks != 0. The lowest mark, moved to the
// low bit of its byte, shifts a table of byte numbers up by as many bytes
// as it stands, so that the top byte is its number.
inline size_t LowestMarkedByte(uint64_t marks) {
  const uint64_t lowest = (marks & (0 - marks)) >> 7;
  return static_cast<size_t>((lowest * 0x0001020304050607) >> 56);
}

// Calls `look(at)` for each place of `byte` in `word`, in order, until it
// returns false. The word is read eight bytes at a time. REQUIRES: byte
// is not 0.
template <typename Look>
void ForEachByte(std::string_view word, char byte, Look look) {
  for (size_t start = 0; start < word.size(); start += kMaxPackedAffix) {
    uint64_t found = BytesEqualTo(LoadPackedBytes(word.substr(start)), byte);
    for (; found != 0; found &= found - 1) {
      if (!look(start + LowestMarkedByte(found))) return;
    }
  }
}

// What the first run of {-Ha'} in `word` gives. Its runs all begin with
// the same byte.
std::string_view FirstRootNegRun(std::string_view word) {
  static_assert(kRootNegPacked.only_start != 0);
  RunSearch search(word, kRootNegRuns, kRootNegPacked);
  ForEachByte(word, kRootNegPacked.only_start, [&search](size_t at) {
    search.LookAt(at);
    return !search.done();
  });
  return search.gives();
}

// The runs before and after {-Qo'}, found in one pass over the word: each
// holds the {-Qo'} at a fixed distance from its start, so each place of
// {-Qo'} is compared only with the rovers that may stand on either side.
constexpr std::string_view kRefusalText = "Qo'";
template <size_t N>
constexpr bool EachRunAt(const RoverRun (&runs)[N], std::string_view text,
                         size_t a, size_t b) {
  for (size_t i = 0; i + 1 < N; ++i) {
    const size_t at = runs[i].found.find(text[0]);
    if ((at != a && at != b) || runs[i].found.substr(at, text.size()) != text) {
      return false;
    }
  }
  return true;
}
constexpr size_t kLongBefore = 6;   // "be'qu'" and "qu'be'"
constexpr size_t kShortBefore = 3;  // "be'" and "qu'"
static_assert(EachRunAt(kRefusalRuns, kRefusalText, kLongBefore, kShortBefore));
static_assert(EachRunAt(kAfterRefusalRuns, kRefusalText, 0, 0));

// The rovers of each run but the catch-all on one side of its {-Qo'},
// packed; every side is one to eight bytes long.
template <size_t N>
struct RunSides {
  uint64_t packed[N - 1];
  uint64_t mask[N - 1];
  uint8_t size[N - 1];
};

template <size_t N>
constexpr RunSides<N> SidesOf(const RoverRun (&runs)[N], bool before) {
  RunSides<N> sides{};
  for (size_t i = 0; i + 1 < N; ++i) {
    const std::string_view found = runs[i].found;
    const size_t at = found.find(kRefusalText[0]);
    const std::string_view side =
        before ? found.substr(0, at) : found.substr(at + kRefusalText.size());
    sides.packed[i] = PackBytes(side);
    sides.mask[i] = side.size() >= kMaxPackedAffix
                        ? ~uint64_t{0}
                        : (uint64_t{1} << (8 * side.size())) - 1;
    sides.size[i] = static_cast<uint8_t>(side.size());
  }
  return sides;
}

// Every side is one to eight bytes long, none of them 0: a side then
// never matches the zero bytes a load pads a short text with, so the
// search needs no length checks.
template <size_t N>
constexpr bool SidesFitOneWord(const RunSides<N>& sides) {
  for (size_t i = 0; i + 1 < N; ++i) {
    if (sides.size[i] == 0 || sides.size[i] > kMaxPackedAffix) return false;
    for (size_t byte = 0; byte < sides.size[i]; ++byte) {
      if (((sides.packed[i] >> (8 * byte)) & 0xff) == 0) return false;
    }
  }
  return true;
}
constexpr auto kBeforeRefusal = SidesOf(kRefusalRuns, true);
constexpr auto kAfterRefusal = SidesOf(kAfterRefusalRuns, false);
static_assert(SidesFitOneWord(kBeforeRefusal) &&
              SidesFitOneWord(kAfterRefusal));

// Lowers *best to the first row ahead of it whose side `fits`.
template <size_t N, typename Fits>
void LowerBest(const RunSides<N>& sides, Fits fits, size_t* best) {
  for (size_t row = 0; row < *best; ++row) {
    if (fits(sides.packed[row], sides.mask[row], sides.size[row])) {
      *best = row;
      return;
    }
  }
}

constexpr size_t kRefusalCatchAll = std::size(kRefusalRuns) - 1;
static_assert(std::size(kAfterRefusalRuns) - 1 == kRefusalCatchAll);
// What a place of {-Qo'} is judged by: the bytes before it, and those of
// the {-Qo'} and one packed word after it.
static_assert(kRefusalText.size() + kMaxPackedAffix <=
              VerbScanMemo::kRefusalMarkReach);

// Lowers *before and *after, rows of kRefusalRuns and kAfterRefusalRuns,
// to the first rows that fit a place of {-Qo'} in `word` from byte
// `start` on, and calls `mark(at, *before, *after)` after each place.
// Stops once both are 0.
template <typename Mark>
void SearchRefusalRuns(std::string_view word, size_t start, size_t* before,
                       size_t* after, Mark mark) {
  constexpr uint64_t kRefusalPacked = PackBytes(kRefusalText);
  constexpr uint64_t kRefusalMask =
      (uint64_t{1} << (8 * kRefusalText.size())) - 1;
  if ((*before | *after) == 0) return;
  const char* const bytes = word.data();
  ForEachByte(word.substr(start), kRefusalText[0], [&](size_t found) {
    const size_t at = start + found;
    const std::string_view from(bytes + at, word.size() - at);
    if ((LoadPackedBytes(from) & kRefusalMask) != kRefusalPacked) return true;
    // The eight bytes that end at the {-Qo'}, the last in the high byte;
    // near the start of the word, those there are, shifted up.
    const uint64_t ahead =
        at >= kMaxPackedAffix
            ? LoadPackedBytes(std::string_view(from.data() - kMaxPackedAffix,
                                               kMaxPackedAffix))
        : at == 0 ? 0
                  : LoadPackedBytes(std::string_view(bytes, at))
                        << (8 * (kMaxPackedAffix - at));
    LowerBest(
        kBeforeRefusal,
        [ahead](uint64_t packed, uint64_t, size_t size) {
          return (ahead >> (8 * (kMaxPackedAffix - size))) == packed;
        },
        before);
    const uint64_t behind = LoadPackedBytes(std::string_view(
        from.data() + kRefusalText.size(), from.size() - kRefusalText.size()));
    LowerBest(
        kAfterRefusal,
        [behind](uint64_t packed, uint64_t mask, size_t) {
          return (behind & mask) == packed;
        },
        after);
    mark(at, *before, *after);
    return (*before | *after) != 0;
  });
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

std::string_view CParsedVerb::RoverRun(VerbRoverRun run) const {
  if (run == kRootNegRun) {
    if (!root_neg_runs_known_) ReadRootNegRun();
    return root_neg_run_;
  }
  if (!refusal_runs_known_) ReadRefusalRuns();
  return run == kRefusalRun ? refusal_run_ : after_refusal_run_;
}

void CParsedVerb::ReadRootNegRun() const {
  root_neg_run_ = FirstRootNegRun(m_strWord);
  root_neg_runs_known_ = true;
}

void CParsedVerb::ReadRefusalRuns() const {
  size_t before = kRefusalCatchAll;
  size_t after = kRefusalCatchAll;
  if (kept_scan_ == nullptr) {
    SearchRefusalRuns(m_strWord, 0, &before, &after,
                      [](size_t, size_t, size_t) {});
  } else {
    // The places a kept scan's word shares with this one are judged
    // alike: the search goes on after the last of them.
    std::vector<RefusalMark>& marks = kept_scan_->refusal_marks;
    size_t start = 0;
    if (!marks.empty()) {
      before = marks.back().before;
      after = marks.back().after;
      start = marks.back().at + size_t{1};
    }
    SearchRefusalRuns(m_strWord, start, &before, &after,
                      [&marks](size_t at, size_t b, size_t a) {
                        marks.push_back(RefusalMark{static_cast<uint32_t>(at),
                                                    static_cast<uint8_t>(b),
                                                    static_cast<uint8_t>(a)});
                      });
  }
  refusal_run_ = kRefusalRuns[before].gives;
  after_refusal_run_ = kAfterRefusalRuns[after].gives;
  refusal_runs_known_ = true;
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
  const int last = n - 1 < kLastVerbClass ? n - 1 : kLastVerbClass;
  uint32_t pieces = pieces_known_ ? stored_pieces_ : ~uint32_t{0};
  // The runs around {-Ha'} and {-Qo'} stand in for the rovers after their
  // class.
  if (!m_strRootNeg.empty()) pieces |= RoverPiece(kRootNegClass + 1);
  if (!m_strRefusal.empty()) pieces |= RoverPiece(kRefusalClass + 1);
  if ((pieces & RoverPiece(0)) != 0) append_rovers(0);
  for (int type = 1; type <= last; ++type) {
    // Bit 0: the class field; bit 1: the rovers after it.
    const uint32_t here = pieces >> (2 * type - 1);
    if (here == 0) break;
    if ((here & 1) != 0) append(this->*kClassFields[type]);
    if ((here & 2) == 0) continue;
    if (type == kRootNegClass && !m_strRootNeg.empty()) {
      if (!root_neg_runs_known_) ReadRootNegRun();
      out->AddRun(root_neg_run_, kRootNegRun);
    } else if (type == kRefusalClass && !m_strRefusal.empty()) {
      if (!refusal_runs_known_) ReadRefusalRuns();
      out->AddRun(refusal_run_, kRefusalRun);
      out->AddRun(after_refusal_run_, kAfterRefusalRun);
    } else {
      append_rovers(type + 1);
    }
  }
}

}  // namespace tesvar
