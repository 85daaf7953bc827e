// Every field of every reading of a generated word list, folded into one
// 64-bit digest. Speed work must leave the output exactly as it is; when a
// change of behaviour is intended, the new digest goes in with it.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "bench/lexicon_generator.h"
#include "bench/word_generator.h"
#include "tesvar/lexicon.h"
#include "tesvar/lexicon_tsv.h"
#include "tesvar/parser.h"

namespace tesvar {
namespace bench {
namespace {

// FNV-1a over the bytes of each piece, each followed by a separator byte
// so that moving text from one field into the next changes the digest.
class Digest {
 public:
  void Add(std::string_view piece) {
    for (const char c : piece) Mix(static_cast<unsigned char>(c));
    Mix(0xff);
  }
  void Add(double score) {
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", score);
    Add(text);
  }
  uint64_t value() const { return value_; }

 private:
  void Mix(unsigned char byte) {
    value_ ^= byte;
    value_ *= 0x100000001b3ULL;
  }
  uint64_t value_ = 0xcbf29ce484222325ULL;
};

uint64_t DigestOfGeneratedWords(size_t entries, size_t words, uint64_t seed) {
  CLexicon lexicon;
  const Status status =
      ParseLexiconTsv(GenerateLexiconTsv(entries, seed), "gen.tsv", &lexicon);
  EXPECT_TRUE(status.ok()) << status.ToString();
  CTesvarParser parser(&lexicon);
  Digest digest;
  for (const std::string& word : GenerateWordList(lexicon, words, seed)) {
    ParseResults results;
    parser.ParseWord(word, results);
    digest.Add(word);
    for (const CParseResult& r : results) {
      for (const std::string* text : {&r.m_strWord, &r.m_strKey, &r.m_strPOS,
                                      &r.m_strAnalysis, &r.m_strNative}) {
        digest.Add(*text);
      }
      digest.Add(r.m_dScore);
      for (const std::string& error : r.m_lstErrors) digest.Add(error);
      digest.Add("|");
      for (const std::string& s : r.m_lstSuggestions) digest.Add(s);
    }
    digest.Add("\n");
  }
  return digest.value();
}

TEST(OutputDigestTest, GeneratedWordsReadAsBefore) {
  EXPECT_EQ(DigestOfGeneratedWords(5000, 4000, 42), 0xa5652fac9e0cf822ULL);
}

}  // namespace
}  // namespace bench
}  // namespace tesvar
