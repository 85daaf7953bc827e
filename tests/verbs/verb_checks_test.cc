// The verb grammar checks where rows of the golden cases would hide a
// detail: which suffix moves, compound faults, duplicate corrections; then
// the suggestion check judging verb corrections.

#include <gtest/gtest.h>

#include <string>

#include "support/test_lexicon.h"
#include "tesvar/parser.h"
#include "verbs/parsed_verb.h"

namespace tesvar {
namespace {

std::string Join(const StringList& list) {
  std::string out;
  for (const std::string& item : list) out += (out.empty() ? "" : "|") + item;
  return out;
}

// Messages by check number, as the rows name them; 0 is the parser's mark
// of a word whose spelling it changed.
const char* const kMsg[] = {
    "Spelling or case.",
    "The verb suffixes {laH} and {lu'} are both type 5, and cannot both be on "
    "a verb at the same time.",
    "The verb suffix {qa'} is type 3, and must precede {pu'} which is type 7.",
    "The verb suffix {-Ha'} must follow the verb root, see GRM 4.3, p. 48.",
    "The verb suffix {-Qo'} must come before a VS9 suffix, see GRM 4.3.",
    "It is culturally taboo to use {-vIp} with a 1st person prefix [GRM 4.2.2 "
    "p. 37].",
    "The suffix {-la'} is slang, so should be avoided for proper usage.",
    "The verb suffix {-Qo'} must come after {-taH}.",
    "",
    "",
    "Verb suffix {chuq} requires a plural verb prefix with no object.",
    "Verb suffix {-lu'} requires a verb prefix with an object.",
    "Stative verbs with {-moH} require prefixes with an object, unless they "
    "are reflexive.",
    "VS9 {-vIS} requires VS7 {-taH}",
    "VS9 {-ghach} requires an intervening suffix.",
    "",
    "The suffix {-jaj} cannot be used on imperative verbs.",
    "The suffix {-be'} cannot be used on imperative verbs.  Use {-Qo'} "
    "instead.",
    "Verb suffix {-'egh} requires a verb prefix with no object.",
    "Stative verbs cannot take a reflexive suffix, unless they have {-moH}.",
    "Stative verbs without {-moH} require a no-object prefix.",
};

StringList Messages(const std::vector<int>& checks) {
  StringList messages;
  for (int check : checks) messages.push_back(kMsg[check]);
  return messages;
}

TEST(VerbChecksTest, MessagesSuggestionsAndScores) {
  struct Case {
    const char* word;
    std::vector<int> checks;  // messages expected, in order
    const char* suggestions;
    double score;
  };
  const Case cases[] = {
      // Only the last suffix moves: {-moH}, between the two, is left out.
      {"lopmoHpu'qa'", {2}, "lopqa'pu'", 1.0 / 2},
      {"malopchuqvIp", {5}, "malop", 1.0 / 1.5},
      // The stored {-Qo'} is written back before the one that is added.
      {"lopQo'taH", {7}, "loptaHQo'Qo'", 1.0 / 2},
      // Two checks may suggest the same word; both copies stay.
      {"lulopchuq", {10, 18}, "lulop|lopchuq|lopchuq", 1.0 / 3 / 3},
      // The rover itself is among the suffixes stored before it.
      {"yIloptaHbe'qu'", {17}, "yIloptaHbe'qu'Qo'qu'", 1.0 / 4},
      {"vIDoq'egh", {19, 20}, "vIDoq'eghmoH|vIDoq|jIDoq'egh", 1.0 / 2 / 2},
      {"boDoqtaH", {20}, "SuDoqtaH", 1.0 / 2},
  };
  const testing::TestWord action = testing::Entry("lop", kVerb, "eat");
  const testing::TestWord stative =
      testing::Entry("Doq", kVerb, "be red", testing::kStative);
  for (const Case& c : cases) {
    const std::string word = c.word;
    CParsedVerb verb;
    const bool is_stative = word.find("Doq") != std::string::npos;
    ASSERT_EQ(verb.Parse(word, is_stative ? stative : action), 1) << word;
    EXPECT_EQ(verb.m_lstErrors, Messages(c.checks)) << word;
    EXPECT_EQ(Join(verb.m_lstSuggestions), c.suggestions) << word;
    EXPECT_EQ(verb.m_dScore, c.score) << word;
  }
}

TEST(VerbChecksTest, ThroughTheParser) {
  struct Reading {
    const char* pos;
    const char* key;
    double score;
    std::vector<int> checks;
    const char* suggestions;
  };
  struct Case {
    const char* word;
    std::vector<Reading> readings;
  };
  const Case cases[] = {
      // "luab" reads flawlessly and stays; "abchuq" is spelt "'abchuq",
      // which reads as nothing, and is removed.
      {"luabchuq", {{"V", "ab:1", 1.0 / 3 / 3, {10, 18}, "luab"}}},
      // "vIDoq" and "jIDoqvIp" are flawed themselves and are replaced by
      // their own corrections.
      {"vIDoqvIp", {{"V", "Doq:1", 1.0 / 1.5 / 2, {5, 20}, "jIDoq|jIDoq"}}},
  };
  // "ab" begins with a vowel, so it can only stand after a prefix.
  const CLexicon lexicon = testing::Lexicon({
      testing::Entry("lop", kVerb, "eat"),
      testing::Entry("Doq", kVerb, "be red", testing::kStative),
      testing::Entry("maH", kPronoun, "we"),
      testing::Entry("ab", kVerb, "climb"),
  });
  for (const Case& c : cases) {
    CTesvarParser parser(&lexicon);
    ParseResults results;
    ASSERT_EQ(parser.ParseWord(c.word, results),
              static_cast<int>(c.readings.size()))
        << c.word;
    for (size_t i = 0; i < c.readings.size(); ++i) {
      const Reading& e = c.readings[i];
      const CParseResult& r = results[i];
      EXPECT_EQ(r.m_strPOS + " " + r.m_strKey, std::string(e.pos) + " " + e.key)
          << c.word;
      EXPECT_EQ(r.m_dScore, e.score) << c.word << " " << e.pos;
      EXPECT_EQ(r.m_lstErrors, Messages(e.checks)) << c.word << " " << e.pos;
      EXPECT_EQ(Join(r.m_lstSuggestions), e.suggestions)
          << c.word << " " << e.pos;
    }
  }
}

}  // namespace
}  // namespace tesvar
