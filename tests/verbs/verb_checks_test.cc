// The verb grammar checks where rows of the golden cases would hide a
// detail: which suffix moves, compound faults, duplicate corrections; the
// prefix each correction offers, for every prefix; then the suggestion
// check judging verb corrections.

#include <gtest/gtest.h>

#include <initializer_list>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "support/separate_texts.h"
#include "support/test_lexicon.h"
#include "tesvar/parser.h"
#include "verbs/parsed_verb.h"
#include "verbs/verb_affix_tables.h"

namespace tesvar {
namespace {

std::string Join(const StringList& list) {
  std::string out;
  for (const std::string& item : list) out += (out.empty() ? "" : "|") + item;
  return out;
}

// The messages the rows expect, by the check that gives them.
constexpr const char* kClassOrder =
    "The verb suffix {qa'} is type 3, and must precede {pu'} which is type 7.";
constexpr const char* kTaboo =
    "It is culturally taboo to use {-vIp} with a 1st person prefix [GRM 4.2.2 "
    "p. 37].";
constexpr const char* kAfterRefusal =
    "The verb suffix {-Qo'} must come after {-taH}.";
constexpr const char* kReciprocal =
    "Verb suffix {chuq} requires a plural verb prefix with no object.";
constexpr const char* kCommandNegation =
    "The suffix {-be'} cannot be used on imperative verbs.  Use {-Qo'} "
    "instead.";
constexpr const char* kReflexiveObject =
    "Verb suffix {-'egh} requires a verb prefix with no object.";
constexpr const char* kStativeReflexive =
    "Stative verbs cannot take a reflexive suffix, unless they have {-moH}.";
constexpr const char* kStativePrefix =
    "Stative verbs without {-moH} require a no-object prefix.";

// A word, what its verb reading says, and how it scores.
struct CheckCase {
  const char* word;
  StringList messages;  // in order
  const char* suggestions;
  double score;
};

// Reads each case's word as `entry` and compares the outcome.
void ExpectChecks(const testing::TestWord& entry,
                  std::initializer_list<CheckCase> cases) {
  for (const CheckCase& c : cases) {
    const std::string word = c.word;
    CParsedVerb verb;
    ASSERT_EQ(verb.Parse(word, entry), 1) << word;
    EXPECT_EQ(verb.m_lstErrors, c.messages) << word;
    EXPECT_EQ(Join(verb.m_lstSuggestions), c.suggestions) << word;
    EXPECT_EQ(verb.m_dScore, c.score) << word;
  }
}

TEST(VerbChecksTest, MessagesSuggestionsAndScores) {
  const testing::TestWord action = testing::Entry("lop", kVerb, "eat");
  const testing::TestWord stative =
      testing::Entry("Doq", kVerb, "be red", testing::kStative);
  ExpectChecks(
      action,
      {
          // Only the last suffix moves: {-moH}, between the two, is left out.
          {"lopmoHpu'qa'", {kClassOrder}, "lopqa'pu'", 1.0 / 2},
          {"malopchuqvIp", {kTaboo}, "malop", 1.0 / 1.5},
          // The stored {-Qo'} is written back before the one that is added.
          {"lopQo'taH", {kAfterRefusal}, "loptaHQo'Qo'", 1.0 / 2},
          // Two checks may suggest the same word; both copies stay.
          {"lulopchuq",
           {kReciprocal, kReflexiveObject},
           "lulop|lopchuq|lopchuq",
           1.0 / 3 / 3},
          // The rover itself is among the suffixes stored before it.
          {"yIloptaHbe'qu'",
           {kCommandNegation},
           "yIloptaHbe'qu'Qo'qu'",
           1.0 / 4},
      });
  ExpectChecks(stative, {
                            {"vIDoq'egh",
                             {kStativeReflexive, kStativePrefix},
                             "vIDoq'eghmoH|vIDoq|jIDoq'egh",
                             1.0 / 2 / 2},
                            {"boDoqtaH", {kStativePrefix}, "SuDoqtaH", 1.0 / 2},
                        });
}

// Rovers are only checked where a fault can be: the place of {-Ha'} and
// {-Qo'} once a class suffix (a VS9 one for {-Qo'}) was read, a negating
// rover on commands. The same chains with and without that condition.
TEST(VerbChecksTest, RoversAreCheckedWhereTheyCanBeWrong) {
  constexpr const char* kRootNegationPlace =
      "The verb suffix {-Ha'} must follow the verb root, see GRM 4.3, p. 48.";
  constexpr const char* kRefusalPlace =
      "The verb suffix {-Qo'} must come before a VS9 suffix, see GRM 4.3.";
  ExpectChecks(
      testing::Entry("lop", kVerb, "eat"),
      {
          {"lopHa'qu'Ha'", {}, "", 1.0},
          {"loppu'qu'Ha'", {kRootNegationPlace}, "lopHa'pu'qu'", 1.0 / 2},
          {"loppu'Qo'qu'Qo'", {}, "", 1.0},
          // The rover after the VS9 suffix is not written back.
          {"lop'a'qu'Qo'", {kRefusalPlace}, "lopQo''a'", 1.0 / 2},
          {"lopbe'qu'be'", {}, "", 1.0},
          {"yIlopbe'qu'be'",
           {kCommandNegation, kCommandNegation},
           "yIlopQo'qu'be'|yIlopQo'",
           1.0 / 4 / 4},
          // A chain after a VS9 suffix on a command: every check applies.
          {"yIlop'a'be'Qo'",
           {kCommandNegation, kRefusalPlace},
           "yIlop'a'be'Qo'Qo'|yIlopQo''a'",
           1.0 / 4 / 2},
      });
}

using testing::SeparateTexts;

// A quiet verb with a text space writes the same corrections there, and
// only there; a record cleared for the next reading lists none of them.
TEST(VerbChecksTest, CorrectionsInATextSpace) {
  const char* const words[] = {"yIlopbe'qu'be'", "lulopchuq", "yIlop'a'be'Qo'",
                               "lopqu'Qo'taH'a'Qo'be'"};
  const testing::TestWord action = testing::Entry("lop", kVerb, "eat");
  SeparateTexts space;
  CParsedVerb in_space;
  in_space.set_quiet(true);
  in_space.set_text_space(&space);
  for (const std::string word : words) {
    CParsedVerb plain;
    plain.set_quiet(true);
    ASSERT_EQ(plain.Parse(word, action), 1) << word;
    in_space.Clear();
    ASSERT_EQ(in_space.Parse(word, action), 1) << word;
    EXPECT_TRUE(in_space.m_lstSuggestions.empty()) << word;
    const StringList written(in_space.suggestions_in_space().begin(),
                             in_space.suggestions_in_space().end());
    EXPECT_EQ(written, plain.m_lstSuggestions) << word;
    EXPECT_EQ(in_space.HasSuggestions(), plain.HasSuggestions()) << word;
    EXPECT_EQ(in_space.m_dScore, plain.m_dScore) << word;
  }
  in_space.Clear();
  EXPECT_TRUE(in_space.suggestions_in_space().empty());
}

// The prefix a correction offers, found in the prefix table by subject
// and object: suggestion `index` of `word`, less `tail`. nullopt when
// there is no such suggestion, "" for the verb without prefix.
std::optional<std::string> Offered(const std::string& word, const CTWord& entry,
                                   size_t index, const std::string& tail) {
  CParsedVerb verb;
  if (verb.Parse(word, entry) != 1 || verb.m_lstSuggestions.size() <= index) {
    return std::nullopt;
  }
  const std::string& form = verb.m_lstSuggestions[index];
  if (form.size() < tail.size() ||
      form.compare(form.size() - tail.size(), tail.size(), tail) != 0) {
    return "?" + form;
  }
  return form.substr(0, form.size() - tail.size());
}

TEST(VerbChecksTest, PrefixCorrectionsKeepTheSubject) {
  // Per prefix, the prefix offered for {-'egh} (no object), {-chuq}
  // (plural, no object), {-lu'} (an object) and a stative verb (no
  // object, and no command); "-" when the check does not fire.
  struct Case {
    const char* prefix;
    const char* reflexive;
    const char* reciprocal;
    const char* indefinite;
    const char* stative;
  };
  const Case cases[] = {
      {"bI", "-", "Su", "Da", "-"},   {"bo", "Su", "Su", "-", "Su"},
      {"che", "Su", "ma", "-", "Su"}, {"cho", "bI", "ma", "-", "bI"},
      {"Da", "bI", "Su", "-", "bI"},  {"DI", "ma", "ma", "-", "ma"},
      {"Du", "", "Su", "-", ""},      {"gho", "yI", "pe", "-", ""},
      {"HI", "yI", "pe", "-", ""},    {"jI", "-", "ma", "vI", "-"},
      {"ju", "bI", "ma", "-", "bI"},  {"lI", "", "Su", "-", ""},
      {"lu", "", "", "-", ""},        {"ma", "-", "-", "wI", "-"},
      {"mu", "", "ma", "-", ""},      {"nI", "", "Su", "-", ""},
      {"nu", "", "ma", "-", ""},      {"pe", "-", "-", "yI", "-"},
      {"pI", "ma", "ma", "-", "ma"},  {"qa", "jI", "ma", "-", "jI"},
      {"re", "ma", "ma", "-", "ma"},  {"Sa", "jI", "ma", "-", "jI"},
      {"Su", "-", "-", "bo", "-"},    {"tI", "yI", "pe", "-", ""},
      {"tu", "Su", "ma", "-", "Su"},  {"vI", "jI", "ma", "-", "jI"},
      {"wI", "ma", "ma", "-", "ma"},  {"yI", "-", "pe", "-", "-"},
  };
  static_assert(std::size(cases) == kVerbPrefixCount, "a row per prefix");
  const testing::TestWord eat = testing::Entry("lop", kVerb, "eat");
  const testing::TestWord red =
      testing::Entry("Doq", kVerb, "be red", testing::kStative);
  auto expect = [](const char* offered) -> std::optional<std::string> {
    if (std::string(offered) == "-") return std::nullopt;
    return std::string(offered);
  };
  for (const Case& c : cases) {
    const std::string p = c.prefix;
    // {-chuq} and {-lu'} first suggest the verb without the suffix.
    EXPECT_EQ(Offered(p + "lop'egh", eat, 0, "lop'egh"), expect(c.reflexive))
        << p;
    EXPECT_EQ(Offered(p + "lopchuq", eat, 1, "lopchuq"), expect(c.reciprocal))
        << p;
    EXPECT_EQ(Offered(p + "loplu'", eat, 1, "loplu'"), expect(c.indefinite))
        << p;
    EXPECT_EQ(Offered(p + "Doq", red, 0, "Doq"), expect(c.stative)) << p;
  }
}

TEST(VerbChecksTest, ThroughTheParser) {
  struct Reading {
    const char* pos;
    const char* key;
    double score;
    StringList messages;
    const char* suggestions;
  };
  struct Case {
    const char* word;
    std::vector<Reading> readings;
  };
  const Case cases[] = {
      // "luab" reads flawlessly and stays; "abchuq" is spelt "'abchuq",
      // which reads as nothing, and is removed.
      {"luabchuq",
       {{"V", "ab:1", 1.0 / 3 / 3, {kReciprocal, kReflexiveObject}, "luab"}}},
      // "vIDoq" and "jIDoqvIp" are flawed themselves and are replaced by
      // their own corrections.
      {"vIDoqvIp",
       {{"V",
         "Doq:1",
         1.0 / 1.5 / 2,
         {kTaboo, kStativePrefix},
         "jIDoq|jIDoq"}}},
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
      EXPECT_EQ(r.m_lstErrors, e.messages) << c.word << " " << e.pos;
      EXPECT_EQ(Join(r.m_lstSuggestions), e.suggestions)
          << c.word << " " << e.pos;
    }
  }
}

}  // namespace
}  // namespace tesvar
