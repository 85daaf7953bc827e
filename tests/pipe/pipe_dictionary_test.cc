#include "tools/pipe_dictionary.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "support/test_lexicon.h"

namespace tesvar {
namespace cli {
namespace {

using testing::Entry;

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// A fresh directory for one test.
std::string ScratchDirectory(const std::string& name) {
  const std::string dir =
      ::testing::TempDir() + "tesvar_pipe_dictionary_" + name;
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

class PipeDictionaryTest : public ::testing::Test {
 protected:
  PipeDictionaryTest()
      : lexicon_(testing::Lexicon({Entry("Dal", kNoun, "house")})),
        checker_(&lexicon_) {}

  CLexicon lexicon_;
  SpellChecker checker_;
};

TEST(DefaultPersonalDictionaryTest, PerDictionaryNameInTheHome) {
  EXPECT_EQ("/home/u/.tesvar_default",
            DefaultPersonalDictionary("/home/u", ""));
  EXPECT_EQ("/home/u/.tesvar_tesvar",
            DefaultPersonalDictionary("/home/u/", "tesvar"));
  EXPECT_EQ("/home/u/.tesvar_words",
            DefaultPersonalDictionary("/home/u", "/usr/share/x/words"));
  EXPECT_EQ("", DefaultPersonalDictionary(nullptr, "tesvar"));
  EXPECT_EQ("", DefaultPersonalDictionary("", "tesvar"));
}

TEST_F(PipeDictionaryTest, MalformedLinesAreReportedAndSkipped) {
  const std::string path = ScratchDirectory("load") + "/words";
  WriteFile(path,
            "qaghwi\r\n\nDal mey\nlo\xE2\x80\x99"
            "ey\nxyz-w\n" +
                std::string(300, 'a') + "\nD\xC3\xA4t");
  PersonalDictionary dictionary(path);
  std::ostringstream err;
  dictionary.Load(&checker_, err);
  EXPECT_EQ(
      "tesvar: warning: " + path + ":3: not one word, skipped: 'Dal mey'\n" +
          "tesvar: warning: " + path + ":5: not one word, skipped: 'xyz-w'\n" +
          "tesvar: warning: " + path +
          ":6: word longer than 256 bytes, skipped\n",
      err.str());
  for (const char* word : {"qaghwi", "lo'ey", "D\xC3\xA4t"}) {
    EXPECT_TRUE(checker_.IsAccepted(word)) << word;
  }
  EXPECT_FALSE(checker_.IsAccepted("xyz"));
}

TEST_F(PipeDictionaryTest, SavingAppendsTheNewWordsOnce) {
  const std::string path = ScratchDirectory("save") + "/words";
  WriteFile(path, "Dal mey\nqaghwi");  // a bad line, no final line end
  PersonalDictionary dictionary(path);
  std::ostringstream err;
  dictionary.Load(&checker_, err);
  dictionary.Add("qaghwi");  // already in the file
  dictionary.Add("naQ\xE2\x80\x99");
  dictionary.Add("naQ'");
  EXPECT_TRUE(dictionary.Save(err));
  EXPECT_EQ("Dal mey\nqaghwi\nnaQ'\n", ReadFile(path));
  dictionary.Add("tugh");
  EXPECT_TRUE(dictionary.Save(err));
  EXPECT_TRUE(dictionary.Save(err));
  EXPECT_EQ("Dal mey\nqaghwi\nnaQ'\ntugh\n", ReadFile(path));

  // The next session reads them all.
  SpellChecker next(&lexicon_);
  PersonalDictionary again(path);
  again.Load(&next, err);
  for (const char* word : {"qaghwi", "naQ'", "tugh"}) {
    EXPECT_TRUE(next.IsAccepted(word)) << word;
  }
}

TEST_F(PipeDictionaryTest, MissingUnreadableAndUnwritableFiles) {
  const std::string dir = ScratchDirectory("files");
  std::ostringstream err;
  // A missing file is an empty dictionary, created on saving.
  PersonalDictionary missing(dir + "/new");
  missing.Load(&checker_, err);
  missing.Add("qaghwi");
  EXPECT_TRUE(missing.Save(err));
  EXPECT_EQ("qaghwi\n", ReadFile(dir + "/new"));
  EXPECT_EQ("", err.str());
  // A directory is not read.
  PersonalDictionary directory(dir);
  directory.Load(&checker_, err);
  EXPECT_EQ("tesvar: warning: " + dir +
                ": not a regular file; personal dictionary not read\n",
            err.str());
  // A file that cannot be written keeps its words for the next save.
  PersonalDictionary unwritable(dir + "/no/such/dir/words");
  unwritable.Add("naQ");
  err.str("");
  EXPECT_FALSE(unwritable.Save(err));
  EXPECT_EQ("tesvar: cannot write the personal dictionary " + dir +
                "/no/such/dir/words: No such file or directory\n",
            err.str());
  // No file at all: nothing to read or write.
  PersonalDictionary none("");
  none.Add("naQ");
  EXPECT_TRUE(none.Save(err));
}

}  // namespace
}  // namespace cli
}  // namespace tesvar
