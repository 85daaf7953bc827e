// The driver's phases, checked with uninflected words (codes 3 and above)
// so that only the driver's own behaviour is visible: candidate order,
// normalisation, existing elements, the suggestion walk and its bounds.

#include "tesvar/parser.h"

#include <gtest/gtest.h>

#include <string>

#include "support/test_lexicon.h"

namespace tesvar {
namespace {

using testing::Dump;
using testing::Entry;
using testing::Lexicon;

constexpr double kCaseScore = 1.0 / 1.1;

CLexicon PlainLexicon() {
  return Lexicon({
      Entry("vaj", kAdverbial, "so, then, thus"),
      Entry("'ach", kConjunction, "but"),
      Entry("Qapla'", kExclamation, "success"),
      Entry("nuq", kQuestion, "what?"),
      Entry("vaj", 9, "unknown class"),
      Entry("vaj", -1, "negative class"),
  });
}

ParseResults Parse(const CLexicon& lexicon, const std::string& word,
                   ParseResults results = {}) {
  CTesvarParser parser(&lexicon);
  const int count = parser.ParseWord(word, results);
  EXPECT_EQ(count, static_cast<int>(results.size())) << word;
  return results;
}

TEST(ParserTest, PlainWordsInLexiconOrder) {
  const CLexicon lexicon = PlainLexicon();
  struct Case {
    std::string word;
    std::string dump;
  };
  const Case cases[] = {
      {"vaj",
       "ADV vaj:3 \"so, then, thus\" 1 errors=[] suggestions=[]\n"
       "X vaj:9 \"unknown class\" 1 errors=[] suggestions=[]\n"
       "X vaj:-1 \"negative class\" 1 errors=[] suggestions=[]\n"},
      {"ach",
       "CONJ 'ach:5 \"but\" 0.9090909090909091 errors=[Spelling or case.] "
       "suggestions=['ach]\n"},
      {"Q-a-p-l-a-'",
       "EXCL Qapla':6 \"success\" 0.9090909090909091 "
       "errors=[Spelling or case.] suggestions=[Qapla']\n"},
      // Containing a headword is not enough for an uninflected word.
      {"vajvaj", ""},
      {"", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Dump(Parse(lexicon, c.word)), c.dump) << c.word;
  }
}

TEST(ParserTest, NoLexiconOrEmptyLexiconGivesNoCandidates) {
  CTesvarParser detached;
  ParseResults results(2);
  EXPECT_EQ(detached.ParseWord("vaj", results), 2);

  const CLexicon empty;
  CTesvarParser parser(&empty);
  ParseResults none;
  EXPECT_EQ(parser.ParseWord("vaj", none), 0);
  EXPECT_TRUE(none.empty());
}

TEST(ParserTest, CandidatesAreAppendedAfterExistingElements) {
  CParseResult existing;
  existing.m_strWord = "earlier";
  const ParseResults results = Parse(PlainLexicon(), "nuq", {existing});
  ASSERT_EQ(results.size(), 2u);
  EXPECT_EQ(results[0].m_strWord, "earlier");
  EXPECT_EQ(results[1].m_strKey, "nuq:7");
}

// Parse overwrites the records it is handed rather than clearing them
// first; nothing of the earlier word's records may show through, whether
// the new word has more readings or fewer, messages or none.
TEST(ParserTest, RecordsHandedBackToParseKeepNothingOfTheEarlierWord) {
  const CLexicon lexicon = Lexicon({
      Entry("vaj", kAdverbial, "so, then, thus"),
      Entry("vaj", 9, "unknown class"),
      Entry("'ach", kConjunction, "but"),
      Entry("Sop", kVerb, "eat"),
      Entry("nagh", kNoun, "rock"),
  });
  const auto fields = [](const CParseResult& r) {
    return Dump(r) + " word=" + r.m_strWord + " native=" + r.m_strNative;
  };
  CTesvarParser parser(&lexicon);
  ParseScratch scratch;
  ParseResults reused;
  for (const char* word : {"vaj", "ach", "vISop", "vaj", "naghmey", "xyz",
                           "Sop", "vaj", "ach", "nagh", "vaj"}) {
    ParseResults fresh;
    ParseScratch fresh_scratch;
    ASSERT_TRUE(parser.Parse(word, &fresh, &fresh_scratch).ok()) << word;
    ASSERT_TRUE(parser.Parse(word, &reused, &scratch).ok()) << word;
    ASSERT_EQ(reused.size(), fresh.size()) << word;
    for (size_t i = 0; i < fresh.size(); ++i) {
      EXPECT_EQ(fields(reused[i]), fields(fresh[i])) << word;
    }
  }
  const std::string too_long(100000, 'a');
  EXPECT_FALSE(parser.Parse(too_long, &reused, &scratch).ok());
  EXPECT_TRUE(reused.empty());
}

// Existing elements go through the suggestion check too, which makes the
// walk over a list observable with uninflected words alone.
StringList CheckSuggestions(const std::string& word,
                            const StringList& suggestions) {
  CParseResult existing;
  existing.m_lstSuggestions = suggestions;
  const ParseResults results = Parse(PlainLexicon(), word, {existing});
  return results.at(0).m_lstSuggestions;
}

TEST(ParserTest, SuggestionCheckKeepsDropsAndReplaces) {
  struct Case {
    std::string word;
    StringList before;
    StringList after;
  };
  const Case cases[] = {
      // Flawless: stays. No reading: removed. Flawed (here, misspelt):
      // replaced by its own suggestions, appended at the end and visited.
      {"'ach", {"vaj", "QAPLA'", "bogus", "nuq"}, {"vaj", "nuq", "Qapla'"}},
      // Replacements of the last suggestion are appended after the walk
      // has passed the end; duplicates stay.
      {"'ach", {"Qapla'", "Nuq"}, {"Qapla'", "nuq"}},
      {"'ach", {"nuq", "nuq", "bogus", "bogus"}, {"nuq", "nuq"}},
      // The word being checked is on the guard list: left in place even
      // though it has no reading of its own.
      {"bogus", {"boguS", "bogus"}, {"boguS"}},
      // The spelling suggestion of a top-level word is never re-parsed.
      {"QAPLA'", {"Qapla'", "QAPLA'"}, {"Qapla'", "Qapla'"}},
      {"'ach", {}, {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CheckSuggestions(c.word, c.before), c.after) << c.word;
  }
}

// Distinct words of the alphabet that are in no lexicon.
StringList UnknownWords(int count) {
  StringList words;
  const std::string letters = "bcjlmnprtvwy";
  for (int i = 0; i < count; ++i) {
    std::string word = "QQ";
    for (int n = i; n > 0; n /= static_cast<int>(letters.size())) {
      word += letters[n % letters.size()];
    }
    words.push_back(word);
  }
  return words;
}

TEST(ParserTest, AtMost256SuggestionsAreParsedPerCall) {
  const StringList unknown = UnknownWords(300);
  const StringList after = CheckSuggestions("nuq", unknown);
  // The first 256 had no reading and were removed; the rest stay unparsed.
  EXPECT_EQ(after, StringList(unknown.begin() + 256, unknown.end()));
}

TEST(ParserTest, ARepeatedSuggestionReusesItsVerdictWithoutAParse) {
  // 300 copies of one unknown word cost one parse, not 300: all are
  // removed, none is left over by the parse budget.
  const StringList copies(300, "QQQ");
  EXPECT_TRUE(CheckSuggestions("nuq", copies).empty());
  StringList mixed(300, "nuq");
  mixed.push_back("QQQ");
  EXPECT_EQ(CheckSuggestions("'ach", mixed), StringList(300, "nuq"));
}

TEST(ParseResultTest, CaseDividesAndAddsOneMessageAndSuggestionEachTime) {
  CParseResult record;
  record.m_strWord = "nuq";
  record.m_dScore = 1.0;
  record.Case();
  EXPECT_EQ(record.m_dScore, kCaseScore);
  EXPECT_EQ(record.m_lstErrors, StringList{"Spelling or case."});
  EXPECT_EQ(record.m_lstSuggestions, StringList{"nuq"});
  record.Case();
  EXPECT_EQ(record.m_dScore, kCaseScore / 1.1);
  EXPECT_EQ(record.m_lstErrors.size(), 2u);
  EXPECT_EQ(record.m_lstSuggestions, (StringList{"nuq", "nuq"}));
}

}  // namespace
}  // namespace tesvar
