#include "tesvar/lexicon_tsv.h"

#include <gtest/gtest.h>

#include <string>

namespace tesvar {
namespace {

constexpr char kHeader[] = "key\theadword\tpos\tdefinition\n";

// "key|headword|pos|definition|flags|plural" per entry, one per line.
std::string Dump(const CLexicon& lexicon) {
  std::string out;
  for (const CLexicon::Entry& e : lexicon.entries()) {
    const CTWord& w = e.word;
    std::string flags;
    auto flag = [&flags](int32_t on, const char* name) {
      if (on) flags += (flags.empty() ? "" : ",") + std::string(name);
    };
    flag(w.m_bLanguage, "language");
    flag(w.m_bBodyPart, "bodypart");
    flag(w.m_bInherentPlural, "inherentplural");
    flag(w.m_bIrregularPlural, "irregularplural");
    flag(w.m_bStative, "stative");
    out += std::string(e.key) + "|" + std::string(w.m_strHeadword) + "|" +
           std::to_string(w.m_nPOS) + "|" + std::string(w.m_strDefinition) +
           "|" + flags + "|" + std::string(w.m_strIrregularPlural) + "\n";
  }
  return out;
}

TEST(LexiconTsvTest, LoadsGoodFiles) {
  struct Case {
    const char* name;
    std::string text;
    const char* dump;
  };
  const Case cases[] = {
      {"header only", kHeader, ""},
      {"columns in any order",
       "plural\tdefinition\tflags\tpos\theadword\tkey\n"
       "pl\twater\tlanguage\t0\tbIQ\tk1\n",
       "k1|bIQ|0|water|language|pl\n"},
      {"crlf, comments, blank lines, no final newline",
       "# a comment\r\n\r\n" + std::string(kHeader) +
           "#another\n\na\tA\tN\tfirst\r\nb\tB\tV\tsecond",
       "a|A|0|first||\nb|B|1|second||\n"},
      {"# inside a line and empty fields are data",
       std::string(kHeader) + "k\t\t3\t#1\n", "k||3|#1||\n"},
      {"labels",
       std::string(kHeader) +
           "0\ta\tN\t\n1\ta\tV\t\n2\ta\tP\t\n3\ta\tADV\t\n"
           "4\ta\tNUM\t\n5\ta\tCONJ\t\n6\ta\tEXCL\t\n7\ta\tQ\t\n",
       "0|a|0|||\n1|a|1|||\n2|a|2|||\n3|a|3|||\n4|a|4|||\n5|a|5|||\n"
       "6|a|6|||\n7|a|7|||\n"},
      {"numbers",
       std::string(kHeader) +
           "lo\ta\t-2147483648\t\nhi\ta\t2147483647\t\nneg\ta\t-1\t\n"
           "nine\ta\t9\t\nzeros\ta\t007\t\n",
       "lo|a|-2147483648|||\nhi|a|2147483647|||\nneg|a|-1|||\n"
       "nine|a|9|||\nzeros|a|7|||\n"},
      {"flags",
       "key\theadword\tpos\tdefinition\tflags\n"
       "all\ta\t0\t\tstative,irregularplural,inherentplural,bodypart,"
       "language\nnone\ta\t0\t\t\n",
       "all|a|0||language,bodypart,inherentplural,irregularplural,"
       "stative|\nnone|a|0|||\n"},
      {"a byte-order mark is skipped",
       "\xEF\xBB\xBF# c\n" + std::string(kHeader) + "k\th\t0\td\n",
       "k|h|0|d||\n"},
      {"bytes pass through",
       std::string(kHeader) + "k\xC3\xA9\tq\rQ\t0\tsay \"hi\"\\\n",
       "k\xC3\xA9|q\rQ|0|say \"hi\"\\||\n"},
  };
  for (const Case& c : cases) {
    CLexicon lexicon;
    lexicon.Add("stale", CTWord());
    const Status status = ParseLexiconTsv(c.text, "t.tsv", &lexicon);
    EXPECT_TRUE(status.ok()) << c.name << ": " << status.ToString();
    EXPECT_EQ(c.dump, Dump(lexicon)) << c.name;
  }
}

TEST(LexiconTsvTest, ReportsErrorsWithLineAndLeavesLexiconEmpty) {
  const std::string h = kHeader;
  struct Case {
    std::string text;
    const char* message;
  };
  const Case cases[] = {
      {"",
       "t.tsv:1: no header line (the file is empty or holds only "
       "comments and blank lines)"},
      {"# only\n\n",
       "t.tsv:2: no header line (the file is empty or holds "
       "only comments and blank lines)"},
      {"# c\nkey\theadword\tpos\tdefinition\tcolour\n",
       "t.tsv:2: unknown column 'colour'"},
      {"key\theadword\tpos\tdefinition\t\n", "t.tsv:1: unknown column ''"},
      {"key\theadword\tpos\tdefinition\tKey\n",
       "t.tsv:1: unknown column 'Key'"},
      {"it's\x7F\\\n", "t.tsv:1: unknown column 'it\\'s\\x7F\\\\'"},
      {"key\theadword\tpos\tdefinition\tpos\n",
       "t.tsv:1: repeated column 'pos'"},
      {"key\theadword\tdefinition\tflags\n", "t.tsv:1: missing column 'pos'"},
      {h + "k\th\t0\n", "t.tsv:2: expected 4 tab-separated fields, found 3"},
      {h + "k\th\t0\td\textra\n",
       "t.tsv:2: expected 4 tab-separated fields, found 5"},
      {h + "\th\t0\td\n", "t.tsv:2: empty key"},
      {h + "a\th\t0\t\n# c\n\nb\th\t0\t\na\th\t1\t\n",
       "t.tsv:6: duplicate key 'a' (first on line 2)"},
      {h + "k\th\t2147483648\t\n",
       "t.tsv:2: part of speech '2147483648' does not fit in 32 bits"},
      {h + "k\th\t-2147483649\t\n",
       "t.tsv:2: part of speech '-2147483649' does not fit in 32 bits"},
      {h + "k\th\t+1\t\n",
       "t.tsv:2: bad part of speech '+1': expected an integer or one of N V "
       "P ADV NUM CONJ EXCL Q"},
      {h + "k\th\t\t\n",
       "t.tsv:2: bad part of speech '': expected an integer or one of N V P "
       "ADV NUM CONJ EXCL Q"},
      {h + "k\th\t 1\t\n",
       "t.tsv:2: bad part of speech ' 1': expected an integer or one of N V "
       "P ADV NUM CONJ EXCL Q"},
      {h + "k\th\t1.0\t\n",
       "t.tsv:2: bad part of speech '1.0': expected an integer or one of N V "
       "P ADV NUM CONJ EXCL Q"},
      {h + "k\th\t-\t\n",
       "t.tsv:2: bad part of speech '-': expected an integer or one of N V P "
       "ADV NUM CONJ EXCL Q"},
      {h + "k\th\tX\t\n",
       "t.tsv:2: bad part of speech 'X': expected an integer or one of N V P "
       "ADV NUM CONJ EXCL Q"},
      {h + "k\th\tn\xFF\r\t\r\n",
       "t.tsv:2: bad part of speech 'n\\xFF\\x0D': expected an integer or one "
       "of N V P ADV NUM CONJ EXCL Q"},
      {"key\theadword\tpos\tdefinition\tflags\nk\th\t0\td\tplural\n",
       "t.tsv:2: unknown flag 'plural' (known flags: language, bodypart, "
       "inherentplural, irregularplural, stative)"},
      {"key\theadword\tpos\tdefinition\tflags\nk\th\t0\td\tlanguage,,stative\n",
       "t.tsv:2: unknown flag '' (known flags: language, bodypart, "
       "inherentplural, irregularplural, stative)"},
      {"key\theadword\tpos\tdefinition\tflags\nk\th\t0\td\tLanguage\n",
       "t.tsv:2: unknown flag 'Language' (known flags: language, bodypart, "
       "inherentplural, irregularplural, stative)"},
      {"key,headword,pos,definition\n",
       "t.tsv:1: unknown column 'key,headword,pos,definition': lexicon files "
       "are tab-separated, not comma-separated"},
      {h + "k,h,N,d\n",
       "t.tsv:2: expected 4 tab-separated fields, found 1: lexicon files are "
       "tab-separated, not comma-separated"},
      // Only at the very start is it a byte-order mark.
      {"\n\xEF\xBB\xBF" + h, "t.tsv:2: unknown column '\\xEF\\xBB\\xBFkey'"},
      // All or nothing: good entries before a bad last line are dropped too.
      {h + "a\th\t0\t\nb\th\t0\t\nc\th\tZ\t",
       "t.tsv:4: bad part of speech 'Z': expected an integer or one of N V P "
       "ADV NUM CONJ EXCL Q"},
  };
  for (const Case& c : cases) {
    CLexicon lexicon;
    lexicon.Add("stale", CTWord());
    const Status status = ParseLexiconTsv(c.text, "t.tsv", &lexicon);
    EXPECT_EQ(Status::Code::kInvalidInput, status.code()) << c.text;
    EXPECT_EQ(c.message, status.message()) << c.text;
    EXPECT_TRUE(lexicon.empty()) << c.text;
  }
}

}  // namespace
}  // namespace tesvar
