// Big inputs end to end: a million words stream through `tesvar parse
// --json` in memory that does not grow with the input, a lexicon of a
// million entries loads, and one bad line deep inside such a lexicon (or
// a cut-off last line) rejects the whole file with that line's number.
// Slow: registered under the CTest label "slow".

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "tesvar/lexicon_tsv.h"

namespace tesvar {
namespace {

constexpr const char* kCliPath = TESVAR_CLI_PATH;

#if defined(__SANITIZE_ADDRESS__)
// AddressSanitizer keeps freed memory in quarantine, so its footprint
// grows with the work done whatever the program keeps.
constexpr bool kMemoryIsMeasurable = false;
#else
constexpr bool kMemoryIsMeasurable = true;
#endif

struct Child {
  int exit_status = -1;
  long peak_rss_kb = 0;
  double seconds = 0;
  std::string out;  // standard output, when kept
};

// Runs the binary with `args`, standard input from `in_path`, standard
// output into `out_path` and standard error to /dev/null.
Child RunCli(const std::vector<std::string>& args, const std::string& in_path,
             const std::string& out_path) {
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(open(in_path.c_str(), O_RDONLY), 0);
    dup2(open(out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), 1);
    dup2(open("/dev/null", O_WRONLY), 2);
    std::vector<char*> argv = {const_cast<char*>(kCliPath)};
    for (const std::string& arg : args) {
      argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);
    execv(kCliPath, argv.data());
    _exit(127);
  }
  int status = 0;
  rusage usage = {};
  wait4(pid, &status, 0, &usage);
  Child child;
  child.seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start)
          .count();
  child.exit_status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  child.peak_rss_kb = usage.ru_maxrss;
  return child;
}

class TempDir {
 public:
  TempDir() {
    char name[] = "/tmp/tesvar-big-XXXXXX";
    path_ = mkdtemp(name);
  }
  ~TempDir() {
    for (const std::string& file : files_) std::remove(file.c_str());
    rmdir(path_.c_str());
  }
  // A file in the directory, removed with it.
  std::string File(const std::string& name) {
    files_.push_back(path_ + "/" + name);
    return files_.back();
  }

 private:
  std::string path_;
  std::vector<std::string> files_;
};

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), {});
}

// A distinct headword for each number, in letters of the alphabet.
std::string Headword(size_t n) {
  constexpr char kLetters[] = "abcdeghjlmnopqrstuvwy";
  constexpr size_t kBase = sizeof(kLetters) - 1;
  std::string word = "x";
  do {
    word.push_back(kLetters[n % kBase]);
    n /= kBase;
  } while (n > 0);
  return word;
}

// A lexicon file text of `entries` entries, the header on line 1.
std::string BigLexicon(size_t entries) {
  std::string text = "key\theadword\tpos\tdefinition\n";
  text.reserve(entries * 32);
  for (size_t i = 0; i < entries; ++i) {
    const std::string headword = Headword(i);
    text += "k" + std::to_string(i) + "\t" + headword + "\tN\tthing " +
            headword + "\n";
  }
  return text;
}

TEST(BigInputsTest, AMillionWordsStreamInConstantMemory) {
  TempDir dir;
  const std::string out = dir.File("out");
  const char* const kWords[] = {"naQ\n", "Dalmey\n", "vIrom\n", "xyz\n",
                                "DAT\r\n"};
  long peak_rss_kb[2] = {};
  const size_t kLines[2] = {10000, 1000000};
  for (int run = 0; run < 2; ++run) {
    const std::string in = dir.File("in" + std::to_string(run));
    {
      std::ofstream file(in, std::ios::binary);
      for (size_t i = 0; i < kLines[run]; ++i) file << kWords[i % 5];
    }
    const Child child = RunCli({"parse", "--json"}, in, out);
    EXPECT_EQ(0, child.exit_status) << kLines[run];
    std::string last_line;
    {
      std::ifstream answers(out, std::ios::binary);
      size_t count = 0;
      for (std::string line; std::getline(answers, line); ++count) {
        last_line.swap(line);
      }
      EXPECT_EQ(kLines[run], count);
    }
    // The last word, its "\r" dropped as a line end.
    EXPECT_EQ(0u, last_line.find("{\"input\": \"DAT\", \"results\": "))
        << last_line;
    peak_rss_kb[run] = child.peak_rss_kb;
    std::cout << kLines[run] << " lines: " << child.seconds << " s, peak RSS "
              << child.peak_rss_kb << " kB\n";
  }
  if (kMemoryIsMeasurable) {
    // Growing with the input would add far more than a megabyte here.
    EXPECT_LE(peak_rss_kb[1], peak_rss_kb[0] + 1024);
  }
}

