// Lexicon lint: the warnings of each kind of likely mistake, entries that
// must stay quiet, strict loading, the cap on listed warnings, and
// duplicates found among many entries.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tesvar/lexicon_tsv.h"
#include "tesvar/sample_lexicon.h"

namespace tesvar {
namespace {

constexpr char kHeader[] = "key\theadword\tpos\tdefinition\tflags\tplural\n";

// The messages of the warnings of loading `text`, which must load.
std::vector<std::string> Warnings(const std::string& text,
                                  const LexiconLoadOptions& options = {}) {
  CLexicon lexicon;
  std::vector<LexiconWarning> warnings = {{99, "stale"}};
  const Status status =
      ParseLexiconTsv(text, "t.tsv", &lexicon, options, &warnings);
  EXPECT_TRUE(status.ok()) << status.message();
  std::vector<std::string> messages;
  for (const LexiconWarning& warning : warnings) {
    EXPECT_EQ(warning.message.find("t.tsv:" + std::to_string(warning.line) +
                                   ": warning: "),
              0u)
        << warning.message;
    messages.push_back(warning.message);
  }
  return messages;
}

TEST(LexiconLintTest, WarnsOfEachLikelyMistake) {
  using namespace std::string_literals;  // NOLINT: NUL bytes in literals
  struct Case {
    std::string entries;  // after the header, from line 2
    std::vector<std::string> warnings;
  };
  const Case cases[] = {
      // Entries as they should be, flags where their analyses read them.
      {"qet:V\tqet\tV\trun\tstative\t\n"
       "jIH:P\tjIH\tP\tI, me\tlanguage,stative\t\n"
       "loD:N\tloD\tN\tman\tlanguage,irregularplural\tnuv\n"
       "Dap:9\tDap\t9\tnonsense\t\t\n"
       "caf\xC3\xA9\tqet\tN\tcaf\xC3\xA9 \xE2\x82\xAC\xF0\x9F\x98\x80\t\t\n",
       {}},
      {"k\t\tN\tx\t\t\n",
       {"t.tsv:2: warning: empty headword: the entry is tried on every word"}},
      {"k \t qet\tN\t x \t\t\n",
       {"t.tsv:2: warning: key 'k ' ends with a blank",
        "t.tsv:2: warning: headword ' qet' starts with a blank",
        "t.tsv:2: warning: definition ' x ' starts and ends with a blank",
        "t.tsv:2: warning: headword ' qet' is not in canonical spelling "
        "('qet'): no word can match it"}},
      {"k\x7F\tqet\tN\ta\0b\r\t\t\n"s,
       {"t.tsv:2: warning: key 'k\\x7F' holds a control byte",
        "t.tsv:2: warning: definition 'a\\x00b\\x0D' holds a control byte"}},
      {"k\tqet\tN\tcaf\xE9\t\tqet\xC0\xAF\n",
       {"t.tsv:2: warning: definition 'caf\\xE9' is not valid UTF-8",
        "t.tsv:2: warning: plural 'qet\\xC0\\xAF' is not valid UTF-8",
        "t.tsv:2: warning: plural 'qet\\xC0\\xAF' is not in canonical "
        "spelling ('qet')",
        "t.tsv:2: warning: plural 'qet\\xC0\\xAF' is never used without the "
        "flag 'irregularplural'"}},
      {"k\tDAL\tN\thouse\t\t\nk2\tthIng\tN\tx\t\t\n",
       {"t.tsv:2: warning: headword 'DAL' is not in canonical spelling "
        "('Dal'): no word can match it",
        "t.tsv:3: warning: headword 'thIng' is not in canonical spelling "
        "('tlhIng'): no word can match it"}},
      {"k\tqet\tV\trun\tirregularplural,bodypart\tqetmey\n",
       {"t.tsv:2: warning: flag 'bodypart' has no effect on part of speech V: "
        "only N and P entries use it",
        "t.tsv:2: warning: flag 'irregularplural' has no effect on part of "
        "speech V: only N and P entries use it",
        "t.tsv:2: warning: plural 'qetmey' has no effect on part of speech V: "
        "only N and P entries use it"}},
      {"k\tqet\tN\tx\tstative\t\nk2\tqet\t-3\ty\tinherentplural\t\n",
       {"t.tsv:2: warning: flag 'stative' has no effect on part of speech N: "
        "only V and P entries use it",
        "t.tsv:3: warning: flag 'inherentplural' has no effect on part of "
        "speech -3: only N and P entries use it"}},
      {"k\tloD\tN\tman\tirregularplural\tNUV\n",
       {"t.tsv:2: warning: plural 'NUV' is not in canonical spelling ('nuv')"}},
      {"k\tqet\tN\t\t\t\n", {"t.tsv:2: warning: empty definition"}},
      // The same headword, part of speech and definition twice; a
      // different code or definition is a different entry.
      {"a\tqet\tV\trun\t\t\n\n"
       "b\tqet\tN\trun\t\t\nc\tqet\tV\trun \t\t\nd\tqet\tV\trun\tstative\t\n",
       {"t.tsv:5: warning: definition 'run ' ends with a blank",
        "t.tsv:6: warning: same headword, part of speech and definition as "
        "'a' on line 2"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Warnings(kHeader + c.entries), c.warnings) << c.entries;
  }
}

// Only the very first bytes of the input can be a byte-order mark.
TEST(LexiconLintTest, ByteOrderMarkIsSkippedWithAWarning) {
  EXPECT_EQ(Warnings("\xEF\xBB\xBF" + std::string(kHeader)),
            std::vector<std::string>{"t.tsv:1: warning: byte-order mark "
                                     "skipped: lexicon files are UTF-8 "
                                     "without one"});
}

TEST(LexiconLintTest, Utf8IsCheckedSequenceBySequence) {
  struct Case {
    const char* bytes;
    bool valid;
  };
  const Case cases[] = {
      {"\xC2\x80\xDF\xBF", true},                  // the two-byte range
      {"\xE0\xA0\x80\xED\x9F\xBF", true},          // U+0800, U+D7FF
      {"\xEE\x80\x80\xEF\xBF\xBF", true},          // U+E000, U+FFFF
      {"\xF0\x90\x80\x80\xF4\x8F\xBF\xBF", true},  // U+10000, U+10FFFF
      {"\xC1\xBF", false},                         // overlong
      {"\xE0\x9F\xBF", false},                     // overlong
      {"\xF0\x8F\xBF\xBF", false},                 // overlong
      {"\xED\xA0\x80", false},                     // a surrogate
      {"\xF4\x90\x80\x80", false},                 // past U+10FFFF
      {"\xF5\x80\x80\x80", false},
      {"\x80", false},       // a lone continuation byte
      {"\xE2\x82", false},   // cut short at the end
      {"\xE2\x82x", false},  // cut short in the middle
      {"\xC3\xA9\xFF", false},
  };
  for (const Case& c : cases) {
    const std::vector<std::string> warnings =
        Warnings(std::string(kHeader) + "k\tqet\tN\tx" + c.bytes + "\t\t\n");
    EXPECT_EQ(warnings.empty(), c.valid) << c.bytes;
  }
}

TEST(LexiconLintTest, StrictLoadingFailsAtTheFirstWarning) {
  const std::string text = std::string(kHeader) +
                           "a\tqet\tV\trun\t\t\n"
                           "b \tqet\tN\t\t\t\n"
                           "c\tDAL\tN\thouse\t\t\n";
  LexiconLoadOptions strict;
  strict.strict = true;
  for (const bool with_list : {false, true}) {
    CLexicon lexicon;
    lexicon.Add("stale", CTWord());
    std::vector<LexiconWarning> warnings;
    const Status status = ParseLexiconTsv(text, "t.tsv", &lexicon, strict,
                                          with_list ? &warnings : nullptr);
    EXPECT_EQ(status.code(), Status::Code::kInvalidInput);
    EXPECT_EQ(status.message(), "t.tsv:3: key 'b ' ends with a blank");
    EXPECT_TRUE(lexicon.empty());
    EXPECT_TRUE(warnings.empty());
  }
  CLexicon clean;
  EXPECT_TRUE(ParseLexiconTsv(std::string(kHeader) + "a\tqet\tV\trun\t\t\n",
                              "t.tsv", &clean, strict)
                  .ok());
  EXPECT_EQ(clean.size(), 1u);
}

TEST(LexiconLintTest, ListsAtMostTheWarningLimitAndCountsTheRest) {
  std::string text = kHeader;
  for (int i = 0; i < 5; ++i) {
    text += "k" + std::to_string(i) + "\tqet\t" + std::to_string(10 + i) +
            "\t\t\t\n";
  }
  LexiconLoadOptions options;
  options.max_warnings = 2;
  EXPECT_EQ(Warnings(text, options),
            (std::vector<std::string>{
                "t.tsv:2: warning: empty definition",
                "t.tsv:3: warning: empty definition",
                "t.tsv:4: warning: 3 more warnings from this line on are not "
                "listed"}));
  options.max_warnings = 0;
  EXPECT_EQ(Warnings(text, options).size(), 5u);
}

// Many entries, so that the duplicate finder's table grows between an
// entry and its duplicate, and many homographs, which are no duplicates.
TEST(LexiconLintTest, FindsDuplicatesAmongManyEntries) {
  std::string text = kHeader;
  for (int i = 0; i < 3000; ++i) {
    const std::string n = std::to_string(i);
    text += "k" + n + "\t" + (i % 2 == 0 ? "qet" : "Sop") + "\tV\tsense " + n +
            "\t\t\n";
  }
  text += "dup\tSop\tV\tsense 2999\t\t\ndup2\tqet\tV\tsense 0\t\t\n";
  EXPECT_EQ(Warnings(text),
            (std::vector<std::string>{
                "t.tsv:3002: warning: same headword, part of speech and "
                "definition as 'k2999' on line 3001",
                "t.tsv:3003: warning: same headword, part of speech and "
                "definition as 'k0' on line 2"}));
}

TEST(LexiconLintTest, SampleLexiconIsClean) {
  EXPECT_EQ(Warnings(std::string(SampleLexiconTsv())),
            std::vector<std::string>{});
}

}  // namespace
}  // namespace tesvar
