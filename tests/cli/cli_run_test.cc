// End-to-end runs of the tesvar binary. The lexicon holds only words that
// take no affixes, so the expected answers follow from the driver and the
// spelling rules alone.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "cli/cli_process.h"
#include "tesvar/version.h"

namespace tesvar {
namespace {

using testing::CliRun;
using testing::RunCli;
using testing::TempFile;

constexpr char kLexicon[] =
    "# plain words of every uninflected class\n"
    "key\theadword\tpos\tdefinition\n"
    "adv\tnaQ\tADV\tquickly\n"
    "conj\t'ej\t5\tand\n"
    "excl\tlo'ey\tEXCL\thello\n"
    "q\tnuq\t7\twhat\n"
    "odd\tvIp\t9\tnine-coded\n"
    "neg\tQav\t-1\tnegative\n";

std::string Json(const std::string& input, const std::string& results) {
  return "{\"input\": \"" + input + "\", \"results\": [" + results + "]}\n";
}

// One reading as the JSON output has it: exact, or with the spelling mark.
std::string Reading(const std::string& pos, const std::string& word,
                    const std::string& key, const std::string& analysis,
                    bool respelt = false) {
  return "{\"pos\": \"" + pos + "\", \"word\": \"" + word + "\", \"key\": \"" +
         key + "\", \"analysis\": \"" + analysis + "\", \"score\": " +
         (respelt ? "0.9090909090909091, \"errors\": [\"Spelling or case.\"], "
                    "\"suggestions\": [\"" +
                        word + "\"]}"
                  : "1, \"errors\": [], \"suggestions\": []}");
}

TEST(CliRunTest, ParseAnswersEachWordInOrder) {
  const TempFile lexicon(kLexicon);
  const std::string& file = lexicon.path();
  struct Case {
    const char* name;
    std::vector<std::string> args;
    std::string input;
    std::string out;
  };
  const Case cases[] = {
      {"words from the arguments, every label",
       {"parse", "--json", "--lexicon", file, "naQ", "'ej", "lo'ey", "nuq",
        "vIp", "Qav"},
       "ignored\n",
       Json("naQ", Reading("ADV", "naQ", "adv", "quickly")) +
           Json("'ej", Reading("CONJ", "'ej", "conj", "and")) +
           Json("lo'ey", Reading("EXCL", "lo'ey", "excl", "hello")) +
           Json("nuq", Reading("Q", "nuq", "q", "what")) +
           Json("vIp", Reading("X", "vIp", "odd", "nine-coded")) +
           Json("Qav", Reading("X", "Qav", "neg", "negative"))},
      {"stdin with CRLF, an empty line and no final newline",
       {"parse", "--lexicon=" + file, "--json"},
       "NAQ\r\n\r\ne j\nzzz",
       Json("NAQ", Reading("ADV", "naQ", "adv", "quickly", true)) +
           Json("", "") +
           Json("e j", Reading("CONJ", "'ej", "conj", "and", true)) +
           Json("zzz", "")},
      {"input bytes are escaped, options after words, -- ends options",
       {"parse", "--lexicon", file, "na\"Q\x01", "--json", "--", "--native"},
       "",
       Json("na\\\"Q\\u0001", Reading("ADV", "naQ", "adv", "quickly", true)) +
           Json("--native", "")},
      {"native rendering",
       {"parse", "--json", "--native", "--lexicon", file, "nuq"},
       "",
       Json("nuq",
            "{\"pos\": \"Q\", \"word\": \"nuq\", \"key\": \"q\", "
            "\"analysis\": \"what\", \"score\": 1, \"errors\": [], "
            "\"suggestions\": [], \"native\": \"nuq\"}")},
      {"readable output",
       {"parse", "--native", "--lexicon", file},
       "Nuq\nxyz\n",
       "Nuq (read as nuq)\n"
       "  1. [Q] what\n"
       "     word nuq, key q, score 0.909\n"
       "     error: Spelling or case.\n"
       "     suggestion: nuq\n"
       "     native: nuq\n"
       "xyz\n"
       "  no readings\n"},
  };
  for (const Case& c : cases) {
    const CliRun run = RunCli(c.args, c.input);
    EXPECT_EQ(0, run.exit_status) << c.name;
    EXPECT_EQ(c.out, run.out) << c.name;
    EXPECT_EQ("", run.err) << c.name;
  }
}

TEST(CliRunTest, StatusAndMessages) {
  const TempFile lexicon(kLexicon);
  const TempFile broken(
      "key\theadword\tpos\tdefinition\n# fine so far\nk\th\tNOUN\td\n");
  const std::string usage_start = "Usage:\n  tesvar parse";
  const std::string bad_pos =
      ":3: bad part of speech 'NOUN': expected an integer or one of N V P ADV "
      "NUM CONJ EXCL Q\n";
  const std::string try_help = " (try 'tesvar --help')\n";
  struct Case {
    std::vector<std::string> args;
    int exit_status;
    std::string out;
    std::string err;  // compared up to its length when it ends in "..."
  };
  const Case cases[] = {
      {{"--help"}, 0, usage_start + "...", ""},
      {{"parse", "-h"}, 0, usage_start + "...", ""},
      {{"lexicon", "find", "--help"}, 0, usage_start + "...", ""},
      {{"--version"},
       0,
       std::string("tesvar ") + TESVAR_VERSION_STRING + "\nbuild: ...",
       ""},
      // Usage errors take one line.
      {{}, 2, "", "tesvar: no command given" + try_help},
      {{"--version", "extra"},
       2,
       "",
       "tesvar: unexpected argument 'extra'" + try_help},
      {{"parsley"}, 2, "", "tesvar: unknown command 'parsley'" + try_help},
      {{"parse", "--jsn", "naQ"},
       2,
       "",
       "tesvar: unknown option '--jsn'" + try_help},
      {{"parse", "--json=yes", "naQ"},
       2,
       "",
       "tesvar: option --json takes no value" + try_help},
      {{"parse", "--lexicon"},
       2,
       "",
       "tesvar: option --lexicon needs a FILE" + try_help},
      {{"parse", "--lexicon=", "naQ"},
       2,
       "",
       "tesvar: option --lexicon needs a FILE, not ''" + try_help},
      // Also where a command reads no words from the command line.
      {{"pipe", "--lexicon="},
       2,
       "",
       "tesvar: option --lexicon needs a FILE, not ''" + try_help},
      {{"lsp", "--lexicon="},
       2,
       "",
       "tesvar: option --lexicon needs a FILE, not ''" + try_help},
      {{"lsp", "--lexicon", ""},
       2,
       "",
       "tesvar: option --lexicon needs a FILE, not ''" + try_help},
      {{"parse", "--color=blue", "naQ"},
       2,
       "",
       "tesvar: option --color takes auto, always or never, not 'blue'" +
           try_help},
      {{"lexicon"},
       2,
       "",
       "tesvar: 'lexicon' needs one of check, list, show, find, stats" +
           try_help},
      {{"lexicon", "show"},
       2,
       "",
       "tesvar: 'lexicon show' needs a KEY" + try_help},
      {{"lexicon", "check", "a", "b"},
       2,
       "",
       "tesvar: unexpected argument 'b'" + try_help},
      {{"lexicon", "list", "--strict"},
       2,
       "",
       "tesvar: option --strict is only for 'lexicon check'" + try_help},
      {{"parse", "--lexicon", broken.path(), "naQ"},
       2,
       "",
       broken.path() + bad_pos},
      {{"parse", "--lexicon", "/nonexistent/x.tsv"},
       2,
       "",
       "/nonexistent/x.tsv: cannot read: No such file or directory\n"},
      {{"lexicon", "check", lexicon.path()},
       0,
       "entries: 6\nN: 0\nV: 0\nP: 0\nADV: 1\nNUM: 0\nCONJ: 1\nEXCL: 1\nQ: "
       "1\nX: 2\n",
       ""},
      {{"lexicon", "check", broken.path()}, 2, "", broken.path() + bad_pos},
  };
  auto matches = [](const std::string& expected, const std::string& actual) {
    const size_t n = expected.size();
    if (n >= 3 && expected.compare(n - 3, 3, "...") == 0) {
      return actual.compare(0, n - 3, expected, 0, n - 3) == 0;
    }
    return actual == expected;
  };
  for (const Case& c : cases) {
    std::string name = "tesvar";
    for (const std::string& arg : c.args) name += " " + arg;
    const CliRun run = RunCli(c.args, "");
    EXPECT_EQ(c.exit_status, run.exit_status) << name;
    EXPECT_TRUE(matches(c.out, run.out)) << name << "\n" << run.out;
    EXPECT_TRUE(matches(c.err, run.err)) << name << "\n" << run.err;
  }
}

TEST(CliRunTest, VersionNamesBuildAndLexicon) {
  const CliRun run = RunCli({"--version"}, "");
  EXPECT_EQ(0, run.exit_status);
  const std::string lexicon_line = "\nlexicon: built-in sample, ";
  EXPECT_NE(std::string::npos, run.out.find(lexicon_line)) << run.out;
  // "build: <compiler> <version>, <build type>"
  const size_t build = run.out.find("\nbuild: ");
  ASSERT_NE(std::string::npos, build) << run.out;
  const std::string build_line =
      run.out.substr(build + 1, run.out.find('\n', build + 1) - build - 1);
  EXPECT_NE(std::string::npos, build_line.find(", ")) << build_line;
  EXPECT_EQ(std::string::npos, build_line.find("no build type")) << build_line;
}

TEST(CliRunTest, StatsSummarisesTheRun) {
  const TempFile lexicon(kLexicon);
  const CliRun run = RunCli({"parse", "--stats", "--lexicon", lexicon.path()},
                            "naQ\nNAQ\nzzz\n" + std::string(300, 'a') + "\n");
  EXPECT_EQ(1, run.exit_status);  // the long word was refused
  const std::string expected_start =
      "tesvar: line 4: word longer than 256 bytes\n"
      "words: 4\nreadings: 2\nflawless: 1\nwith errors: 1\nunknown: 1\n"
      "refused: 1\ntime: ";
  EXPECT_EQ(expected_start, run.err.substr(0, expected_start.size()))
      << run.err;
  const std::string lexicon_line =
      "\nlexicon: " + lexicon.path() + ", 6 entries\n";
  EXPECT_EQ(lexicon_line,
            run.err.substr(run.err.size() -
                           std::min(run.err.size(), lexicon_line.size())))
      << run.err;
}

TEST(CliRunTest, WriteErrorsEndWithFailureNotCrash) {
  const std::vector<std::vector<std::string>> commands = {
      {"parse", "naQ"}, {"parse"}, {"--help"}, {"--version"}};
  for (const std::vector<std::string>& args : commands) {
    const CliRun run = RunCli(args, "naQ\n", testing::Stdout::kClosed);
    EXPECT_EQ(1, run.exit_status) << args[0] << " " << args.size();
    EXPECT_EQ("tesvar: cannot write the output\n", run.err) << args[0];
  }
}

// Standard input closed or a directory: each command that reads it says
// so and fails, rather than waiting for ever on a descriptor it opened
// itself, or ending by an uncaught exception.
TEST(CliRunTest, UnreadableInputEndsWithFailure) {
  const struct {
    std::vector<std::string> args;
    std::string message;
  } commands[] = {
      {{"parse"}, "tesvar: cannot read the standard input\n"},
      {{"parse", "--jobs", "2"}, "tesvar: cannot read the standard input\n"},
      {{"-a"}, "tesvar: cannot read the standard input\n"},
      {{"lsp"}, "tesvar lsp: cannot read the input: "},
  };
  for (const auto& command : commands) {
    for (const testing::Stdin mode :
         {testing::Stdin::kClosed, testing::Stdin::kDirectory}) {
      const CliRun run = testing::RunCliWithoutInput(command.args, mode);
      EXPECT_EQ(1, run.exit_status) << command.args[0];
      EXPECT_EQ(command.message, run.err.substr(0, command.message.size()))
          << command.args[0] << ": " << run.err;
    }
  }
}

TEST(CliRunTest, AnswersEachLineBeforeTheInputEnds) {
  const TempFile lexicon(kLexicon);
  // With several threads words are answered in batches; a batch must not
  // wait for more words while the input pauses.
  for (const char* jobs : {"1", "2"}) {
    testing::CliProcess cli(
        {"parse", "--json", "--jobs", jobs, "--lexicon", lexicon.path()});
    constexpr int kTimeoutMs = 20000;
    // The next word has begun to arrive, and waits for its end; the one
    // before it is answered meanwhile.
    cli.Write("naQ\r\nn");
    EXPECT_EQ(Json("naQ", Reading("ADV", "naQ", "adv", "quickly")),
              cli.ReadLine(kTimeoutMs))
        << jobs;
    cli.Write("uq");
    cli.CloseInput();
    EXPECT_EQ(Json("nuq", Reading("Q", "nuq", "q", "what")),
              cli.ReadLine(kTimeoutMs))
        << jobs;
    EXPECT_EQ("", cli.ReadLine(kTimeoutMs)) << jobs;
    EXPECT_EQ(0, cli.Wait()) << jobs;
  }
}

}  // namespace
}  // namespace tesvar
