#include "tools/spell_pipe.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "support/test_lexicon.h"
#include "tesvar/version.h"
#include "tools/commands.h"

namespace tesvar {
namespace cli {
namespace {

using testing::Entry;

CLexicon PipeLexicon() {
  return testing::Lexicon({
      Entry("Dal", kNoun, "house"),
      Entry("rom", kVerb, "eat"),
      Entry("'ej", kConjunction, "and"),
  });
}

// Feeds `lines` to one session and returns everything it answered.
std::string Converse(const std::vector<std::string>& lines,
                     TextFormat format = TextFormat::kPlain) {
  const CLexicon lexicon = PipeLexicon();
  SpellChecker checker(&lexicon);
  PersonalDictionary dictionary("");
  std::ostringstream err;
  PipeSession session(&checker, &dictionary, OffsetUnit::kUtf8Characters,
                      format, &err);
  std::string out;
  for (const std::string& line : lines) session.AnswerLine(line, &out);
  return out + err.str();
}

std::string Join(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) out += line + " | ";
  return out;
}

struct Case {
  std::vector<std::string> lines;
  std::string answer;
};

void ExpectAnswers(const std::vector<Case>& cases,
                   TextFormat format = TextFormat::kPlain) {
  for (const Case& c : cases) {
    EXPECT_EQ(c.answer, Converse(c.lines, format)) << Join(c.lines);
  }
}

TEST(PipeSessionTest, AnswersEachWordOfALine) {
  ExpectAnswers({
      {{"Dal"}, "*\n\n"},
      {{"Dal Dalmey DAL qaghwi"}, "*\n+ Dal\n& DAL 1 11: Dal\n# qaghwi 15\n\n"},
      {{"ej, jIrom."}, "& ej 1 0: 'ej\n+ rom\n\n"},
      // Lines without words still get their empty line.
      {{""}, "\n"},
      {{"42, 17."}, "\n"},
      {{"", "Dal"}, "\n*\n\n"},
      // Offsets count characters: the guillemet is two bytes in UTF-8.
      {{"\xC2\xAB"
        "Dal\xC2\xBB DAL"},
       "*\n& DAL 1 6: Dal\n\n"},
      // Slips get corrections; a word with a foreign letter is one word,
      // never accepted; typographic apostrophes are apostrophes.
      {{"Dalmay Dalmeyk xyzzy \xE2\x80\x99"
        "ej"},
       "& Dalmay 2 0: Dalmaj, Dalmey\n& Dalmeyk 1 7: Dalmey\n# xyzzy 15\n"
       "*\n\n"},
  });
}

TEST(PipeSessionTest, EscapedLinesCountTheEscape) {
  ExpectAnswers({
      {{"^Dal DAL"}, "*\n& DAL 1 5: Dal\n\n"},
      {{"^"}, "\n"},
      // The escape protects a line that starts with a command character.
      {{"^!Dal", "Dal"}, "*\n\n*\n\n"},
      {{"^*DAL", "DAL"}, "& DAL 1 2: Dal\n\n& DAL 1 0: Dal\n\n"},
  });
}

TEST(PipeSessionTest, ModesAndSessionWords) {
  ExpectAnswers({
      // Terse mode drops the lines of correct words, not the empty line.
      {{"!", "Dal Dalmey DAL", "%", "Dal"}, "& DAL 1 11: Dal\n\n*\n\n"},
      // Echo mode names the word; "%" ends it too.
      {{"`", "Dal Dalmey", "%", "Dal"}, "* Dal\n+ Dalmey Dal\n\n*\n\n"},
      {{"`", "!", "Dal DAL"}, "& DAL 1 4: Dal\n\n"},
      // "*" and "@" accept a word as given, "&" in canonical spelling.
      {{"*qaghwi", "@QAGH", "&WIV", "qaghwi QAGH wIv WIV"},
       "*\n*\n*\n& WIV 1 16: wIv\n\n"},
      {{"*", "@", "Dal"}, "*\n\n"},
      // Other checkers' commands are no text.
      {{"$$ra DAL,Dal", "Dal"}, "*\n\n"},
      // A single "$" is not a command.
      {{"$DAL"}, "& DAL 1 1: Dal\n\n"},
  });
}

TEST(PipeSessionTest, TextFormatsAndTheirCommands) {
  const std::string tex = "^\\Dal{qaghwi} $qaghwi$";
  const std::string html = "^<p title=\"qaghwi\">qaghwi&amp;</p>";
  ExpectAnswers({
      {{tex}, "*\n# qaghwi 6\n# qaghwi 15\n\n"},
      {{"+", tex}, "# qaghwi 6\n\n"},
      {{"+", "-", tex}, "*\n# qaghwi 6\n# qaghwi 15\n\n"},
      {{"~html", html}, "# qaghwi 19\n\n"},
      {{"~tex", "~latin1", tex}, "# qaghwi 6\n\n"},
  });
  // "-" returns to the format the pipe started with, unless that was TeX.
  ExpectAnswers({{{"+", "-", html}, "# qaghwi 19\n\n"},
                 {{"~nroff", html},
                  "# p 2\n# title 4\n# qaghwi 11\n"
                  "# qaghwi 19\n# amp 26\n# p 32\n\n"}},
                TextFormat::kHtml);
  ExpectAnswers({{{"-", tex}, "*\n# qaghwi 6\n# qaghwi 15\n\n"}},
                TextFormat::kTex);
}

// Past the work a line may take, the words are unknown unchecked; the
// next line starts afresh.
TEST(PipeSessionTest, WordsPastTheLineBudgetAreUnknown) {
  const CLexicon lexicon = PipeLexicon();
  SpellChecker checker(&lexicon);
  PersonalDictionary dictionary("");
  std::ostringstream err;
  PipeSession session(&checker, &dictionary, OffsetUnit::kUtf8Characters,
                      TextFormat::kPlain, &err, /*max_line_work=*/1);
  std::string out;
  session.AnswerLine("Dal Dal DAL", &out);
  session.AnswerLine("Dal", &out);
  EXPECT_EQ("*\n# Dal 4\n# DAL 8\n\n*\n\n", out);
}

struct PipeRun {
  int status;
  std::string out;
  std::string err;
};

PipeRun RunPipe(const Options& options, const std::string& input) {
  std::istringstream in(input);
  std::ostringstream out;
  std::ostringstream err;
  const int status = RunSpellPipe(options, in, out, err);
  return {status, out.str(), err.str()};
}

TEST(RunSpellPipeTest, BannerThenAnswers) {
  const std::string banner =
      "@(#) International Ispell Version 3.2.06 "
      "(but really tesvar " TESVAR_VERSION_STRING ")";
  EXPECT_EQ(banner, PipeBanner());
  Options options;
  options.command = Command::kPipe;
  // The built-in sample lexicon; Windows line ends and a last line without
  // one are answered like any other.
  PipeRun run = RunPipe(options, "Dat DAT\r\n!\r\nnaQ qaghwi");
  EXPECT_EQ(exit_status::kOk, run.status);
  EXPECT_EQ(banner +
                "\n*\n& DAT 2 4: Dat, Dal\n\n& qaghwi 3 4: qaghIl, "
                "QaSwI', qaghIlwI'\n\n",
            run.out);
  EXPECT_EQ("", run.err);

  options.pipe_mode = PipeMode::kList;
  run = RunPipe(options, "Dat DAT\n!xyzzy\n");
  EXPECT_EQ(exit_status::kOk, run.status);
  EXPECT_EQ("DAT\nxyzzy\n", run.out);

  options.pipe_mode = PipeMode::kVersion;
  run = RunPipe(options, "Dat\n");
  EXPECT_EQ(exit_status::kOk, run.status);
  EXPECT_EQ(banner + "\n\n", run.out);
}

// Of a line past the limit, the whole words before the cut are answered;
// the word the cut went through is not taken for a misspelling. (So long
// a line uses up its work budget, and the words past it are listed as
// unchecked: the test looks at what the cut leaves.)
TEST(RunSpellPipeTest, ALineCutAtTheLimitKeepsItsWholeWords) {
  Options options;
  options.command = Command::kPipe;
  options.pipe_mode = PipeMode::kList;
  std::string line;
  while (line.size() + 4 < kMaxPipeLineBytes) line += "Dat ";
  line += "qaghwi";  // cut to "qagh"
  const PipeRun run = RunPipe(options, line + "\nqaghwi\n");
  EXPECT_EQ(exit_status::kOk, run.status);
  const std::string last_two = "\nDat\nqaghwi\n";  // the second line's
  EXPECT_EQ(last_two, run.out.substr(run.out.size() - last_two.size()));
  EXPECT_EQ(std::string::npos, run.out.find("qagh\n"));
  EXPECT_EQ(
      "tesvar: warning: line 1 is longer than 1048576 bytes; only its "
      "first 1048571 are checked\n",
      run.err);
}

TEST(RunSpellPipeTest, ABadLexiconIsReportedInsteadOfTheBanner) {
  Options options;
  options.command = Command::kPipe;
  options.lexicon_path = "/nonexistent/tesvar/lexicon.tsv";
  const PipeRun run = RunPipe(options, "Dat\n");
  EXPECT_EQ(exit_status::kBadInput, run.status);
  EXPECT_EQ("", run.out);
  EXPECT_EQ(0u, run.err.find("/nonexistent/tesvar/lexicon.tsv: cannot read"))
      << run.err;
}

// A word added in one run is correct in the next, from the file -p names
// or the default one in the home directory; a bad line of the file is
// reported before the banner, which still follows.
TEST(RunSpellPipeTest, PersonalDictionaryAcrossRuns) {
  const std::string home = ::testing::TempDir() + "tesvar_pipe_home";
  std::filesystem::remove_all(home);
  std::filesystem::create_directories(home);
  const char* const old_home = std::getenv("HOME");
  const std::string saved_home = old_home == nullptr ? "" : old_home;
  setenv("HOME", home.c_str(), 1);
  Options options;
  options.command = Command::kPipe;
  options.pipe_dictionary_name = "tesvar";
  RunPipe(options, "*qaghwi\n&DAJWIV\n@naQwIv\n#\n");
  std::ifstream saved(home + "/.tesvar_tesvar");
  std::stringstream text;
  text << saved.rdbuf();
  EXPECT_EQ("qaghwi\nDajwIv\n", text.str());
  PipeRun run = RunPipe(options, "!\nqaghwi DajwIv naQwIv\n");
  EXPECT_EQ("# naQwIv 14\n\n", run.out.substr(run.out.find('\n') + 1));

  options.pipe_personal_dictionary = home + "/mine";
  std::ofstream(home + "/mine") << "Dal mey\nqaghwi\n";
  // Another file: its words, not the default file's.
  run = RunPipe(options, "!\nqaghwi DajwIv\n");
  EXPECT_EQ("tesvar: warning: " + home +
                "/mine:1: not one word, skipped: "
                "'Dal mey'\n",
            run.err);
  EXPECT_EQ(0u, run.out.find("@(#) "));
  EXPECT_EQ(std::string::npos, run.out.find("qaghwi"));
  EXPECT_NE(std::string::npos, run.out.find(" DajwIv "));

  // What the file could not load back is not accepted; a file that cannot
  // be written says why, and the run fails, since the words are lost.
  run = RunPipe(options, "*Dal mey\n@Dal mey\n#\n");
  std::stringstream kept;
  kept << std::ifstream(home + "/mine").rdbuf();
  EXPECT_EQ("Dal mey\nqaghwi\n", kept.str());
  EXPECT_NE(std::string::npos,
            run.err.find("tesvar: warning: not one word, not accepted: "
                         "'Dal mey'\n"));
  options.pipe_personal_dictionary = home + "/missing/mine";
  run = RunPipe(options, "*qaghwi\n#\n");
  EXPECT_EQ(exit_status::kIoError, run.status);
  EXPECT_EQ("tesvar: cannot write the personal dictionary " + home +
                "/missing/mine: No such file or directory\n",
            run.err);
  if (old_home == nullptr) {
    unsetenv("HOME");
  } else {
    setenv("HOME", saved_home.c_str(), 1);
  }
}

}  // namespace
}  // namespace cli
}  // namespace tesvar
