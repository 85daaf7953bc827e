// Writes the stored suffixes back as native text, in word order, for the
// corrected forms of the grammar checks. Rovers at one position come out
// in a fixed order. {-Ha'} and {-Qo'} are stored only as present, so the
// rovers that go with them are read back from the word itself, and the
// rovers at their positions are not written a second time.
// Tested by verb_build_suffixes_test.cc.

#include <cstddef>

#include "platform/text.h"
#include "verbs/parsed_verb.h"

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

template <size_t N>
std::string_view FirstRun(std::string_view word, const RoverRun (&runs)[N]) {
  for (const RoverRun& run : runs) {
    if (Contains(word, run.found)) return run.gives;
  }
  return std::string_view();
}

// The class after which {-Ha'} and {-Qo'} are written.
constexpr int kRootNegClass = kReflexiveClass;
constexpr int kRefusalClass = kHonorificClass;

}  // namespace

std::string CParsedVerb::BuildSuffixes(int n) const {
  std::string out;
  auto append_rovers = [this, &out](int position) {
    for (RoverSlots kind : kRoverOrder) out += (this->*kind)[position];
  };
  if (n <= 0) return out;
  // The suffixes are at most the word less its root, and rarely much less.
  out.reserve(m_strWord.size());
  append_rovers(0);
  for (int type = 1; type <= kLastVerbClass && type < n; ++type) {
    out += this->*kClassFields[type];
    if (type == kRootNegClass && !m_strRootNeg.empty()) {
      out += FirstRun(m_strWord, kRootNegRuns);
    } else if (type == kRefusalClass && !m_strRefusal.empty()) {
      out += FirstRun(m_strWord, kRefusalRuns);
      out += FirstRun(m_strWord, kAfterRefusalRuns);
    } else {
      append_rovers(type + 1);
    }
  }
  return out;
}

}  // namespace tesvar