TEST(BigInputsTest, AMillionEntryLexiconLoads) {
  TempDir dir;
  const std::string lexicon = dir.File("big.tsv");
  const std::string out = dir.File("out");
  std::ofstream(lexicon, std::ios::binary) << BigLexicon(1000000);
  const Child child = RunCli({"lexicon", "check", lexicon}, "/dev/null", out);
  EXPECT_EQ(0, child.exit_status);
  EXPECT_EQ(
      "entries: 1000000\nN: 1000000\nV: 0\nP: 0\nADV: 0\nNUM: 0\nCONJ: "
      "0\nEXCL: 0\nQ: 0\nX: 0\n",
      ReadFile(out));
  std::cout << "1000000 entries: " << child.seconds << " s, peak RSS "
            << child.peak_rss_kb << " kB\n";
}

TEST(BigInputsTest, OneBadLineDeepInsideLoadsNothing) {
  const std::string good = BigLexicon(999999);  // lines 1 to 1000000
  // The start of line 900000 (the header is line 1).
  size_t line_start = 0;
  for (int line = 1; line < 900000; ++line) {
    line_start = good.find('\n', line_start) + 1;
  }
  const size_t line_end = good.find('\n', line_start);
  const std::string bad_pos = good.substr(0, line_start) +
                              "k899998\txy\tNOUN\tthing\n" +
                              good.substr(line_end + 1);
  // The last line stops after its part of speech, its last field lost.
  const std::string cut_short = good.substr(0, good.rfind("\tthing"));
  struct Case {
    const char* name;
    std::string text;
    std::string message;
  };
  const Case cases[] = {
      {"bad part of speech on line 900000", bad_pos,
       "big.tsv:900000: bad part of speech 'NOUN': expected an integer or one "
       "of N V P ADV NUM CONJ EXCL Q"},
      {"last line cut short", cut_short,
       "big.tsv:1000000: expected 4 tab-separated fields, found 3"},
      {"duplicate key on the last line", good + "k5\tz\tN\tthing\n",
       "big.tsv:1000001: duplicate key 'k5' (first on line 7)"},
  };
  for (const Case& c : cases) {
    CLexicon lexicon;
    const Status status = ParseLexiconTsv(c.text, "big.tsv", &lexicon);
    EXPECT_EQ(c.message, status.message()) << c.name;
    EXPECT_TRUE(lexicon.empty()) << c.name;
  }
  // Cut just before the final "\n" of a CRLF file, the "\r" stays and is
  // dropped as a line end; nothing is missing.
  CLexicon lexicon;
  std::string crlf = "key\theadword\tpos\tdefinition\r\n";
  for (size_t i = 0; i < 1000; ++i) {
    crlf += "k" + std::to_string(i) + "\t" + Headword(i) + "\tV\tdo\r\n";
  }
  crlf.pop_back();
  ASSERT_TRUE(ParseLexiconTsv(crlf, "crlf.tsv", &lexicon).ok());
  EXPECT_EQ(1000u, lexicon.size());
  EXPECT_EQ("do", lexicon.Find("k999")->m_strDefinition);
}

}  // namespace
}  // namespace tesvar
