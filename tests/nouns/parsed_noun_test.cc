// Noun readings where checks interact or a reading is refused; the golden
// cases hold one word per suffix and check.

#include "nouns/parsed_noun.h"

#include <gtest/gtest.h>

#include <string>

#include "support/test_lexicon.h"
#include "words/parsed_word.h"

namespace tesvar {
namespace {

using testing::Entry;
using testing::kBodyPart;
using testing::kInherentPlural;
using testing::kIrregularPlural;
using testing::kLanguage;

CLexicon NounLexicon() {
  return testing::Lexicon({
      Entry("tav", kNoun, "house"),
      Entry("nuS", kNoun, "warrior", kLanguage),
      Entry("ros", kNoun, "hand", kBodyPart),
      Entry("lIr", kNoun, "people", kInherentPlural),
      Entry("nob", kNoun, "gift", kIrregularPlural, "nobvIn"),
      Entry("nobvIn", kNoun, "gifts"),
      Entry("bep", kNoun, "ghost", kIrregularPlural),
      Entry("Dat", kNoun, "everywhere"),
      Entry("jIH", kPronoun, "I, me"),
  });
}

CTWord EntryOf(const CLexicon& lexicon, const std::string& headword) {
  for (const CLexicon::Entry& e : lexicon.entries()) {
    if (e.word.m_strHeadword == headword) return e.word;
  }
  ADD_FAILURE() << "no entry " << headword;
  return lexicon.entry(0).word;
}

// "text = native [errors] [suggestions]", or "no reading" in front of the
// lists when Parse returned 0.
std::string Dump(int parsed, const CParsedNoun& noun) {
  std::string out =
      parsed ? noun.ToString() + " = " + noun.ToStringTesvar() : "no reading";
  for (const StringList* list : {&noun.m_lstErrors, &noun.m_lstSuggestions}) {
    out += " [";
    for (size_t i = 0; i < list->size(); ++i) {
      out += (i > 0 ? "|" : "") + (*list)[i];
    }
    out += "]";
  }
  return out;
}

struct NounCase {
  std::string headword;
  std::string word;
  double score;  // checked only when there is a reading
  std::string dump;
};

TEST(ParsedNounTest, ReadsChecksAndRenders) {
  const CLexicon lexicon = NounLexicon();
  const NounCase cases[] = {
      {"tav", "tav", 1, "house = tav [] []"},
      // Two faults compound; the corrections move one suffix each.
      {"tav", "tavqoqHey'a'", 1.0 / 8 / 2,
       "apparent major house = tav'a'Hey [The noun suffixs {qoq} and {Hey} are "
       "both type 3, and cannot both be on a noun at the same time.|The noun "
       "suffix {'a'} is type 1, and must precede {Hey} which is type 3.] "
       "[tavqoq'a'|tavHey'a'|tav'a'Hey]"},
      {"lIr", "lIrpu'", 1.0 / 2 / 4,
       "people (pl) = lIrpu' [Plural suffix {-pu'} is for beings capable of "
       "language.|Cannot use plural suffix on inherently plural noun.] [lIr]"},
      {"bep", "bepmey", 1.0 / 2,
       "ghost (pl) = bepmey [This word has an irregular plural form, but I "
       "don't know what it is.] []"},
      // Corrections take the slots as they are, note included.
      {"nuS", "nuSmeywIj", 1,
       "my warrior mey (scattered about) = nuSmey (scattered about)wIj "
       "[Insult: Non-language suffix on being capable of language.] [nuSmey "
       "(scattered about)wI']"},
      // A refused reading keeps its message and correction.
      {"Dat", "DatDaq", 0,
       "no reading [The nouns {pa'}, {Dat} and {naDev} don't take {-Daq}.] "
       "[Dat]"},
      {"tav", "tavmeyqa", 0, "no reading [] []"},
  };
  for (const NounCase& c : cases) {
    CParsedNoun noun;
    const int parsed = noun.Parse(c.word, EntryOf(lexicon, c.headword));
    EXPECT_EQ(c.dump, Dump(parsed, noun)) << c.word;
    if (parsed) {
      EXPECT_EQ(c.score, noun.m_dScore) << c.word;
    }
    EXPECT_EQ(kNoun, noun.m_nPOS) << c.word;
  }
}

TEST(ParsedNounTest, RefusesOtherPartsOfSpeechAndClearsForReuse) {
  for (int32_t pos : {kVerb, kNumber, kAdverbial}) {
    CParsedNoun noun;
    EXPECT_EQ(0, noun.Parse("tavmey", Entry("tav", pos, "house"))) << pos;
    EXPECT_EQ("", noun.m_strWord) << pos;
    EXPECT_EQ(0.0, noun.m_dScore) << pos;
  }
  // The record refers to the entry's texts, so the entry is kept.
  const testing::TestWord house = Entry("tav", kNoun, "house");
  CParsedNoun noun;
  ASSERT_EQ(1, noun.Parse("tavvammey", house));
  noun.Clear();
  ASSERT_EQ(1, noun.Parse("tav", house));
  EXPECT_EQ("house", noun.ToString());
  EXPECT_EQ("tav", noun.ToStringTesvar());
  EXPECT_EQ(0, noun.HasErrors() + noun.HasSuggestions());
}

// The gloss follows the slots as they stand when rendered, also when they
// were changed after the word was read or after a Clear.
TEST(ParsedNounTest, RendersSlotsAsTheyStand) {
  const testing::TestWord house = Entry("tav", kNoun, "house");
  CParsedNoun noun;
  ASSERT_EQ(1, noun.Parse("tavvamDaq", house));
  EXPECT_EQ("in this house", noun.ToString());
  noun.m_strNS5 = "vo'";
  noun.m_strNS4 = "raj";
  EXPECT_EQ("from your house", noun.ToString());
  noun.Clear();
  noun.m_strGloss = "house";
  noun.m_strNS2 = "mey";
  noun.m_strNS4 = "vam";
  EXPECT_EQ("these house (pl)", noun.ToString());
}

}  // namespace
}  // namespace tesvar
