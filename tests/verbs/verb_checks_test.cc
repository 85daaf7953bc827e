// The verb grammar checks, one row per word: each check where it fires and
// where it just does not, compound faults, the reflexive checks made after
// the scan and the stative prefix rule; then verb readings through the
// parser, where the suggestion check judges the corrections.

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
      {"loplaHlu'", {1}, "loplu'|loplaH", 1.0 / 8},
      {"loplaHtaH", {}, "", 1.0},
      // Only the last suffix moves: {-moH}, between the two, is left out.
      {"lopmoHpu'qa'", {2}, "lopqa'pu'", 1.0 / 2},
      {"lopnISHa'", {3}, "lopHa'nIS", 1.0 / 2},
      {"lopHa'nIS", {}, "", 1.0},
      {"lopmo'Qo'", {4}, "lopQo'mo'", 1.0 / 2},
      {"lopneSQo'", {}, "", 1.0},
      {"malopchuqvIp", {5}, "malop", 1.0 / 1.5},
      {"DalopvIp", {}, "", 1.0},
      {"lopnISla'", {6}, "lopnISlu'|lopnISlaH", 1.0 / 1.5},
      // The stored {-Qo'} is written back before the one that is added.
      {"lopQo'taH", {7}, "loptaHQo'Qo'", 1.0 / 2},
      {"lopQo'mo'", {}, "", 1.0},
      {"yIlopchuq", {10}, "yIlop|pelopchuq", 1.0 / 3},
      {"lulopchuq", {10, 18}, "lulop|lopchuq|lopchuq", 1.0 / 3 / 3},
      {"malopchuq", {}, "", 1.0},
      {"pelopnISlu'", {11}, "pelopnIS|yIlopnISlu'", 1.0 / 3},
      {"yIloplu'", {}, "", 1.0},
      {"peDoqmoHpu'", {12}, "peDoqpu'|yIDoqmoHpu'", 1.0 / 2},
      {"jIDoq'eghmoH", {}, "", 1.0},
      {"loppu'vIS", {13}, "loptaHvIS", 1.0 / 2},
      {"loptaHvIS", {}, "", 1.0},
      {"lopghachmey", {14}, "loptaHghachmey", 1.0 / 2},
      {"lopneSghach", {}, "", 1.0},
      {"yIlopjaj", {16}, "yIlop", 1.0 / 3},
      {"lulopjaj", {}, "", 1.0},
      {"yIlopqu'be'", {17}, "yIlopqu'Qo'", 1.0 / 4},
      // The rover itself is among the suffixes stored before it.
      {"yIloptaHbe'qu'", {17}, "yIloptaHbe'qu'Qo'qu'", 1.0 / 4},
      {"yIlopbe'la'",
       {17, 6},
       "yIlopQo'la'|yIlopbe'lu'|yIlopbe'laH",
       1.0 / 4 / 1.5},
      {"lopbe'", {}, "", 1.0},
      // Reflexives are judged once the verb is read, nominalised or not.
      {"HIlop'eghwI'", {18}, "yIlop'eghwI'", 1.0 / 3},
      {"vIlopchuq", {10, 18}, "vIlop|malopchuq|jIlopchuq", 1.0 / 3 / 3},
      {"vIlop'eghmoH", {}, "", 1.0},
      {"yIlop'egh", {}, "", 1.0},
      {"vIDoq'egh", {19, 20}, "vIDoq'eghmoH|vIDoq|jIDoq'egh", 1.0 / 2 / 2},
      {"Doq'egh", {19}, "Doq'eghmoH|Doq", 1.0 / 2},
      {"luDoq", {20}, "Doq", 1.0 / 2},
      {"HIDoq", {20}, "Doq", 1.0 / 2},
      {"boDoqtaH", {20}, "SuDoqtaH", 1.0 / 2},
      {"yIDoq", {}, "", 1.0},
      {"jIDoq", {}, "", 1.0},
      {"vIDoqmoH", {}, "", 1.0},
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
      {"vIlop", {{"V", "lop:1", 1.0, {}, ""}}},
      {"maH", {{"N", "maH:2", 1.0, {}, ""}, {"V", "maH:2", 1.0, {}, ""}}},
      {"VILOP", {{"V", "lop:1", 1.0 / 1.1, {0}, "vIlop"}}},
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
