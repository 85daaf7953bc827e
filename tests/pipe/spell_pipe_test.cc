#include "tools/spell_pipe.h"

#include <gtest/gtest.h>

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
std::string Converse(const std::vector<std::string>& lines) {
  const CLexicon lexicon = PipeLexicon();
  SpellChecker checker(&lexicon);
  PipeSession session(&checker, OffsetUnit::kUtf8Characters);
  std::string out;
  for (const std::string& line : lines) session.AnswerLine(line, &out);
  return out;
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

void ExpectAnswers(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    EXPECT_EQ(c.answer, Converse(c.lines)) << Join(c.lines);
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
      // "*", "&" and "@" accept a word exactly as given.
      {{"*qaghwi", "@QAGH", "&wIv", "qaghwi QAGH wIv Qagh"},
       "*\n*\n*\n# Qagh 16\n\n"},
      {{"*", "@", "Dal"}, "*\n\n"},
      // Personal dictionary, formatter and other checkers' commands.
      {{"#", "~tex", "+", "+tex", "-", "$$ra DAL,Dal", "Dal"}, "*\n\n"},
      // A single "$" is not a command.
      {{"$DAL"}, "& DAL 1 1: Dal\n\n"},
  });
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
  EXPECT_EQ(banner + "\n*\n& DAT 1 4: Dat\n\n# qaghwi 4\n\n", run.out);
  EXPECT_EQ("", run.err);

  options.pipe_mode = PipeMode::kList;
  run = RunPipe(options, "Dat DAT\n!qaghwi\n");
  EXPECT_EQ(exit_status::kOk, run.status);
  EXPECT_EQ("DAT\nqaghwi\n", run.out);

  options.pipe_mode = PipeMode::kVersion;
  run = RunPipe(options, "Dat\n");
  EXPECT_EQ(exit_status::kOk, run.status);
  EXPECT_EQ(banner + "\n\n", run.out);
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

}  // namespace
}  // namespace cli
}  // namespace tesvar
