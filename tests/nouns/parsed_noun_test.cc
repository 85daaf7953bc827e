// Noun readings: the suffix scan, every grammar check (with a near miss
// that must stay clean), both renderings, and the same words through the
// parser, whose suggestion check keeps, drops or replaces corrections.

#include "nouns/parsed_noun.h"

#include <gtest/gtest.h>

#include <string>

#include "support/test_lexicon.h"
#include "tesvar/parser.h"
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
      {"nuS", "nuSHompu'wI'Daq", 1,
       "in my minor warrior (pl) = nuSHompu'wI'Daq [] []"},
      {"tav", "tav'a'meyHeyDajmo'", 1,
       "due to his/her apparent major house (pl) = tav'a'meyHeyDajmo' [] []"},
      // Order: the later suffix moves in front of the one before it only.
      {"tav", "tavvammey", 1.0 / 2,
       "these house (pl) = tavmeyvam [The noun suffix {mey} is type 2, and "
       "must precede {vam} which is type 4.] [tavmeyvam]"},
      {"tav", "tavmeyqoq'a'", 1.0 / 2,
       "so-called major house (pl) = tav'a'meyqoq [The noun suffix {'a'} is "
       "type 1, and must precede {qoq} which is type 3.] [tav'a'qoq]"},
      {"tav", "tavHomqoqHeyvo'", 1.0 / 8,
       "from apparent minor house = tavHomHeyvo' [The noun suffixs {qoq} and "
       "{Hey} are both type 3, and cannot both be on a noun at the same time.] "
       "[tavHomqoqvo'|tavHomHeyvo']"},
      {"tav", "tavqoqHey'a'", 1.0 / 8 / 2,
       "apparent major house = tav'a'Hey [The noun suffixs {qoq} and {Hey} are "
       "both type 3, and cannot both be on a noun at the same time.|The noun "
       "suffix {'a'} is type 1, and must precede {Hey} which is type 3.] "
       "[tavqoq'a'|tavHey'a'|tav'a'Hey]"},
      {"tav", "tavmeyvamvetlh", 1.0 / 8,
       "those house (pl) = tavmeyvetlh [The noun suffixs {vam} and {vetlh} are "
       "both type 4, and cannot both be on a noun at the same time.] "
       "[tavmeyvam|tavmeyvetlh]"},
      {"tav", "tavmeyqa", 0, "no reading [] []"},
      {"tav", "ta", 0, "no reading [] []"},
      // Plurals of each kind.
      {"ros", "rosDu'", 1, "hand (pl) = rosDu' [] []"},
      {"tav", "tavDu'", 1.0 / 2,
       "house (pl) = tavDu' [Body-part suffix {-Du'} on non-body-part noun "
       "{tav}] [tavmey]"},
      {"nuS", "nuSDu'", 1.0 / 2,
       "warrior (pl) = nuSDu' [Body-part suffix {-Du'} on non-body-part noun "
       "{nuS}] [nuSpu']"},
      {"nuS", "nuSpu'", 1, "warrior (pl) = nuSpu' [] []"},
      {"ros", "rosHompu'vo'", 1.0 / 2,
       "from minor hand (pl) = rosHompu'vo' [Plural suffix {-pu'} is for "
       "beings capable of language.] [rosHomDu'vo']"},
      {"lIr", "lIrpu'", 1.0 / 2 / 4,
       "people (pl) = lIrpu' [Plural suffix {-pu'} is for beings capable of "
       "language.|Cannot use plural suffix on inherently plural noun.] [lIr]"},
      {"lIr", "lIrHommeyvo'", 1.0 / 4,
       "from minor people (pl) = lIrHommeyvo' [Cannot use plural suffix on "
       "inherently plural noun.] [lIrHomvo']"},
      {"nob", "nobHommeyDaq", 1.0 / 2,
       "in minor gift (pl) = nobHommeyDaq [Irregular plural: use {nobvIn}.] "
       "[nobvInHomDaq]"},
      {"bep", "bepmey", 1.0 / 2,
       "ghost (pl) = bepmey [This word has an irregular plural form, but I "
       "don't know what it is.] []"},
      {"nob", "nobHom", 1, "minor gift = nobHom [] []"},
      // Possessives, demonstratives and the plural with its note.
      {"tav", "tavHommeyqoqma'vo'", 1.0 / 2,
       "from our so-called minor house (pl) = tavHommeyqoqma'vo' [The "
       "possessive suffix {ma'} is for beings capable of language.] "
       "[tavHommeyqoqmajvo']"},
      {"nuS", "nuSwI'", 1, "my warrior = nuSwI' [] []"},
      {"nuS", "nuSHomlIj", 1,
       "your minor warrior = nuSHomlIj [Insult: Non-language suffix on being "
       "capable of language.] [nuSHomlI']"},
      {"nuS", "nuSchaj", 1,
       "their warrior = nuSchaj [Insult: Non-language suffix on being capable "
       "of language.] []"},
      {"nuS", "nuSvetlh", 1, "that warrior = nuSvetlh [] []"},
      {"ros", "rosmeyvo'", 1.0 / 2,
       "from hand mey (scattered about) = rosmey (scattered about)vo' [Poetic "
       "usage: {-mey} on body part noun.] [rosDu'vo']"},
      {"nuS", "nuSmey", 1,
       "warrior mey (scattered about) = nuSmey (scattered about) [] []"},
      {"tav", "tavmey", 1, "house (pl) = tavmey [] []"},
      // Corrections take the slots as they are, note included.
      {"nuS", "nuSmeywIj", 1,
       "my warrior mey (scattered about) = nuSmey (scattered about)wIj "
       "[Insult: Non-language suffix on being capable of language.] [nuSmey "
       "(scattered about)wI']"},
      // Places take no locative suffix.
      {"Dat", "DatDaq", 0,
       "no reading [The nouns {pa'}, {Dat} and {naDev} don't take {-Daq}.] "
       "[Dat]"},
      {"Dat", "Datvo'", 1, "from everywhere = Datvo' [] []"},
      {"tav", "tavDaq", 1, "in house = tavDaq [] []"},
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
  CParsedNoun noun;
  ASSERT_EQ(1, noun.Parse("tavvammey", Entry("tav", kNoun, "house")));
  noun.Clear();
  ASSERT_EQ(1, noun.Parse("tav", Entry("tav", kNoun, "house")));
  EXPECT_EQ("house", noun.ToString());
  EXPECT_EQ("tav", noun.ToStringTesvar());
  EXPECT_EQ(0, noun.HasErrors() + noun.HasSuggestions());
}

