// The weights are constant tables of every pair of letter kinds, built at
// compile time from the rows below and from the keyboard:
// two letters of one byte each are neighbours when their keys touch on a
// QWERTY keyboard, whose rows are shifted by a quarter and three quarters
// of a key. (A slip on one key of "ch" or "tlh" rarely leaves a letter.)
// Tested by near_words_test.cc.

#include "corrector/edit_weights.h"

#include <cstdint>
#include <string_view>

namespace tesvar {
namespace corrector {

namespace {

constexpr int kNeighbouringKey = 8;
constexpr int kDroppedLetter = 7;
constexpr int kNearLetter = 3;
constexpr int kLetterCutShort = 5;
constexpr int kDoubledLetter = 5;
constexpr int kStrayApostrophe = 5;
constexpr int kDroppedFromDouble = 5;
constexpr int kDroppedApostrophe = 4;

static_assert(kDroppedApostrophe >= kLightestMissingLetter &&
                  kDroppedFromDouble >= kLightestMissingLetter &&
                  kDroppedLetter >= kLightestMissingLetter,
              "kLightestMissingLetter bounds every missing letter");

// Pairs of letters that are easily typed for each other, either way.
struct NearPair {
  Letter a;
  Letter b;
  int weight;
};

constexpr NearPair kNearPairs[] = {
    {kLetterSmallQ, kLetterCapitalQ, kNearLetter},
    {kLetterCh, kLoneC, kNearLetter},
    {kLetterGh, kLoneG, kNearLetter},
    {kLetterTlh, kLetterT, kLetterCutShort},
    {kLetterNg, kLetterN, kLetterCutShort},
};

constexpr std::string_view kKeyboardRows[] = {"qwertyuiop", "asdfghjkl",
                                              "zxcvbnm"};
// Where each row starts, in quarters of a key.
constexpr int kRowShift[] = {0, 1, 3};
constexpr int kQuartersPerKey = 4;

constexpr char ToLowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Finds `key` on the keyboard; false for keys off the letter rows.
constexpr bool KeyPosition(char key, int* row, int* quarters) {
  for (int r = 0; r < 3; ++r) {
    const size_t column = kKeyboardRows[r].find(ToLowerAscii(key));
    if (column == std::string_view::npos) continue;
    *row = r;
    *quarters = static_cast<int>(column) * kQuartersPerKey + kRowShift[r];
    return true;
  }
  return false;
}

constexpr bool AreNeighbouringKeys(char a, char b) {
  int row_a = 0, at_a = 0, row_b = 0, at_b = 0;
  if (!KeyPosition(a, &row_a, &at_a) || !KeyPosition(b, &row_b, &at_b)) {
    return false;
  }
  const int rows_apart = row_a > row_b ? row_a - row_b : row_b - row_a;
  const int apart = at_a > at_b ? at_a - at_b : at_b - at_a;
  if (rows_apart == 0) return apart == kQuartersPerKey;
  return rows_apart == 1 && apart < kQuartersPerKey;
}

constexpr int MissingWeight(Letter intended, Letter previous) {
  if (intended == kApostrophe) return kDroppedApostrophe;
  if (intended == previous) return kDroppedFromDouble;
  return kDroppedLetter;
}

constexpr int PlainSubstitutionWeight(Letter a, Letter b) {
  const std::string_view spelling_a = kLetterSpellings[a];
  const std::string_view spelling_b = kLetterSpellings[b];
  if (a == b && a != kForeign) return 0;
  if (a < kLetterCount && b < kLetterCount && spelling_a.size() == 1 &&
      spelling_b.size() == 1 &&
      AreNeighbouringKeys(spelling_a[0], spelling_b[0])) {
    return kNeighbouringKey;
  }
  return kPlainEdit;
}

constexpr WeightTables MakeWeightTables() {
  WeightTables tables{};
  for (Letter a = 0; a < kLetterKinds; ++a) {
    for (Letter b = 0; b < kLetterKinds; ++b) {
      tables.substitution[a][b] = PlainSubstitutionWeight(a, b);
    }
  }
  for (const NearPair& pair : kNearPairs) {
    tables.substitution[pair.a][pair.b] = pair.weight;
    tables.substitution[pair.b][pair.a] = pair.weight;
  }
  for (Letter x = 0; x < kLetterKinds; ++x) {
    const uint32_t bit = uint32_t{1} << x;
    for (Letter other = 0; other < kLetterKinds; ++other) {
      for (int w = 0; w <= kMaxBound; ++w) {
        if (tables.substitution[x][other] <= w) {
          tables.substitutes_within[other][w] |= bit;
        }
        if (MissingWeight(x, other) <= w)
          tables.missing_within[other][w] |= bit;
      }
    }
  }
  return tables;
}

}  // namespace

constexpr WeightTables kWeightTables = MakeWeightTables();

int SubstitutionWeight(Letter intended, Letter typed) {
  return kWeightTables.substitution[intended][typed];
}

int ExtraLetterWeight(Letter typed, Letter previous) {
  if (typed == kApostrophe) return kStrayApostrophe;
  if (typed == previous && typed != kForeign) return kDoubledLetter;
  return kPlainEdit;
}

int MissingLetterWeight(Letter intended, Letter previous) {
  return MissingWeight(intended, previous);
}

int MissingFirstLetterWeight(Letter intended, Letter typed_first) {
  if (intended == kApostrophe && IsVowel(typed_first)) return 0;
  return MissingLetterWeight(intended, kForeign);
}

}  // namespace corrector
}  // namespace tesvar
