// Whole words through the parser: the verb gloss as the candidate's text,
// a pronoun used as a verb, and verbs turned into nouns, whose gloss
// becomes the definition the noun reading renders. The native form is
// taken after the English one, so an asked question has lost its {-'a'}.

#include <gtest/gtest.h>

#include <string>

#include "support/test_lexicon.h"
#include "tesvar/parser.h"

namespace tesvar {
namespace {

using testing::Dump;
using testing::Entry;
using testing::Lexicon;

TEST(VerbReadingTest, WordsThroughTheParser) {
  const CLexicon lexicon = Lexicon({
      Entry("Sop", kVerb, "eat"),
      Entry("tIn", kVerb, "be big", testing::kStative),
      Entry("jIH", kPronoun, "I, me"),
  });
  const struct {
    std::string word, dump, native;
  } cases[] = {
      {"vISopnISbe'",
       "V Sop:1 \"I do not need to eat him/her/it/them\" 1 errors=[] "
       "suggestions=[]\n",
       "vISopnIS"},
      {"DaSop'a'",
       "V Sop:1 \"do you eat him/her/it/them?\" 1 errors=[] suggestions=[]\n",
       "DaSop"},
      {"jItIn", "V tIn:1 \"I am big\" 1 errors=[] suggestions=[]\n", "jItIn"},
      {"jIH",
       "N jIH:2 \"I, me\" 1 errors=[] suggestions=[]\n"
       "V jIH:2 \"I am \" 1 errors=[] suggestions=[]\n",
       "jIH|jIH"},
      {"jIHbe'", "V jIH:2 \"I am not \" 1 errors=[] suggestions=[]\n", "jIH"},
      {"Sopqa'ghach",
       "V Sop:1 \"(noun) eat him/her/it/them again\" 1 errors=[] "
       "suggestions=[]\n",
       "Sopqa'ghach"},
      {"SopwI'pu'",
       "V Sop:1 \"one/thing which is/does eat him/her/it/them (pl)\" 1 "
       "errors=[] suggestions=[]\n",
       "SopwI'"},
  };
  for (const auto& c : cases) {
    CTesvarParser parser(&lexicon);
    ParseResults results;
    parser.ParseWord(c.word, results);
    EXPECT_EQ(Dump(results), c.dump) << c.word;
    std::string native;
    for (const CParseResult& r : results) {
      native += (native.empty() ? "" : "|") + r.m_strNative;
    }
    EXPECT_EQ(native, c.native) << c.word;
  }
}

}  // namespace
}  // namespace tesvar
