#include "tesvar/sample_lexicon.h"

#include <gtest/gtest.h>

#include <string>

#include "parser/spelling.h"
#include "tesvar/lexicon_tsv.h"

namespace tesvar {
namespace {

TEST(SampleLexiconTest, LoadsWithEveryKindOfWordInCanonicalSpelling) {
  CLexicon lexicon;
  const Status status = LoadSampleLexicon(&lexicon);
  ASSERT_TRUE(status.ok()) << status.ToString();

  int per_code[kQuestion + 1] = {};
  for (const CLexicon::Entry& entry : lexicon.entries()) {
    std::string normalised(entry.word.m_strHeadword);
    NormaliseSpelling(&normalised);
    EXPECT_EQ(entry.word.m_strHeadword, normalised) << entry.key;
    ASSERT_GE(entry.word.m_nPOS, kNoun) << entry.key;
    ASSERT_LE(entry.word.m_nPOS, kQuestion) << entry.key;
    ++per_code[entry.word.m_nPOS];
  }
  for (int32_t code = kNoun; code <= kQuestion; ++code) {
    EXPECT_GT(per_code[code], 0) << PartOfSpeechLabel(code);
  }
}

}  // namespace
}  // namespace tesvar
