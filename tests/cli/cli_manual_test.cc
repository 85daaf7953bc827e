// The manual page and the README keep up with the program: every command,
// option and number that `tesvar --help` names is in both.

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "cli/cli_process.h"

namespace tesvar {
namespace {

// The manual page's text with the roff escapes that split words taken
// out: "\-\-json" reads "--json", "\fIfile\fP" reads "file".
std::string ManualText() {
  const std::string page = testing::ReadFile(TESVAR_MANUAL_PATH);
  std::string text;
  for (size_t i = 0; i < page.size(); ++i) {
    if (page[i] != '\\' || i + 1 == page.size()) {
      text.push_back(page[i]);
      continue;
    }
    const char next = page[++i];
    if (next == '-') {
      text.push_back('-');
    } else if (next == 'f' && i + 1 < page.size()) {
      ++i;  // a font change: \fB, \fI, \fR, \fP
    } else if (next == '~') {
      text.push_back(' ');
    }  // \c, \|, \& and the like stand for nothing here.
  }
  return text;
}

bool IsWordByte(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
         (c >= '0' && c <= '9') || c == '-';
}

// True when `word` stands in `text` with no word byte on either side.
bool HasWord(const std::string& text, const std::string& word) {
  for (size_t at = text.find(word); at != std::string::npos;
       at = text.find(word, at + 1)) {
    const size_t end = at + word.size();
    if ((at == 0 || !IsWordByte(text[at - 1])) &&
        (end == text.size() || !IsWordByte(text[end]))) {
      return true;
    }
  }
  return false;
}

// The words of `text`: runs of word bytes and apostrophes.
std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  std::string word;
  for (const char c : text + " ") {
    if (IsWordByte(c)) {
      word.push_back(c);
    } else if (!word.empty()) {
      words.push_back(word);
      word.clear();
    }
  }
  return words;
}

// `number` with a comma between groups of three digits, as prose writes
// it: "6291456" reads "6,291,456".
std::string Grouped(const std::string& number) {
  std::string grouped;
  for (size_t i = 0; i < number.size(); ++i) {
    if (i != 0 && (number.size() - i) % 3 == 0) grouped.push_back(',');
    grouped.push_back(number[i]);
  }
  return grouped;
}

// Expects `word`, named by the help, in both documents; the README may
// group the digits of a number.
void ExpectDocumented(const std::string& word, const std::string& manual,
                      const std::string& readme) {
  EXPECT_TRUE(HasWord(manual, word)) << word << " is not in the manual";
  EXPECT_TRUE(HasWord(readme, word) || HasWord(readme, Grouped(word)))
      << word << " is not in the README";
}

TEST(CliManualTest, NamesEveryCommandOptionAndNumberOfTheHelp) {
  const testing::CliRun help = testing::RunCli({"--help"}, "");
  ASSERT_EQ(0, help.exit_status);
  const std::string manual = ManualText();
  const std::string readme = testing::ReadFile(TESVAR_README_PATH);
  std::set<std::string> checked;
  for (const std::string& word : Words(help.out)) {
    const bool option = word.size() >= 2 && word[0] == '-' && word != "--";
    const bool number =
        word.find_first_not_of("0123456789") == std::string::npos;
    if ((option || number) && checked.insert(word).second) {
      ExpectDocumented(word, manual, readme);
    }
  }
  // Commands: the word after "tesvar", and the one after "lexicon".
  size_t line_start = 0;
  for (size_t end; (end = help.out.find('\n', line_start)) != std::string::npos;
       line_start = end + 1) {
    const std::vector<std::string> words =
        Words(help.out.substr(line_start, end - line_start));
    if (words.size() < 2 || words[0] != "tesvar" || words[1][0] == '-') {
      continue;
    }
    std::string command = words[1];
    if (command == "lexicon" && words.size() > 2) command += " " + words[2];
    ExpectDocumented(command, manual, readme);
    checked.insert(command);
  }
  // What the test looked for, so that a change to the help's layout that
  // hides everything from it does not pass unnoticed.
  for (const char* expected : {"--jobs", "--color", "--strict", "-vv", "256",
                               "64", "lexicon find", "parse", "pipe"}) {
    EXPECT_EQ(1u, checked.count(expected)) << expected;
  }
}

}  // namespace
}  // namespace tesvar
