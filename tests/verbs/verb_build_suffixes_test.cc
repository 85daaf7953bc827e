// Writing stored suffixes back, on records filled by hand: the cut-off at
// each class, the order of rovers at one position, and the rovers read
// back from the word around {-Ha'} and {-Qo'}.

#include <gtest/gtest.h>

#include <string>

#include "verbs/parsed_verb.h"

namespace tesvar {
namespace {

TEST(BuildSuffixesTest, StopsBeforeTheGivenClass) {
  CParsedVerb verb;
  verb.m_strNegEmphRover[0] = "be'qu'";
  verb.m_strNegRover[0] = "be'";
  verb.m_strEmphNegRover[0] = "qu'be'";
  verb.m_strEmphRover[0] = "qu'";
  verb.m_strNegRover[1] = "never";  // position 1 is never written
  const char* const classes[] = {"'egh", "nIS", "qa'", "moH", "laH",
                                 "ba'",  "taH", "neS", "'a'"};
  for (int type = 1; type <= kLastVerbClass; ++type) {
    verb.*kClassFields[type] = classes[type - 1];
    verb.m_strEmphRover[type + 1] = "qu'";
  }
  // What each step adds: the rovers after the root, then each class with
  // the rovers after it.
  const char* const steps[] = {"be'qu'be'qu'be'qu'",
                               "'eghqu'",
                               "nISqu'",
                               "qa'qu'",
                               "moHqu'",
                               "laHqu'",
                               "ba'qu'",
                               "taHqu'",
                               "neSqu'",
                               "'a'qu'"};
  std::string expected;
  for (int n = -1; n <= 11; ++n) {
    if (n >= 1 && n <= 10) expected += steps[n - 1];
    EXPECT_EQ(verb.BuildSuffixes(n), expected) << n;
  }
}

TEST(BuildSuffixesTest, RoversNextToHaAndQoComeFromTheWord) {
  struct Case {
    const char* word;
    bool refusal;  // {-Qo'} present, else {-Ha'}
    const char* suffixes;
  };
  const Case cases[] = {
      {"lop'eghHa'be'qu'", false, "'eghHa'be'qu'taHqu'"},
      {"lop'eghHa'be'", false, "'eghHa'be'taHqu'"},
      {"lop'egh", false, "'eghHa'taHqu'"},
      {"loptaHbe'qu'Qo'", true, "'eghbe'taHbe'qu'Qo'"},
      {"loptaHqu'Qo'be'", true, "'eghbe'taHqu'Qo'be'"},
      {"loptaHQo'be'qu'", true, "'eghbe'taHQo'be'qu'"},
      {"loptaH", true, "'eghbe'taHQo'"},
      // The first run of the table wins wherever it stands in the word,
      // also behind runs that come later in the table.
      {"lopQo'qu'taHQo'be'qu'", true, "'eghbe'taHQo'be'qu'"},
      {"lopHa'qu'Ha'be'", false, "'eghHa'be'taHqu'"},
      {"lopbe'qu'Qo'", true, "'eghbe'taHbe'qu'Qo'"},
      {"lopqu'Qo'qu'Qo'taHbe'qu'Qo'", true, "'eghbe'taHbe'qu'Qo'qu'"},
      {"Qo'be'lopqu'Qo'", true, "'eghbe'taHqu'Qo'be'"},
      // First bytes of a run that lead nowhere, and a run cut off by the
      // end of the word.
      {"HoHHa'qu'", false, "'eghHa'qu'taHqu'"},
      {"lopHa'be", false, "'eghHa'taHqu'"},
      {"QoQQo'b", true, "'eghbe'taHQo'"},
      // Rovers before {-Qo'} near the start of the word, a {-Qo'} past the
      // first eight bytes, and a 'Q' that begins no {-Qo'}.
      {"qu'be'Qo'", true, "'eghbe'taHqu'be'Qo'"},
      {"lopqu'Qo'xQo'qu'be'", true, "'eghbe'taHqu'Qo'qu'be'"},
      {"lopQoQo'be'", true, "'eghbe'taHQo'be'"},
  };
  for (const Case& c : cases) {
    CParsedVerb verb;
    verb.m_strWord = c.word;
    verb.m_strVS1 = "'egh";
    verb.m_strVS7 = "taH";
    verb.m_strNegRover[2] = "be'";   // left out when {-Ha'} is present
    verb.m_strEmphRover[9] = "qu'";  // left out when {-Qo'} is present
    (c.refusal ? verb.m_strRefusal : verb.m_strRootNeg) = "marked";
    EXPECT_EQ(verb.BuildSuffixes(10), c.suffixes) << c.word;
  }
}

}  // namespace
}  // namespace tesvar
