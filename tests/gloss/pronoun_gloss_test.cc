// Pronouns standing as the verb "be": the "be" phrase on its own, and the
// whole gloss for each known definition, statement and question.

#include <gtest/gtest.h>

#include <string>

#include "gloss/verb_builder.h"
#include "verbs/parsed_verb.h"

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
      {"", 1, 1, ""},
      {"be'@0", 0, 0, "not be "},
      {"be'@0", 1, 0, "am not "},
      {"be'@3", 1, 0, "am "},
      {"choH", 0, 1, "become "},
      {"choH be'@0", 1, 0, "do not become "},
      {"qu'be'@0", 0, 0, "be not really "},
      {"qu'be'@0", 1, 0, "am not really "},
      {"choH qu'be'@0", 0, 0, "not really become "},
      {"choH qu'be'@0", 1, 0, "do not really become "},
      {"be'qu'@0", 0, 0, "really not be "},
      {"be'qu'@0", 1, 0, "really am not "},
      {"choH be'qu'@0", 1, 0, "really do not become "},
      {"be'qu'@0 qu'be'@0", 1, 0, "really am not "},
      {"qu'@0 be'@0", 1, 0, "really am not "},
      {"Ha' be'@0", 1, 0, "mis-am not "},
      {"Ha' stative", 0, 0, "mis-be "},
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
      {"I, me", "be'@0", "I am not "},
      {"I, me", "Qo'", "I refuse to be "},
      {"I, me", "qu'be'@0", "I am not really "},
      {"I, me", "qu'be'@0 Qo'", "I refuse to be not really "},
      {"I, me", "qa'", "I am again"},
      {"I, me", "neS", "I am , your honor"},
      {"he, she, him, her", "choH", "he/she become "},
      {"we, us", "laH", "we can be "},
      {"we, us", "la'", "we are "},
      {"you (pl)", "rup", "you (pl) are ready to be "},
      {"it", "mo' bej", "because it certainly is "},
      {"mystery", "", "are "},
      {"they, them", "'a'", "are they?"},
      {"you", "laH 'a'", "can you be?"},
      {"it", "nIS 'a'", "does it need to be?"},
      {"it", "rup 'a'", "is it be ready to be?"},
      {"you", "'a' Qo'", "do you refuse to?"},
      {"I, me", "'a' neS", "am I , your honor?"},
  };
  for (const auto& c : cases) {
    CParsedVerb verb = MakeVerb("", c.definition, "pronoun " + c.affixes);
    EXPECT_EQ(verb.ToString(), c.gloss) << c.definition << " " << c.affixes;
    // A question is asked once: the record no longer holds it.
    if (c.gloss.back() == '?') {
      EXPECT_EQ(verb.m_strVS9, "") << c.affixes;
    }
  }
}

}  // namespace
}  // namespace tesvar
