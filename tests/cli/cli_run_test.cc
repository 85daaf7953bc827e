// End-to-end runs of the tesvar binary. The lexicon holds only words that
// take no affixes, so the expected answers follow from the driver and the
// spelling rules alone.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "cli/cli_process.h"
#include "tesvar/version.h"

namespace tesvar {
namespace {

using testing::CliRun;
using testing::RunCli;

constexpr char kLexicon[] =
    "# plain words of every uninflected class\n"
    "key\theadword\tpos\tdefinition\n"
    "adv\tnaQ\tADV\tquickly\n"
    "conj\t'ej\t5\tand\n"
    "excl\tlo'ey\tEXCL\thello\n"
    "q\tnuq\t7\twhat\n"
    "odd\tvIp\t9\tnine-coded\n"
    "neg\tQav\t-1\tnegative\n";

// Writes `text` to a file that lives as long as the object.
class TempFile {
 public:
  explicit TempFile(const std::string& text) {
    char name[] = "/tmp/tesvar-lexicon-XXXXXX";
    const int fd = mkstemp(name);
    path_ = name;
    std::ofstream(path_, std::ios::binary) << text;
    close(fd);
  }
  ~TempFile() { std::remove(path_.c_str()); }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

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
       "Nuq\n"
       "  1. [Q] what\n"
       "     word nuq, key q, score 0.9090909090909091\n"
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
  struct Case {
    std::vector<std::string> args;
    int exit_status;
    std::string out;
    std::string err;  // compared up to its length when it ends in "..."
  };
  const Case cases[] = {
      {{"--help"}, 0, usage_start + "...", ""},
      {{"parse", "-h"}, 0, usage_start + "...", ""},
      {{"--version"},
       0,
       std::string("tesvar ") + TESVAR_VERSION_STRING + "\n",
       ""},
      {{}, 2, "", "tesvar: no command given\n" + usage_start + "..."},
      {{"parsley"}, 2, "", "tesvar: unknown command 'parsley'\n..."},
      {{"parse", "--jsn", "naQ"}, 2, "", "tesvar: unknown option '--jsn'\n..."},
      {{"parse", "--lexicon"},
       2,
       "",
       "tesvar: option --lexicon needs a FILE\n..."},
      {{"lexicon"},
       2,
       "",
       "tesvar: missing subcommand after 'lexicon' (check)\n..."},
      {{"lexicon", "check"},
       2,
       "",
       "tesvar: 'lexicon check' needs a FILE\n..."},
      {{"lexicon", "check", "a", "b"},
       2,
       "",
       "tesvar: unexpected argument 'b'\n..."},
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

TEST(CliRunTest, WriteErrorsEndWithFailureNotCrash) {
  const std::vector<std::vector<std::string>> commands = {
      {"parse", "naQ"}, {"parse"}, {"--help"}, {"--version"}};
  for (const std::vector<std::string>& args : commands) {
    const CliRun run = RunCli(args, "naQ\n", testing::Stdout::kClosed);
    EXPECT_EQ(1, run.exit_status) << args[0] << " " << args.size();
    EXPECT_EQ("tesvar: cannot write the output\n", run.err) << args[0];
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
    cli.Write("naQ\r\n");
    EXPECT_EQ(Json("naQ", Reading("ADV", "naQ", "adv", "quickly")),
              cli.ReadLine(kTimeoutMs))
        << jobs;
    cli.Write("nuq");
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
