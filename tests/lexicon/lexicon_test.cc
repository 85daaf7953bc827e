#include "tesvar/lexicon.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "support/test_lexicon.h"
#include "tesvar/lexicon_tsv.h"
#include "wordvault/lexicon_internal.h"

namespace tesvar {
namespace {

using testing::Entry;

// The reference: test every entry in turn.
std::vector<uint32_t> ScanAll(const CLexicon& lexicon, std::string_view word) {
  std::vector<uint32_t> positions;
  for (uint32_t i = 0; i < lexicon.size(); ++i) {
    if (word.find(lexicon.entries()[i].word.m_strHeadword) !=
        std::string_view::npos) {
      positions.push_back(i);
    }
  }
  return positions;
}

std::vector<uint32_t> Indexed(const CLexicon& lexicon, std::string_view word) {
  std::vector<uint32_t> positions = {999};  // overwritten, not appended to
  wordvault::FindHeadwordsIn(lexicon, word, &positions);
  return positions;
}

TEST(LexiconTest, KeysAreUniqueAndOrderIsInsertionOrder) {
  CLexicon lexicon;
  EXPECT_TRUE(lexicon.Add("b", Entry("qet", kVerb, "run")));
  EXPECT_TRUE(lexicon.Add("a", Entry("qet", kNoun, "running")));
  EXPECT_FALSE(lexicon.Add("b", Entry("other", kNoun, "x")));
  ASSERT_EQ(lexicon.size(), 2u);
  EXPECT_EQ(lexicon.entries()[0].key, "b");
  EXPECT_EQ(lexicon.entries()[1].key, "a");
  EXPECT_EQ(lexicon.Find("b")->m_strDefinition, "run");
  EXPECT_FALSE(lexicon.Find("c").has_value());
  lexicon.Clear();
  EXPECT_TRUE(lexicon.empty());
  EXPECT_EQ(Indexed(lexicon, "qet"), std::vector<uint32_t>{});
}

TEST(LexiconTest, IndexFollowsCopiesAndLaterAdditions) {
  CLexicon original;
  original.Add("1", Entry("qet", kVerb, "run"));
  CLexicon copy = original;
  copy.Add("2", Entry("et", kNoun, "x"));
  original = CLexicon();  // the copy must not depend on the original
  EXPECT_EQ(Indexed(copy, "qet"), (std::vector<uint32_t>{0, 1}));
  // Moving keeps the storage: views taken before stay valid.
  const std::string_view definition = copy[0].word.m_strDefinition;
  CLexicon moved = std::move(copy);
  EXPECT_EQ(Indexed(moved, "qet"), (std::vector<uint32_t>{0, 1}));
  EXPECT_EQ(definition, "run");
  // A moved-from lexicon is empty and usable; so is one assigned itself.
  EXPECT_TRUE(copy.empty());  // NOLINT(bugprone-use-after-move)
  EXPECT_EQ(copy.PositionOf("1"), CLexicon::kNotFound);
  EXPECT_EQ(Indexed(copy, "qet"), std::vector<uint32_t>{});
  ASSERT_TRUE(copy.Add("1", Entry("et", kNoun, "y")));
  EXPECT_EQ(Indexed(copy, "qet"), std::vector<uint32_t>{0});
  const CLexicon& same = moved;
  moved = same;
  EXPECT_EQ(moved.size(), 2u);
  EXPECT_EQ(moved.Find("2")->m_strDefinition, "x");
}

// What an entry was made from, owned, to compare the lexicon against.
struct Expected {
  std::string key;
  testing::TestWord word;
};

void ExpectSame(const CLexicon::Entry& got, const Expected& want) {
  const CTWord w = want.word;
  EXPECT_EQ(got.key, want.key);
  EXPECT_EQ(got.word.m_strHeadword, w.m_strHeadword) << want.key;
  EXPECT_EQ(got.word.m_strDefinition, w.m_strDefinition) << want.key;
  EXPECT_EQ(got.word.m_strIrregularPlural, w.m_strIrregularPlural) << want.key;
  EXPECT_EQ(got.word.m_nPOS, w.m_nPOS) << want.key;
  EXPECT_EQ(got.word.m_bLanguage, w.m_bLanguage) << want.key;
  EXPECT_EQ(got.word.m_bBodyPart, w.m_bBodyPart) << want.key;
  EXPECT_EQ(got.word.m_bInherentPlural, w.m_bInherentPlural) << want.key;
  EXPECT_EQ(got.word.m_bIrregularPlural, w.m_bIrregularPlural) << want.key;
  EXPECT_EQ(got.word.m_bStative, w.m_bStative) << want.key;
}

TEST(LexiconTest, EntriesReadBackExactlyWhileTheStorageGrows) {
  using namespace std::string_literals;  // NOLINT: NUL bytes in literals
  const std::vector<Expected> edge_cases = {
      // Keys that start with the headword, fully or not at all.
      {"qet:V", Entry("qet", kVerb, "run", testing::kStative)},
      {"qet", Entry("qet", kNoun, "running")},
      {"qe", Entry("qet", kNoun, "headword longer than the key")},
      {"xqet", Entry("qet", kNoun, "headword inside the key")},
      {"Q:N", Entry("qet", kNoun, "")},
      // Empty texts, one at a time and all together.
      {"", Entry("", kNoun, "")},
      {"e1", Entry("", kVerb, "no headword")},
      {"e2", Entry("yas", -7, "", testing::kIrregularPlural, "")},
      {"e3", Entry("loD", kNoun, "", testing::kIrregularPlural, "nuv")},
      // NUL bytes and bytes from 0x80 up, in every text.
      {"n\0ul"s, Entry("n\0"s, kNoun, "a\0b"s, testing::kNoFlags, "\0"s)},
      {"\xff\x80:1", Entry("\xff\x80", kVerb, "\xc3\xa9t\xc3\xa9")},
      {"hi\xfe",
       Entry("hi\xfe\xfe", kNoun, "\x80", testing::kBodyPart, "\xfe")},
      // Every flag, with codes outside the labelled ones.
      {"f", Entry("f", 2147483647, "max",
                  testing::kLanguage | testing::kBodyPart |
                      testing::kInherentPlural | testing::kIrregularPlural |
                      testing::kStative,
                  "fpl")},
      {"g", Entry("g", -2147483647 - 1, "min", testing::kInherentPlural)},
  };
  std::vector<Expected> expected = edge_cases;
  for (int i = 0; i < 5000; ++i) {
    const std::string n = std::to_string(i);
    expected.push_back({"k" + n, Entry(i % 2 == 0 ? "k" + n : "h" + n, i % 8,
                                       "d" + n, static_cast<uint32_t>(i % 32),
                                       i % 3 == 0 ? "p" + n : "")});
  }
  CLexicon lexicon;
  for (const Expected& e : expected) {
    ASSERT_TRUE(lexicon.Add(e.key, e.word)) << e.key;
  }
  ASSERT_EQ(lexicon.size(), expected.size());
  size_t position = 0;
  for (const CLexicon::Entry& entry : lexicon.entries()) {
    ExpectSame(entry, expected[position]);
    EXPECT_EQ(lexicon.PositionOf(entry.key), position);
    ++position;
  }
  for (const Expected& e : edge_cases) {
    const std::optional<CTWord> found = lexicon.Find(e.key);
    ASSERT_TRUE(found.has_value()) << e.key;
    ExpectSame(CLexicon::Entry{e.key, *found}, e);
  }
  const CLexicon copy = lexicon;
  lexicon.Clear();
  for (size_t i = 0; i < copy.size(); ++i) ExpectSame(copy[i], expected[i]);
}

// Plurals of 16 MiB - 1 bytes or more are past the length a record keeps
// and end where the next entry's texts start, or where the texts end.
TEST(LexiconTest, LongPluralsReadBackWhole) {
  const std::string long_plural((size_t{1} << 24) - 1, 'p');
  const std::vector<Expected> expected = {
      {"a", Entry("a", kNoun, "d", testing::kIrregularPlural, long_plural)},
      {"b", Entry("b", kNoun, "d", testing::kIrregularPlural, "q")},
      {"c",
       Entry("c", kNoun, "", testing::kIrregularPlural, long_plural + "r")},
  };
  CLexicon lexicon;
  for (const Expected& e : expected) ASSERT_TRUE(lexicon.Add(e.key, e.word));
  for (size_t i = 0; i < expected.size(); ++i) {
    ExpectSame(lexicon[i], expected[i]);
  }
}

// Entries read from the lexicon view its storage; adding one again, under
// a key that views the storage too, must not read freed bytes when that
// storage grows. Each entry's key is the previous entry's definition.
TEST(LexiconTest, AddsEntriesThatViewItsOwnStorage) {
  CLexicon lexicon;
  lexicon.Add("d0", Entry("qet", kVerb, "d1", testing::kStative, "pl"));
  for (int i = 1; i <= 2000; ++i) {
    const CLexicon::Entry last = lexicon[lexicon.size() - 1];
    CTWord word = last.word;
    const std::string definition = "d" + std::to_string(i + 1);
    word.m_strDefinition = definition;
    ASSERT_TRUE(lexicon.Add(last.word.m_strDefinition, word)) << i;
  }
  ASSERT_EQ(lexicon.size(), 2001u);
  for (size_t i = 0; i < lexicon.size(); ++i) {
    const CLexicon::Entry entry = lexicon[i];
    ASSERT_EQ(entry.key, "d" + std::to_string(i));
    ASSERT_EQ(lexicon.PositionOf(entry.key), i);
    EXPECT_EQ(entry.word.m_strHeadword, "qet");
    EXPECT_EQ(entry.word.m_strIrregularPlural, "pl");
    EXPECT_EQ(entry.word.m_bStative, 1);
  }
  std::vector<uint32_t> positions;
  wordvault::FindHeadwordsIn(lexicon, "qet", &positions);
  EXPECT_EQ(positions.size(), 2001u);
}

TEST(LexiconTest, RefusesEntriesPastTheTextLimit) {
  CLexicon lexicon;
  wordvault::SetTextLimitForTesting(&lexicon, 12);
  // The headword starts the key, so it costs nothing: 5 + 1 bytes.
  ASSERT_TRUE(lexicon.Add("abc:N", Entry("abc", kNoun, "x")));
  // 2 + 3 + 1 bytes more makes 12: still fits.
  ASSERT_TRUE(lexicon.Add("k1", Entry("abc", kNoun, "y")));
  EXPECT_FALSE(lexicon.Add("k2", Entry("", kNoun, "")));
  EXPECT_EQ(lexicon.PositionOf("k2"), CLexicon::kNotFound);
  EXPECT_TRUE(lexicon.Add("", Entry("", kNoun, "")));
  EXPECT_FALSE(lexicon.Add("abc:N", Entry("", kNoun, "")));  // present
  ASSERT_EQ(lexicon.size(), 3u);
  EXPECT_EQ(lexicon[1].word.m_strDefinition, "y");
  std::vector<uint32_t> positions;
  wordvault::FindHeadwordsIn(lexicon, "abc", &positions);
  EXPECT_EQ(positions, (std::vector<uint32_t>{0, 1, 2}));
}

// How a random lexicon is filled.
enum class Fill {
  kAdd,             // entry by entry
  kReserveAndAdd,   // the same after a Reserve for all of them
  kRebuildHalfway,  // ShrinkToFit half way, which lays the index out
                    // anew, then more entries, indexed one by one
  kLoad,            // from TSV text, indexed once at the end
};

struct RandomCase {
  const char* name;
  std::string alphabet;  // the first bytes come up far more often
  Fill fill;
};

// Random lexicons against the full scan, over an alphabet that makes
// headwords occur in words often, many entries per headword, and
// headwords and words of a hundred bytes and more. Over every byte
// value, the trie meets many codes and moves children often.
TEST(LexiconTest, HeadwordIndexAgreesWithAFullScanOnRandomInput) {
  std::string every_byte;
  for (int byte = 255; byte >= 0; --byte) {
    if (byte != '\t' && byte != '\n' && byte != '\r') {
      every_byte += static_cast<char>(byte);
    }
  }
  const RandomCase cases[] = {
      {"add", std::string("aq\0\xff", 4), Fill::kAdd},
      {"reserve", std::string("aq\0\xff", 4), Fill::kReserveAndAdd},
      {"rebuild", std::string("aq\0\xff", 4), Fill::kRebuildHalfway},
      {"every byte, add", every_byte, Fill::kAdd},
      {"every byte, rebuild", every_byte, Fill::kRebuildHalfway},
      {"every byte, load", every_byte, Fill::kLoad},
  };
  for (const RandomCase& test : cases) {
    SCOPED_TRACE(test.name);
    uint64_t state = 12345;
    auto next = [&state]() {
      state = state * 6364136223846793005ULL + 1442695040888963407ULL;
      return static_cast<uint32_t>(state >> 33);
    };
    // Mostly the first four bytes of the alphabet.
    auto random_text = [&](size_t max_length) {
      std::string text;
      for (size_t n = next() % (max_length + 1); n > 0; --n) {
        const size_t range = next() % 8 == 0 ? test.alphabet.size() : 4;
        text += test.alphabet[next() % range];
      }
      return text;
    };
    const std::string long_word =
        std::string(70, 'a') + "q" + std::string(70, 'a');
    CLexicon lexicon;
    if (test.fill == Fill::kReserveAndAdd) lexicon.Reserve(400, 100);
    std::vector<std::string> headwords;
    std::string tsv = "key\theadword\tpos\tdefinition\n";
    for (int i = 0; i < 400; ++i) {
      std::string headword;
      switch (next() % 8) {
        case 0:  // the same headword as an earlier entry
          if (!headwords.empty()) {
            headword = headwords[next() % headwords.size()];
          }
          break;
        case 1:
          headword = long_word.substr(next() % 60, 64 + next() % 20);
          break;
        default:
          headword = random_text(5);
          break;
      }
      headwords.push_back(headword);
      if (test.fill == Fill::kLoad) {
        tsv += std::to_string(i) + "\t" + headword + "\tN\tx\n";
      } else {
        lexicon.Add(std::to_string(i), Entry(headword, kNoun, "x"));
      }
      if (test.fill == Fill::kRebuildHalfway && i == 200) {
        lexicon.ShrinkToFit();
      }
    }
    if (test.fill == Fill::kLoad) {
      ASSERT_TRUE(ParseLexiconTsv(tsv, "random.tsv", &lexicon).ok());
    }
    ASSERT_EQ(lexicon.size(), headwords.size());
    for (int i = 0; i < 2000; ++i) {
      const std::string word =
          i % 10 == 0 ? long_word.substr(next() % 70) : random_text(12);
      ASSERT_EQ(Indexed(lexicon, word), ScanAll(lexicon, word)) << word;
      std::vector<uint32_t> prefixes;
      lexicon.FindHeadwordPrefixes(word, &prefixes);
      std::sort(prefixes.begin(), prefixes.end());
      std::vector<uint32_t> scan;
      for (uint32_t e = 0; e < lexicon.size(); ++e) {
        if (word.compare(0, headwords[e].size(), headwords[e]) == 0) {
          scan.push_back(e);
        }
      }
      ASSERT_EQ(prefixes, scan) << word;
    }
  }
}

}  // namespace
}  // namespace tesvar
