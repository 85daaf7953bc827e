// Reading a verb: the prefix families, the split into class suffixes and
// rovers by position, failures, pronouns used as verbs, and verbs turned
// into nouns with noun suffixes after them.

#include <gtest/gtest.h>

#include <string>

#include "support/test_lexicon.h"
#include "verbs/parsed_verb.h"
#include "verbs/verb_affix_tables.h"
#include "verbs/verb_suffix_rows.h"

namespace tesvar {
namespace {

using testing::Entry;

// The filled parts of a record in word order, e.g. "'egh be'@2 taH".
std::string Slots(const CParsedVerb& v) {
  std::string out;
  auto add = [&out](std::string_view item) {
    if (item.empty()) return;
    if (!out.empty()) out += ' ';
    out += item;
  };
  add(v.m_strRootNeg.empty() ? "" : "Ha'");
  add(v.m_strRefusal.empty() ? "" : "Qo'");
  for (int pos = 0; pos < CParsedVerb::kRoverSlots; ++pos) {
    for (const std::string_view* slot :
         {v.m_strNegEmphRover, v.m_strNegRover, v.m_strEmphNegRover,
          v.m_strEmphRover}) {
      if (!slot[pos].empty()) {
        add(std::string(slot[pos]) + "@" + std::to_string(pos));
      }
    }
    if (pos > 0 && pos <= kLastVerbClass) add(v.*kClassFields[pos]);
  }
  return out;
}

const testing::TestWord kLop = Entry("lop", kVerb, "eat");

TEST(VerbScanTest, ClassesAndRoversByPosition) {
  struct Case {
    const char* word;
    int result;
    const char* slots;
  };
  const Case cases[] = {
      {"lop", 1, ""},
      {"lop'eghbeHchoHmoHlaHba'taHneS'a'", 1,
       "'egh beH choH moH laH ba' taH neS 'a'"},
      {"lopbe'", 1, "be'@0"},
      {"lop'eghbe'taH", 1, "'egh be'@2 taH"},
      {"lopnISbe'qa'qu'", 1, "nIS be'@3 qa' qu'@4"},
      {"lopmoHbe'qu'laHqu'be'", 1, "moH be'qu'@5 laH qu'be'@6"},
      {"lopbejbe'pu'qu'neSbe'mo'qu'", 1,
       "bej be'@7 pu' qu'@8 neS be'@9 mo' qu'@10"},
      {"lopqu'be'taH", 1, "qu'be'@0 taH"},
      {"lopHa'be'", 1, "Ha' be'@0"},
      {"lopQo'be'qu'qu'", 1, "Qo' be'qu'@0 qu'@0"},
      {"lop'eghqu'Ha'be'taHQo'neSbe'", 1,
       "Ha' Qo' 'egh be'@2 qu'@2 taH neS be'@9"},
      // A repeated class is stored again; the later suffix wins.
      {"loplaHlu'", 1, "lu'"},
      // What was read before an unreadable tail stays.
      {"loptaHyov", 0, "taH"},
  };
  // A cleared record reads as a fresh one: no rover of an earlier word
  // stays behind. It also writes the suffixes back from the pieces it
  // knows were stored, where a fresh one, which might have been filled by
  // hand, looks at every piece; both give the same text.
  CParsedVerb reused;
  for (const Case& c : cases) {
    CParsedVerb verb;
    EXPECT_EQ(verb.ParseNoPrefix(c.word, kLop), c.result) << c.word;
    EXPECT_EQ(Slots(verb), c.slots) << c.word;
    reused.Clear();
    EXPECT_EQ(reused.ParseNoPrefix(c.word, kLop), c.result) << c.word;
    EXPECT_EQ(Slots(reused), c.slots) << c.word;
    for (int n = 0; n <= kLastVerbClass + 1; ++n) {
      EXPECT_EQ(reused.BuildSuffixes(n), verb.BuildSuffixes(n))
          << c.word << " " << n;
    }
  }
}

// The renderers read each class's table row through ClassRow: the row the
// scan stored while the field still holds its text, a lookup otherwise.
TEST(VerbScanTest, ClassRowsFollowTheFields) {
  CParsedVerb verb;
  ASSERT_EQ(verb.ParseNoPrefix("loplaH'a'", kLop), 1);
  ASSERT_NE(verb.ClassRow(kAbilityClass), nullptr);
  EXPECT_EQ(verb.ClassGloss(kAbilityClass), "can ");
  EXPECT_TRUE(verb.ClassHas(kAbilityClass, kMeansCan));
  EXPECT_TRUE(verb.ClassHas(kClauseClass, kYesNoQuestion));
  EXPECT_EQ(verb.ClassRow(kAspectClass), nullptr);
  EXPECT_EQ(verb.ClassGloss(kAspectClass), "");

  const std::string one = "lu'";  // the same text elsewhere in memory
  verb.m_strVS5 = one;
  EXPECT_EQ(verb.ClassGloss(kAbilityClass), "one");
  EXPECT_FALSE(verb.ClassHas(kAbilityClass, kMeansCan));
  EXPECT_TRUE(verb.ClassHas(kAbilityClass, kSubjectIsOne));
  verb.m_strVS9 = "xyz";  // no table suffix: shown as it is
  EXPECT_EQ(verb.ClassRow(kClauseClass), nullptr);
  EXPECT_EQ(verb.ClassGloss(kClauseClass), "xyz");

  verb.Clear();
  EXPECT_EQ(verb.ClassRow(kAbilityClass), nullptr);
  ASSERT_EQ(verb.ParseNoPrefix("lopnIS", kLop), 1);
  EXPECT_EQ(verb.ClassRow(kAbilityClass), nullptr);
  EXPECT_EQ(verb.ClassRow(kVolitionClass)->suffix, "nIS");
}

TEST(VerbScanTest, WhichEntriesAndPrefixesRead) {
  struct Case {
    testing::TestWord entry;
    const char* word;
    int result;
    const char* prefix;
    int pronoun;
  };
  const testing::TestWord we = Entry("maH", kPronoun, "we");
  const testing::TestWord cold = Entry("bIr", kVerb, "be cold");
  const Case cases[] = {
      {cold, "bIrtaH", 1, "", 0},  // "bI" is tried first and fails
      {cold, "bIbIr", 1, "bI", 0},
      {kLop, "vIbIlop", 0, "", 0},
      {kLop, "vILop", 0, "", 0},
      {we, "maHtaH", 1, "", 1},
      {we, "vImaH", 0, "", 1},
      {Entry("'e'", kPronoun, "that"), "'e'", 0, "", 0},
      {Entry("lop", kNoun, "food"), "lop", 0, "", 0},
  };
  for (const Case& c : cases) {
    CParsedVerb verb;
    EXPECT_EQ(verb.Parse(c.word, c.entry), c.result) << c.word;
    EXPECT_EQ(verb.m_strPrefix, c.prefix) << c.word;
    EXPECT_EQ(verb.m_bPronoun, c.pronoun) << c.word;
  }
  // A failed prefix reading leaves nothing of what its rest produced.
  CParsedVerb verb;
  EXPECT_EQ(verb.ParseWithPrefix("yIlopjajyov", kLop), 0);
  EXPECT_TRUE(verb.m_lstErrors.empty());
  EXPECT_EQ(std::string(verb.m_strPrefix) + std::string(verb.m_strVS9), "");
}

// The noun reading is made from the verb part; its definition, the
// English of the verb part, is made only when the reading is shown.
TEST(VerbScanTest, VerbsTurnedIntoNouns) {
  struct Case {
    const char* word;
    int result;
    const char* noun;  // headword and NS1 to NS5
    const char* gloss;
  };
  const Case cases[] = {
      {"lopwI'", 1, "lopwI'|||||",
       "one/thing which is/does eat him/her/it/them"},
      {"loptaHghachDaq", 1, "loptaHghach|||||Daq",
       "in (noun) eat (on-going) him/her/it/them"},
      {"vIlopwI'vam", 1, "lopwI'||||vam|",
       "this one/thing which is/does eat him/her/it/them"},
      {"lopwI'pu'", 1, "lopwI'||pu'|||",
       "one/thing which is/does eat him/her/it/them (pl)"},
      {"lopwI'taH", 0, "lopwI'|||||", ""},
      // A verb defined like a place is no place noun: it takes {-Daq}.
      {"peSopghachDaq", 1, "Sopghach|||||Daq", "in everywhere!"},
  };
  const testing::TestWord everywhere = Entry("Sop", kVerb, "everywhere");
  for (const Case& c : cases) {
    CParsedVerb verb;
    const bool place = std::string(c.word).find("Sop") != std::string::npos;
    EXPECT_EQ(verb.Parse(c.word, place ? everywhere : kLop), c.result)
        << c.word;
    EXPECT_EQ(verb.m_bAsNoun + verb.m_bNominalised, 2) << c.word;
    const CParsedNoun& n = verb.m_noun;
    std::string slots(n.m_strHeadword);
    for (std::string_view slot :
         {n.m_strNS1, n.m_strNS2, n.m_strNS3, n.m_strNS4, n.m_strNS5}) {
      slots += '|';
      slots += slot;
    }
    EXPECT_EQ(slots, c.noun) << c.word;
    if (c.result) {
      EXPECT_EQ(verb.ToString(), c.gloss) << c.word;
    }
  }
}

// Kept rows must be the rows a match finds, whichever words came before:
// corrections follow one another, sharing their beginnings or ends, and a
// row is kept only while all the bytes it was found from are shared.
TEST(VerbScanTest, KeptSuffixRowsFollowTheWord) {
  const char* const words[] = {
      "lopqu'Qo'qu'Qo'qu'Qo'qu'Qo'qu'Qo'qu'be'",
      "lopqu'Qo'qu'Qo'qu'Qo'qu'Qo'qu'Qo'qu'bej",  // last row changes
      "lopqu'Qo'qu'Qo'qu'Qo'qu'Qo'qu'Qo'qu'",     // shorter
      "lopqu'Qo'qu'Qo'qu'Qo'qu'Qo'qu'Qo'qu'be'qu'Qo'qu'Qo'",
      "lopqu'Qo'qu'Qo'qu'Qo'be'qu'Qo'qu'Qo'qu'Qo'qu'Qo'",
      "lop",
      "loptaHwI'pu'qu'Qo'qu'Qo'qu'Qo'qu'Qo'qu'Qo'qu'Qo'",
      "taHqu'Qo'qu'Qo'qu'Qo'qu'Qo'qu'Qo'qu'Qo'",  // the same end only
      "lopqu'Qo'qu'Qo'qu'Qo'qu'Qo'qu'Qo'qu'be'",  // back to an earlier one
      "lopqu'Qo'qu'Qo'qu'Qo'qu'Qo'qu'Qo'qu'be'qu'",
  };
  VerbSuffixRows rows;
  for (const std::string word : words) {
    rows.Rebase(word);
    // From the end first: rows found late must not leak into early ones.
    for (size_t at = word.size() + 1; at-- > 0;) {
      const std::string_view tail = std::string_view(word).substr(at);
      EXPECT_EQ(rows.At(at), MatchVerbSuffixRow(tail)) << word << " @" << at;
      EXPECT_EQ(rows.Match(tail), MatchVerbSuffixRow(tail)) << word;
    }
    // The same bytes elsewhere are no tail of the word served.
    const std::string other = "lopqu'bej";
    EXPECT_EQ(rows.Match(std::string_view(other).substr(3)),
              MatchVerbSuffixRow("qu'bej"));
  }
}

// A scan reads the same with rows kept as without.
TEST(VerbScanTest, ScanWithKeptRowsReadsTheSame) {
  const char* const words[] = {
      "lopqu'Qo'qu'Qo'qu'Qo'qu'Qo'qu'Qo'qu'be'",
      "lopQo'be'qu'qu'taHwI'pu'",
      "lopmoHbe'qu'laHqu'be'qu'Qo'qu'Qo'qu'Qo'",
  };
  VerbSuffixRows rows;
  for (const std::string word : words) {
    CParsedVerb plain;
    CParsedVerb kept;
    rows.Rebase(word);
    kept.set_suffix_rows(&rows);
    EXPECT_EQ(kept.Parse(word, kLop), plain.Parse(word, kLop)) << word;
    EXPECT_EQ(Slots(kept), Slots(plain)) << word;
    EXPECT_EQ(kept.m_dScore, plain.m_dScore) << word;
    EXPECT_EQ(kept.m_lstSuggestions, plain.m_lstSuggestions) << word;
  }
}

}  // namespace
}  // namespace tesvar
