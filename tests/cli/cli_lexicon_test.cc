// `tesvar lexicon list|show|find|stats|check`: listings load back as the
// same lexicon, lookups find what the parser would try, figures count
// what the file holds, check lists likely mistakes by line, and every
// subcommand works on the built-in sample when no file is named.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/cli_process.h"

namespace tesvar {
namespace {

using testing::CliRun;
using testing::RunCli;
using testing::TempFile;

// Columns out of the usual order, codes without a label, every flag, an
// irregular plural, homographs (one of them empty) and a control byte.
constexpr char kLexicon[] =
    "pos\tplural\tkey\tdefinition\theadword\tflags\n"
    "N\tHamun\tmun:N\tfriend\tmun\tlanguage,irregularplural\n"
    "V\t\tmun:V\tbe friendly\tmun\tstative\n"
    "9\t\todd\tnine\tmu\t\n"
    "-1\t\tneg\tminus\tm\t\n"
    "N\t\tparts\tbits\tmunmey\tbodypart,inherentplural\n"
    "ADV\t\tempty1\tnothing\t\t\n"
    "Q\t\tempty2\tna\x01thing\t\t\n";

constexpr char kListed[] =
    "key\theadword\tpos\tdefinition\tflags\tplural\n"
    "mun:N\tmun\tN\tfriend\tlanguage,irregularplural\tHamun\n"
    "mun:V\tmun\tV\tbe friendly\tstative\t\n"
    "odd\tmu\t9\tnine\t\t\n"
    "neg\tm\t-1\tminus\t\t\n"
    "parts\tmunmey\tN\tbits\tbodypart,inherentplural\t\n"
    "empty1\t\tADV\tnothing\t\t\n"
    "empty2\t\tQ\tna\x01thing\t\t\n";

std::string Row(const std::string& listed, const std::string& key) {
  const size_t at = listed.find("\n" + key + "\t") + 1;
  return listed.substr(at, listed.find('\n', at) + 1 - at);
}

TEST(CliLexiconTest, ListLoadsBackAsTheSameLexicon) {
  const TempFile file(kLexicon);
  const CliRun listed = RunCli({"lexicon", "list", file.path()}, "");
  EXPECT_EQ(0, listed.exit_status);
  EXPECT_EQ(kListed, listed.out);
  const TempFile relisted_file(listed.out);
  EXPECT_EQ(kListed, RunCli({"lexicon", "list", relisted_file.path()}, "").out);

  // The built-in sample, listed and loaded as a file, reads every word as
  // the sample itself does.
  const CliRun sample = RunCli({"lexicon", "list"}, "");
  ASSERT_EQ(0, sample.exit_status);
  const TempFile sample_file(sample.out);
  const std::string words =
      "Dalmey\njIrom\nghompu'wI'\nvaghmaHDIch\nmIy\nDALMEY\ntuvHa'ghachmey\n";
  EXPECT_EQ(
      RunCli({"parse", "--json", "--native"}, words).out,
      RunCli({"parse", "--json", "--native", "--lexicon", sample_file.path()},
             words)
          .out);
}

// A key that starts like a comment, or a plural that ends like a line
// end, would not load back in the usual column order; such a listing
// orders its columns so that neither stands at the edge of a line, and
// `find` lists its entries the same way.
TEST(CliLexiconTest, ListingsOfEdgeFieldsLoadBack) {
  const std::string cases[] = {
      "headword\tkey\tpos\tdefinition\n"
      "mun\t#mun\tN\tfriend\n",
      "key\theadword\tpos\tdefinition\tplural\n"
      "mun\tmun\tN\tfriend\tHamun\r\r\n",
  };
  for (const std::string& lexicon : cases) {
    const TempFile file(lexicon);
    const std::string json =
        RunCli({"lexicon", "list", "--json", file.path()}, "").out;
    ASSERT_NE(json, "") << lexicon;
    for (const char* command : {"list", "find"}) {
      std::vector<std::string> args = {"lexicon", command, file.path()};
      if (command == std::string("find")) args.insert(args.begin() + 2, "mun");
      const CliRun listed = RunCli(args, "");
      ASSERT_EQ(0, listed.exit_status) << command;
      EXPECT_EQ(0u, listed.out.find("pos\t")) << listed.out;
      const TempFile relisted(listed.out);
      EXPECT_EQ(json,
                RunCli({"lexicon", "list", "--json", relisted.path()}, "").out)
          << command << ": " << lexicon;
    }
  }
}

TEST(CliLexiconTest, ShowAndFind) {
  const TempFile file(kLexicon);
  const std::string& path = file.path();
  struct Case {
    std::vector<std::string> args;
    int exit_status;
    std::string out;
  };
  const Case cases[] = {
      {{"lexicon", "show", "mun:N", path},
       0,
       "key: mun:N\nheadword: mun\npos: N (0)\ndefinition: friend\n"
       "flags: language,irregularplural\nplural: Hamun\n"},
      {{"lexicon", "show", "empty2", path},
       0,
       "key: empty2\nheadword:\npos: Q (7)\ndefinition: na\\x01thing\n"
       "flags:\nplural:\n"},
      {{"lexicon", "show", "--json", "neg", path},
       0,
       "{\"key\": \"neg\", \"headword\": \"m\", \"pos\": \"X\", \"code\": -1, "
       "\"definition\": \"minus\", \"flags\": [], \"plural\": \"\"}\n"},
      {{"lexicon", "show", "mun", path}, 1, ""},
      // The headword itself first, then shorter ones that start the word,
      // longest first: what the parser tries for "munmey".
      {{"lexicon", "find", "munmey", path},
       0,
       std::string("key\theadword\tpos\tdefinition\tflags\tplural\n") +
           Row(kListed, "parts") + Row(kListed, "mun:N") +
           Row(kListed, "mun:V") + Row(kListed, "odd") + Row(kListed, "neg") +
           Row(kListed, "empty1") + Row(kListed, "empty2")},
      {{"lexicon", "find", "--json", "Dal"},
       0,
       "{\"key\": \"Dal:N\", \"headword\": \"Dal\", \"pos\": \"N\", \"code\": "
       "0, \"definition\": \"house\", \"flags\": [], \"plural\": \"\"}\n"},
      {{"lexicon", "find", "xyz"}, 1, ""},
  };
  for (const Case& c : cases) {
    const std::string name = c.args[1] + " " + c.args[2];
    const CliRun run = RunCli(c.args, "");
    EXPECT_EQ(c.exit_status, run.exit_status) << name;
    EXPECT_EQ(c.out, run.out) << name;
    EXPECT_EQ(c.exit_status != 0, run.err.find("tesvar: no ") == 0)
        << name << ": " << run.err;
  }
}

TEST(CliLexiconTest, StatsCountWhatTheFileHolds) {
  const TempFile file(kLexicon);
  const CliRun text = RunCli({"lexicon", "stats", file.path()}, "");
  EXPECT_EQ(0, text.exit_status);
  EXPECT_EQ(
      "entries: 7\nN: 2\nV: 1\nP: 0\nADV: 1\nNUM: 0\nCONJ: 0\nEXCL: 0\nQ: 1\n"
      "X: 2\nlanguage: 1\nbodypart: 1\ninherentplural: 1\n"
      "irregularplural: 1\nstative: 1\n"
      "headword bytes: shortest 0, median 2, longest 6\n"
      "empty headwords: 2\n"
      "homographs: 2 headwords shared by 4 entries\n"
      "  mun: mun:N mun:V\n"
      "  : empty1 empty2\n",
      text.out);
  const CliRun json = RunCli({"lexicon", "stats", "--json", file.path()}, "");
  EXPECT_EQ(0, json.exit_status);
  EXPECT_EQ(
      "{\"entries\": 7, \"pos\": {\"N\": 2, \"V\": 1, \"P\": 0, \"ADV\": 1, "
      "\"NUM\": 0, \"CONJ\": 0, \"EXCL\": 0, \"Q\": 1, \"X\": 2}, "
      "\"flags\": {\"language\": 1, \"bodypart\": 1, \"inherentplural\": 1, "
      "\"irregularplural\": 1, \"stative\": 1}, \"headword_bytes\": "
      "{\"shortest\": 0, \"median\": 2, \"longest\": 6}, "
      "\"empty_headwords\": 2, \"homographs\": [{\"headword\": \"mun\", "
      "\"keys\": [\"mun:N\", \"mun:V\"]}, {\"headword\": \"\", \"keys\": "
      "[\"empty1\", \"empty2\"]}]}\n",
      json.out);
}

TEST(CliLexiconTest, CheckWarnsOfLikelyMistakes) {
  // A byte-order mark, an empty headword, a headword no word can match.
  const TempFile file(
      "\xEF\xBB\xBFkey\theadword\tpos\tdefinition\n"
      "# fine\n"
      "ok\tDal\tN\thouse\n"
      "empty\t\tN\tnothing\n"
      "caps\tDAL\tN\thouse\n");
  const std::string& path = file.path();
  const CliRun run = RunCli({"lexicon", "check", path}, "");
  EXPECT_EQ(0, run.exit_status);
  EXPECT_EQ(0u, run.out.find("entries: 3\nN: 3\n")) << run.out;
  // Every warning names its line, in line order, and nothing else is said.
  const std::vector<std::string> expected_starts = {
      path + ":1: warning: byte-order mark",
      path + ":4: warning: empty headword",
      path + ":5: warning: headword 'DAL' is not in canonical spelling"};
  std::vector<std::string> lines;
  for (size_t at = 0, end; (end = run.err.find('\n', at)) != std::string::npos;
       at = end + 1) {
    lines.push_back(run.err.substr(at, end - at));
  }
  ASSERT_EQ(expected_starts.size(), lines.size()) << run.err;
  for (size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(0u, lines[i].find(expected_starts[i])) << lines[i];
  }

  // --strict lists them all, then fails without the counts.
  const CliRun strict = RunCli({"lexicon", "check", "--strict", path}, "");
  EXPECT_EQ(2, strict.exit_status);
  EXPECT_EQ("", strict.out);
  EXPECT_EQ(run.err + "tesvar: 3 warnings, which --strict makes errors\n",
            strict.err);

  // A clean file passes --strict; a file with commas is told the format.
  const TempFile clean("key\theadword\tpos\tdefinition\nok\tDal\tN\thouse\n");
  const CliRun clean_run =
      RunCli({"lexicon", "check", "--strict", clean.path()}, "");
  EXPECT_EQ(0, clean_run.exit_status);
  EXPECT_EQ("", clean_run.err);
  const TempFile commas("key,headword,pos,definition\nok,Dal,N,house\n");
  const CliRun comma_run = RunCli({"lexicon", "check", commas.path()}, "");
  EXPECT_EQ(2, comma_run.exit_status);
  EXPECT_NE(std::string::npos, comma_run.err.find(commas.path() + ":1: "))
      << comma_run.err;
  EXPECT_NE(std::string::npos, comma_run.err.find("tab-separated"))
      << comma_run.err;
}

TEST(CliLexiconTest, CheckWithoutAFileChecksTheSample) {
  const CliRun run = RunCli({"lexicon", "check", "--strict"}, "");
  EXPECT_EQ(0, run.exit_status);
  EXPECT_EQ("", run.err) << "the sample has nothing to warn of";
  const CliRun stats = RunCli({"lexicon", "stats"}, "");
  // The same counts as the start of the figures.
  EXPECT_EQ(stats.out.substr(0, run.out.size()), run.out);
  EXPECT_EQ(0u, run.out.find("entries: 44\n")) << run.out;
}

}  // namespace
}  // namespace tesvar