// testing::Dump without the score, which is compared exactly on its own.
std::string DumpWithoutScore(const CParseResult& r) {
  std::string full = testing::Dump(r);
  const size_t errors = full.find(" errors=");
  const size_t score = full.rfind(' ', errors - 1);
  return full.erase(score, errors - score);
}

struct DriverCase {
  std::string word;
  double score;
  std::string dump;  // empty when the word has no reading
};

TEST(ParsedNounTest, ThroughTheParser) {
  const CLexicon lexicon = NounLexicon();
  const DriverCase cases[] = {
      // A flawed correction gives way to its own, already checked ones.
      {"tavvammeyHom", 1.0 / 2 / 2,
       "N tav:0 \"these minor house (pl)\" errors=[The noun suffix {mey} is "
       "type 2, and must precede {vam} which is type 4.|The noun suffix {Hom} "
       "is type 1, and must precede {mey} which is type 2.] "
       "suggestions=[tavHommey|tavHomvam]"},
      {"nobmey", 1.0 / 2,
       "N nob:0 \"gift (pl)\" errors=[Irregular plural: use {nobvIn}.] "
       "suggestions=[nobvIn]"},
      // The correction with the note has no reading and is dropped.
      {"nuSmeywIj", 1,
       "N nuS:0 \"my warrior mey (scattered about)\" errors=[Insult: "
       "Non-language suffix on being capable of language.] suggestions=[]"},
      {"TAVDU'", 1.0 / 2 / factor::kSpelling,
       "N tav:0 \"house (pl)\" errors=[Spelling or case.|Body-part suffix "
       "{-Du'} on non-body-part noun {tav}] suggestions=[tavDu'|tavmey]"},
      {"DatDaq", 0, ""},
  };
  for (const DriverCase& c : cases) {
    CTesvarParser parser(&lexicon);
    ParseResults results;
    const int count = parser.ParseWord(c.word, results);
    ASSERT_EQ(c.dump.empty() ? 0 : 1, count) << c.word;
    if (count == 0) continue;
    EXPECT_EQ(c.dump, DumpWithoutScore(results[0])) << c.word;
    EXPECT_EQ(c.score, results[0].m_dScore) << c.word;
  }
}

TEST(ParsedNounTest, PronounReadsAsNounThroughTheParser) {
  const CLexicon lexicon = NounLexicon();
  CTesvarParser parser(&lexicon);
  ParseResults results;
  parser.ParseWord("jIHvaD", results);
  int nouns = 0;
  for (const CParseResult& r : results) {
    if (r.m_strPOS != "N") continue;
    ++nouns;
    EXPECT_EQ("N jIH:2 \"for I, me\" 1 errors=[] suggestions=[]",
              testing::Dump(r));
  }
  EXPECT_EQ(1, nouns);
}

}  // namespace
}  // namespace tesvar
