#include "corrector/near_words.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "corrector/edit_weights.h"

namespace tesvar {
namespace corrector {
namespace {

struct Shape {
  std::string text;
  uint8_t marks;
};

// Small hand-made shapes, so that a brute-force walk can list every path.
const std::vector<Shape> kPrefixes = {{"vI", kIsHeadword}, {"jI", kIsHeadword}};
const std::vector<Shape> kHeadwords = {
    {"Dal", kIsHeadword | kNounSuffix},
    {"Dat", kIsHeadword | kNounSuffix},
    {"ghIl", kIsHeadword | kTakesVerbPrefix | kVerbSuffix | kNounSuffix},
    {"rom", kIsHeadword | kTakesVerbPrefix | kVerbSuffix | kNounSuffix},
    {"Qagh", kIsHeadword | kNounSuffix},
    {"'ej", kIsHeadword},
    {"naQ", kIsHeadword},
    {"wa'", kIsHeadword | kNumberElement},
};
const std::vector<Shape> kSuffixes = {
    {"mey", kNounSuffix},    {"pu'", kNounSuffix | kVerbSuffix},
    {"Daq", kNounSuffix},    {"be'", kVerbSuffix},
    {"qu'", kVerbSuffix},    {"be'qu'", kVerbSuffix},
    {"maH", kNumberElement},
};

LetterTrie BuildTrie(const std::vector<Shape>& shapes) {
  LetterTrie::Builder builder;
  Letters letters;
  for (const Shape& shape : shapes) {
    EXPECT_TRUE(ReadCanonical(shape.text, &letters)) << shape.text;
    builder.Add(letters, shape.marks);
  }
  return builder.Build();
}

WordShapes TestShapes() {
  return WordShapes{BuildTrie(kPrefixes), BuildTrie(kHeadwords),
                    BuildTrie(kSuffixes)};
}

// Every word the shapes allow with up to three suffixes: for the words
// below, a fourth suffix adds more missing letters than the bound allows.
std::vector<std::string> AllPaths() {
  std::vector<std::string> paths;
  for (const Shape& headword : kHeadwords) {
    std::vector<std::string> starts = {headword.text};
    uint8_t classes =
        headword.marks & (kNounSuffix | kVerbSuffix | kNumberElement);
    if (headword.marks & kTakesVerbPrefix) {
      for (const Shape& prefix : kPrefixes) {
        starts.push_back(prefix.text + headword.text);
      }
    }
    for (const std::string& start : starts) {
      std::vector<std::string> level = {start};
      for (int depth = 0; depth <= 3; ++depth) {
        paths.insert(paths.end(), level.begin(), level.end());
        std::vector<std::string> longer;
        for (const std::string& word : level) {
          for (const Shape& suffix : kSuffixes) {
            // After a prefix, verb and noun suffixes only.
            const uint8_t allowed =
                start == headword.text ? classes : (kNounSuffix | kVerbSuffix);
            if (suffix.marks & allowed) longer.push_back(word + suffix.text);
          }
        }
        level = std::move(longer);
      }
    }
  }
  return paths;
}

// The weighted distance by the full table, the reference for the walk.
// `d` is scratch space.
int Distance(const Letters& c, const Letters& typed, std::vector<int>* table) {
  const size_t m = c.size(), n = typed.size();
  table->assign((m + 1) * (n + 1), 0);
  std::vector<int>& d = *table;
  const auto at = [n, &d](size_t j, size_t i) -> int& {
    return d[j * (n + 1) + i];
  };
  const auto extra = [&typed](size_t i) {
    return ExtraLetterWeight(typed[i - 1], i > 1 ? typed[i - 2] : kForeign);
  };
  for (size_t i = 1; i <= n; ++i) at(0, i) = at(0, i - 1) + extra(i);
  for (size_t j = 1; j <= m; ++j) {
    const int missing = j == 1 ? MissingFirstLetterWeight(c[0], typed[0])
                               : MissingLetterWeight(c[j - 1], c[j - 2]);
    at(j, 0) = at(j - 1, 0) + missing;
    for (size_t i = 1; i <= n; ++i) {
      int w = at(j - 1, i - 1) + SubstitutionWeight(c[j - 1], typed[i - 1]);
      w = std::min(w, at(j, i - 1) + extra(i));
      w = std::min(w, at(j - 1, i) + missing);
      if (i > 1 && j > 1 && c[j - 1] == typed[i - 2] &&
          c[j - 2] == typed[i - 1] && c[j - 1] != c[j - 2]) {
        w = std::min(w, at(j - 2, i - 2) + kSwapWeight);
      }
      at(j, i) = w;
    }
  }
  return at(m, n);
}

std::map<std::string, int> Search(const WordShapes& shapes,
                                  const std::string& word, int bound) {
  Letters typed;
  ReadTyped(word, &typed);
  std::vector<NearWord> found;
  EXPECT_TRUE(
      NearWordSearch(shapes, typed, bound, {1000000, 1000000}).Run(&found));
  EXPECT_TRUE(std::is_sorted(
      found.begin(), found.end(),
      [](const NearWord& a, const NearWord& b) { return a.weight < b.weight; }))
      << word;
  std::map<std::string, int> out;
  for (const NearWord& near : found) out[near.spelling] = near.weight;
  return out;
}

struct Path {
  std::string text;
  Letters letters;
};

// The paths within kMaxBound of `word` with their weights, by weighing
// every path.
std::map<std::string, int> BruteForce(const std::vector<Path>& paths,
                                      const std::string& word) {
  Letters typed;
  ReadTyped(word, &typed);
  std::map<std::string, int> out;
  std::vector<int> table;
  // Each letter of a path past the word's length is a missing letter (but
  // for a free apostrophe at the start), each letter of the word past the
  // path's length a letter too many; neither weighs less than these.
  constexpr int kLightestExtraLetter = 5;
  for (const Path& path : paths) {
    if (path.letters.size() >
            typed.size() + kMaxBound / kLightestMissingLetter + 1 ||
        typed.size() > path.letters.size() + kMaxBound / kLightestExtraLetter) {
      continue;
    }
    const int weight = Distance(path.letters, typed, &table);
    if (weight <= kMaxBound) out[path.text] = weight;
  }
  return out;
}

std::map<std::string, int> Within(const std::map<std::string, int>& paths,
                                  int bound) {
  std::map<std::string, int> out;
  for (const auto& [text, weight] : paths) {
    if (weight <= bound) out[text] = weight;
  }
  return out;
}

// `word` with one slip of each kind at each place (bytes stand for
// letters here, which makes slips inside "gh" and "tlh" too).
std::vector<std::string> OneSlip(const std::string& word) {
  const std::string letters[] = {"a", "gh", "'", "Q"};
  std::vector<std::string> words;
  for (size_t at = 0; at <= word.size(); ++at) {
    const std::string before = word.substr(0, at);
    if (at < word.size()) words.push_back(before + word.substr(at + 1));
    for (const std::string& letter : letters) {
      words.push_back(before + letter + word.substr(at));
      if (at < word.size())
        words.push_back(before + letter + word.substr(at + 1));
    }
    if (at + 1 < word.size()) {
      std::string swapped = word;
      std::swap(swapped[at], swapped[at + 1]);
      words.push_back(swapped);
    }
  }
  return words;
}

// The walk with its pruning finds exactly the paths, and weights, that
// weighing every path finds: for words near paths (every slip of every
// kind at every place) and for words far from all of them.
TEST(NearWordSearchTest, FindsWhatWeighingEveryPathFinds) {
  const WordShapes shapes = TestShapes();
  std::vector<Path> paths;
  for (const std::string& text : AllPaths()) {
    paths.push_back({text, {}});
    ASSERT_TRUE(ReadCanonical(text, &paths.back().letters)) << text;
  }
  std::vector<std::string> words = {
      "Dalmay", "vIghIrbe'", "DALMEY", "ej", "gIhl", "romqu'be", "xyzzy",
      "wa'mH", "jIrombe'qu'", "Qaghmey\xC3\xA4",
      // A light slip before a swap: the swap must be begun at a letter
      // that looks one slip too many.
      "qaghmye", "qgahmey", "vIghlIbe", "QaghDqa", "wamHa", "vIghlIeb"};
  for (const char* path : {"vIghIlbe'", "Dalmey", "wa'maH"}) {
    const std::vector<std::string> once = OneSlip(path);
    words.insert(words.end(), once.begin(), once.end());
    // And some with a second slip.
    for (size_t i = 0; i < once.size(); i += 9) {
      const std::vector<std::string> twice = OneSlip(once[i]);
      for (size_t j = i % 7; j < twice.size(); j += 7) {
        words.push_back(twice[j]);
      }
    }
  }
  for (const std::string& word : words) {
    const std::map<std::string, int> weighed = BruteForce(paths, word);
    for (const int bound : {kPlainEdit, kPlainEdit * 2}) {
      ASSERT_EQ(Within(weighed, bound), Search(shapes, word, bound))
          << word << " within " << bound;
    }
  }
}

TEST(NearWordSearchTest, LimitsEndTheSearchEarly) {
  const WordShapes shapes = TestShapes();
  Letters typed;
  ReadTyped("vIghIlbe'qu'", &typed);
  std::vector<NearWord> all;
  ASSERT_TRUE(NearWordSearch(shapes, typed, kPlainEdit * 2, {100000, 100000})
                  .Run(&all));
  ASSERT_GT(all.size(), 3u);
  std::vector<NearWord> few;
  NearWordSearch by_rows(shapes, typed, kPlainEdit * 2, {20, 100000});
  EXPECT_FALSE(by_rows.Run(&few));
  EXPECT_EQ(0u, by_rows.rows_left());
  EXPECT_LT(few.size(), all.size());
  EXPECT_FALSE(
      NearWordSearch(shapes, typed, kPlainEdit * 2, {100000, 2}).Run(&few));
  EXPECT_LE(few.size(), 2u);
}

}  // namespace
}  // namespace corrector
}  // namespace tesvar
