// Pronouns standing as the verb "be": the "be" phrase on its own, and the
// whole gloss for known and unknown definitions, statement and question.

#include <gtest/gtest.h>

#include <string>

#include "gloss/verb_builder.h"

namespace tesvar {
namespace {

using testing::MakeVerb;

TEST(PronounGlossTest, BePhrase) {
  const struct {
    std::string affixes;
    int with_aux, without_be;
    std::string phrase;
  } cases[] = {
      {"", 0, 0, "be "},
      {"", 1, 0, "am "},
      {"", 0, 1, ""},
      {"be'@0", 0, 0, "not be "},
      {"be'@0", 1, 0, "am not "},
      {"choH", 0, 1, "become "},
      {"choH be'@0", 1, 0, "do not become "},
      {"qu'be'@0", 0, 0, "be not really "},
      {"choH qu'be'@0", 1, 0, "do not really become "},
      {"be'qu'@0 qu'be'@0", 1, 0, "really am not "},
      {"qu'@0 Ha' be'@0", 1, 0, "really mis-am not "},
  };
  for (const auto& c : cases) {
    CParsedVerb verb = MakeVerb("", "I, me", c.affixes);
    verb.m_strSubject = "I ";
    EXPECT_EQ(verb.PronounRoot(c.with_aux, c.without_be), c.phrase)
        << c.affixes << " " << c.with_aux << c.without_be;
  }
}

TEST(PronounGlossTest, PronounAsVerb) {
  const struct {
    std::string definition, affixes, gloss;
  } cases[] = {
      {"I, me", "", "I am "},
      {"I, me", "qu'be'@0", "I am not really "},
      {"I, me", "qu'be'@0 Qo'", "I refuse to be not really "},
      {"I, me", "qa' neS", "I am again, your honor"},
      {"he, she, him, her", "choH", "he/she become "},
      {"we, us", "laH", "we can be "},
      {"we, us", "la'", "we are "},
      {"you (pl)", "rup", "you (pl) are ready to be "},
      {"it", "mo' bej", "because it certainly is "},
      {"mystery", "", "are "},
      {"they, them", "'a'", "are they?"},
      {"you", "laH 'a'", "can you be?"},
      {"it", "nIS 'a'", "does it need to be?"},
      {"you", "'a' Qo'", "do you refuse to?"},
  };
  for (const auto& c : cases) {
    CParsedVerb verb = MakeVerb("", c.definition, "pronoun " + c.affixes);
    EXPECT_EQ(verb.ToString(), c.gloss) << c.definition << " " << c.affixes;
  }
}

}  // namespace
}  // namespace tesvar
