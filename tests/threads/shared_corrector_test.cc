// One Corrector serves several threads at once. Run under ThreadSanitizer
// in CI (TESVAR_TSAN=ON), where any data race fails it.

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "tesvar/corrector.h"
#include "tesvar/sample_lexicon.h"

namespace tesvar {
namespace {

std::string SuggestAll(const Corrector& corrector) {
  const std::string words[] = {"Dalmay", "vIghIrbe'", "DALMEY", "jIrm",
                               "qoq",    "Dolmy",     "xyzzy",  "ej"};
  std::string out;
  for (const std::string& word : words) {
    out += word + ":";
    for (const std::string& c : corrector.Suggest(word)) out += " " + c;
    out += "\n";
  }
  return out;
}

TEST(SharedCorrectorTest, ThreadsAgreeWithOneThread) {
  CLexicon lexicon;
  ASSERT_TRUE(LoadSampleLexicon(&lexicon).ok());
  const Corrector corrector(lexicon);
  const std::string expected = SuggestAll(corrector);
  std::vector<std::string> outputs(2);
  std::vector<std::thread> threads;
  for (std::string& output : outputs) {
    threads.emplace_back(
        [&corrector, &output] { output = SuggestAll(corrector); });
  }
  for (std::thread& thread : threads) thread.join();
  for (const std::string& output : outputs) EXPECT_EQ(expected, output);
}

}  // namespace
}  // namespace tesvar
