// Several parsers on several threads share one lexicon, and one parser
// serves several threads. Run under
// ThreadSanitizer in CI (TESVAR_TSAN=ON), where any data race fails it.

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "support/test_lexicon.h"
#include "tesvar/parser.h"
#include "tesvar/sample_lexicon.h"

namespace tesvar {
namespace {

using testing::Dump;

// Words of every kind, misspelt ones and garbage included.
std::vector<std::string> Words() {
  return {
      "tlhIngan", "tlhInganpu'", "jIyaj",   "vIlegh",   "QAPLA'",
      "yIlegh",   "wejmaH",      "wa'DIch", "qet",      "jIHtaH",
      "mughwI'",  "x-y-z",       "",        "qaStaH",   "nuqneH",
      "Daqetlu'", "HIghojmoH",   "choQaH",  "naDevvo'", "bIqetbe'",
  };
}

std::string ParseAll(const CLexicon& lexicon) {
  CTesvarParser parser(&lexicon);
  std::string out;
  for (const std::string& word : Words()) {
    ParseResults results;
    parser.ParseWord(word, results);
    out += word + "\n" + Dump(results);
  }
  return out;
}

TEST(SharedLexiconTest, ParsersOnSeveralThreadsAgreeWithOneThread) {
  CLexicon lexicon;
  ASSERT_TRUE(LoadSampleLexicon(&lexicon).ok());
  const std::string expected = ParseAll(lexicon);

  constexpr int kThreads = 2;
  constexpr int kParsersPerThread = 2;
  std::vector<std::string> outputs(kThreads * kParsersPerThread);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&lexicon, &outputs, t] {
      for (int p = 0; p < kParsersPerThread; ++p) {
        outputs[t * kParsersPerThread + p] = ParseAll(lexicon);
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  for (const std::string& output : outputs) EXPECT_EQ(output, expected);
}

// One parser, shared: every thread calls Parse with its own scratch.
TEST(SharedLexiconTest, OneParserServesSeveralThreads) {
  CLexicon lexicon;
  ASSERT_TRUE(LoadSampleLexicon(&lexicon).ok());
  const std::string expected = ParseAll(lexicon);
  const CTesvarParser parser(&lexicon);

  constexpr int kThreads = 4;
  std::vector<std::string> outputs(kThreads);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&parser, &outputs, t] {
      ParseScratch scratch;
      for (const std::string& word : Words()) {
        ParseResults results;
        EXPECT_TRUE(parser.Parse(word, &results, &scratch).ok()) << word;
        outputs[t] += word + "\n" + Dump(results);
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  for (const std::string& output : outputs) EXPECT_EQ(output, expected);
}

}  // namespace
}  // namespace tesvar
