// Kept verb scans: a scan that goes on from the kept scan of a word that
// begins the same way must leave the record and the corrections a fresh
// scan leaves, whatever came before it.

#include "verbs/verb_scan_memo.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/separate_texts.h"
#include "support/test_lexicon.h"
#include "verbs/parsed_verb.h"
#include "verbs/verb_suffix_rows.h"

namespace tesvar {
namespace {

using testing::SeparateTexts;

std::string Times(const std::string& piece, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += piece;
  return out;
}

// Everything a scan leaves in the record, on one line.
std::string Dump(const CParsedVerb& v, int result,
                 const std::vector<std::string_view>& corrections) {
  std::string out =
      std::to_string(result) + " " + std::to_string(v.m_dScore) + " " +
      v.BuildSuffixes(kLastVerbClass + 1) + " |" + std::string(v.m_strRootNeg) +
      "|" + std::string(v.m_strRefusal) + "|" + std::to_string(v.m_bAsNoun);
  for (std::string_view correction : corrections) {
    out += "\n  ";
    out += correction;
  }
  return out;
}

TEST(VerbScanMemoTest, KeptScansReadAsFreshOnes) {
  const testing::TestWord eat = testing::Entry("lop", kVerb, "eat");
  const testing::TestWord still =
      testing::Entry("lop", kVerb, "be still", testing::kStative);
  const std::string chain = "yIlopbe'qu'" + Times("Qo'qu'", 25);
  const std::string after_refusal = "yIlopQo'taH" + Times("qu'Qo'", 25);
  const std::string root_neg = "yIlopHa'" + Times("be'qu'", 25);
  struct Case {
    const testing::TestWord* entry;
    std::string word;
  };
  const Case cases[] = {
      {&eat, chain},
      {&eat, chain + "Qo'qu'"},           // one suffix more
      {&eat, chain + "Qo'qu'Qo'qu'be'"},  // and more
      {&eat, chain.substr(0, 80) + "be'" + chain.substr(80)},  // inside
      {&eat, chain.substr(0, chain.size() - 9)},               // shorter
      {&eat, chain + "taH"},                     // a class after the rovers
      {&eat, chain + "taHwI'pu'"},               // made a noun
      {&eat, chain + "xyz" + Times("qu'", 10)},  // fails to read
      {&still, chain + "Qo'qu'"},                // another entry, same text
      {&eat, "lu" + chain.substr(2)},            // another prefix
      {&eat, chain.substr(2)},                   // no prefix
      // The runs of rovers around {-Qo'} and {-Ha'} are read from the
      // whole word; corrections made before the change must take the new
      // word's.
      {&eat, after_refusal},
      {&eat, after_refusal + "be'qu'Qo'"},
      {&eat, after_refusal + "Qo'be'qu'"},
      // A change just after a {-Qo'} of the shared beginning.
      {&eat, after_refusal.substr(0, 89) + "be'qu'" + after_refusal.substr(89)},
      {&eat, after_refusal.substr(0, 86) + "be'" + after_refusal.substr(86)},
      {&eat, root_neg},
      {&eat, root_neg + "Ha'be'qu'"},
      {&eat, "yIlop'eghbe'" + Times("qu'be'", 24) + "Ha'" + Times("qu'", 3)},
      {&eat, "yIlop'eghbe'" + Times("qu'be'", 24) + "Ha'" + Times("qu'", 4)},
      // Rovers stored early, at a position the rest leaves alone.
      {&eat, "yIlopqu'taH" + Times("Qo'be'", 25)},
      {&eat, "yIlopqu'taH" + Times("Qo'be'", 25) + "qu'"},
      {&eat, chain + "Qo'qu'"},  // back to an earlier word
  };
  VerbSuffixRows rows;
  VerbScanMemo memo;
  SeparateTexts space;
  CParsedVerb kept;
  kept.set_quiet(true);
  kept.set_text_space(&space);
  kept.set_scan_memo(&memo);
  for (const Case& c : cases) {
    CParsedVerb plain;
    plain.set_quiet(true);
    SeparateTexts plain_space;
    plain.set_text_space(&plain_space);
    const int plain_result = plain.Parse(c.word, *c.entry);
    rows.Rebase(c.word);
    kept.set_suffix_rows(&rows);
    kept.Clear();
    const int kept_result = kept.Parse(c.word, *c.entry);
    kept.set_suffix_rows(nullptr);
    EXPECT_EQ(Dump(kept, kept_result, kept.suggestions_in_space()),
              Dump(plain, plain_result, plain.suggestions_in_space()))
        << c.word;
  }
}

// A scan goes on from the last point whose suffixes were all matched from
// shared bytes, and never from one after a correction it could not keep.
TEST(VerbScanMemoTest, GoesOnFromTheLastPointTheWordShares) {
  const std::string word(200, 'a');
  const VerbScanMemo::Key key{nullptr, 3, 0, 0};
  VerbScanMemo memo;
  bool resumed = true;
  VerbScanMemo::Scan& scan = memo.Begin(word, key, &resumed);
  EXPECT_FALSE(resumed);
  for (size_t offset : {20, 40, 60, 80}) {
    // One correction before each point, with the word's tail in it.
    scan.AddText("x", scan.word);
    scan.AddText(std::string_view(scan.word).substr(offset - 1), scan.word);
    scan.EndRecipe();
    VerbScanPoint& point = scan.AddPoint();
    point = VerbScanPoint{};
    point.offset = offset;
    point.recipes = scan.recipe_ends.size();
  }
  struct Case {
    size_t shared;  // bytes the next word shares with `word`
    bool resumed;
    size_t offset;
  };
  const Case cases[] = {
      {200, true, 80}, {87, true, 80}, {86, true, 60}, {67, true, 60},
      {66, true, 40},  {27, true, 20}, {26, false, 0}, {0, false, 0},
  };
  for (const Case& c : cases) {
    VerbScanMemo copy_from;  // a memo holding `word` only
    VerbScanMemo::Scan& kept = copy_from.Begin(word, key, &resumed);
    kept.pieces = scan.pieces;
    kept.recipe_ends = scan.recipe_ends;
    kept.points = scan.points;
    kept.point_count = scan.point_count;
    const std::string next = word.substr(0, c.shared) + std::string(50, 'b');
    VerbScanMemo::Scan& went_on = copy_from.Begin(next, key, &resumed);
    EXPECT_EQ(resumed, c.resumed) << c.shared;
    if (!resumed) continue;
    const VerbScanPoint& from = went_on.last_point();
    EXPECT_EQ(from.offset, c.offset) << c.shared;
    EXPECT_EQ(went_on.recipe_ends.size(), from.recipes) << c.shared;
    EXPECT_EQ(went_on.word, next);
    ASSERT_EQ(went_on.pieces.size(), 2 * from.recipes);
    EXPECT_EQ(went_on.pieces.back().kind, CorrectionPiece::kTail);
    EXPECT_EQ(went_on.pieces.back().size, c.offset - 1);
    // Another start is another scan.
    VerbScanMemo::Key other = key;
    other.stative = 1;
    copy_from.Begin(next, other, &resumed);
    EXPECT_FALSE(resumed);
  }

  // A piece of the word that is no tail cannot be rebuilt: points after
  // it are not gone on from.
  VerbScanMemo::Scan& cut = memo.Begin(word, key, &resumed);
  ASSERT_TRUE(resumed);
  ASSERT_EQ(cut.last_point().offset, 80u);
  cut.AddText(std::string_view(cut.word).substr(90, 5), cut.word);
  cut.EndRecipe();
  VerbScanPoint& later = cut.AddPoint();
  later = VerbScanPoint{};
  later.offset = 120;
  later.recipes = cut.recipe_ends.size();
  const VerbScanMemo::Scan& again = memo.Begin(word, key, &resumed);
  ASSERT_TRUE(resumed);
  EXPECT_EQ(again.last_point().offset, 80u);
}

}  // namespace
}  // namespace tesvar
