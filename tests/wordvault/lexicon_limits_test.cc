// The loader's bounds, with small limits: from memory and from a file the
// same input fails at the same line with the same message, lines that
// span the file reader's blocks included; endless inputs (a device, a
// pipe that never ends) stop at a limit; files that cannot be read.

#include <gtest/gtest.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

#include "tesvar/lexicon_tsv.h"

namespace tesvar {
namespace {

constexpr char kHeader[] = "key\theadword\tpos\tdefinition\n";  // 28 bytes

// A scratch file, removed at the end of the test.
class TempFile {
 public:
  explicit TempFile(const std::string& content) {
    char name[] = "/tmp/tesvar-lexicon-XXXXXX";
    const int fd = mkstemp(name);
    if (fd < 0) std::abort();
    close(fd);
    path_ = name;
    std::ofstream(path_, std::ios::binary) << content;
  }
  ~TempFile() { std::remove(path_.c_str()); }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

LexiconLoadOptions Limits(size_t max_line_bytes, size_t max_input_bytes) {
  LexiconLoadOptions options;
  options.max_line_bytes = max_line_bytes;
  options.max_input_bytes = max_input_bytes;
  return options;
}

TEST(LexiconLimitsTest, MemoryAndFileStopAtTheSameByte) {
  const std::string h = kHeader;
  // Line 2: 36 bytes at offsets 28 to 63, its "\n" at 64.
  const std::string entry = "k\th\tN\t" + std::string(30, 'd') + "\n";
  const std::string long_definition(70000, 'd');
  struct Case {
    std::string text;
    size_t max_line;
    size_t max_input;
    std::string error;  // after "PATH:"; empty when the text loads
  };
  const Case cases[] = {
      {h + entry, 36, 65, ""},  // both limits exactly reached
      {h + entry, 26, 0, "1: line longer than the limit of 26 bytes"},
      // A "\r" before the "\n" counts, and so does a last line without
      // "\n".
      {"key\theadword\tpos\tdefinition\r\n", 27, 0,
       "1: line longer than the limit of 27 bytes"},
      {h + entry.substr(0, 36), 35, 0,
       "2: line longer than the limit of 35 bytes"},
      // The input limit falls on the first byte of line 2, on the "\n" of
      // line 2, on a blank line.
      {h + entry, 0, 28, "2: the input goes on past the limit of 28 bytes"},
      {h + entry, 0, 64, "2: the input goes on past the limit of 64 bytes"},
      {h + "\n\n\n" + entry, 0, 29,
       "3: the input goes on past the limit of 29 bytes"},
      // Whichever limit the bytes reach first; the input's on a tie.
      {h + entry, 30, 58, "2: the input goes on past the limit of 58 bytes"},
      {h + entry, 30, 59, "2: line longer than the limit of 30 bytes"},
      // An error on an earlier line comes first.
      {h + "k\th\tZ\td\n" + entry, 0, 40,
       "2: bad part of speech 'Z': expected an integer or one of N V P ADV "
       "NUM CONJ EXCL Q"},
      // Lines longer than the file reader's blocks.
      {h + "K\th\tN\t" + long_definition + "\n" + entry, 70006, 0, ""},
      {h + "K\th\tN\t" + long_definition + "\n" + entry, 70005, 0,
       "2: line longer than the limit of 70005 bytes"},
      {h + "K\th\tN\t" + long_definition + "\n" + entry, 0, 70000,
       "2: the input goes on past the limit of 70000 bytes"},
  };
  for (const Case& c : cases) {
    const TempFile file(c.text);
    const LexiconLoadOptions options = Limits(c.max_line, c.max_input);
    CLexicon from_memory;
    CLexicon from_file;
    from_file.Add("stale", CTWord());
    const Status memory =
        ParseLexiconTsv(c.text, file.path(), &from_memory, options);
    const Status read = LoadLexiconTsvFile(file.path(), &from_file, options);
    const std::string row = c.text.substr(0, 60);
    if (c.error.empty()) {
      EXPECT_TRUE(memory.ok()) << row << memory.message();
      EXPECT_TRUE(read.ok()) << row << read.message();
      EXPECT_EQ(from_file.size(), from_memory.size()) << row;
      EXPECT_FALSE(from_file.empty()) << row;
    } else {
      EXPECT_EQ(memory.message(), file.path() + ":" + c.error) << row;
      EXPECT_EQ(read.message(), memory.message()) << row;
      EXPECT_EQ(read.code(), Status::Code::kInvalidInput) << row;
      EXPECT_TRUE(from_file.empty()) << row;
    }
  }
}

TEST(LexiconLimitsTest, EndlessDeviceStopsAtALimit) {
  CLexicon lexicon;
  EXPECT_EQ(
      LoadLexiconTsvFile("/dev/zero", &lexicon, Limits(1000, 0)).message(),
      "/dev/zero:1: line longer than the limit of 1000 bytes");
  EXPECT_EQ(
      LoadLexiconTsvFile("/dev/zero", &lexicon, Limits(0, 100000)).message(),
      "/dev/zero:1: the input goes on past the limit of 100000 bytes");
}

// A pipe that delivers good entries for ever: the input limit ends the
// load, and nothing is kept.
TEST(LexiconLimitsTest, EndlessPipeOfGoodEntriesStopsAtTheInputLimit) {
  std::signal(SIGPIPE, SIG_IGN);  // the writer learns of the end by EPIPE
  int fds[2];
  ASSERT_EQ(pipe(fds), 0);
  std::thread writer([fd = fds[1]] {
    std::string chunk = kHeader;
    for (size_t n = 0;; ++n) {
      chunk += "k" + std::to_string(n) + "\tqet\tV\trun\n";
      if (chunk.size() < 4096) continue;
      if (write(fd, chunk.data(), chunk.size()) < 0) break;
      chunk.clear();
    }
    close(fd);
  });
  CLexicon lexicon;
  const std::string path = "/dev/fd/" + std::to_string(fds[0]);
  const Status status = LoadLexiconTsvFile(path, &lexicon, Limits(0, 1 << 20));
  close(fds[0]);  // the last reader: the writer's next write fails
  writer.join();
  EXPECT_EQ(status.message().substr(status.message().find(": ")),
            ": the input goes on past the limit of 1048576 bytes");
  EXPECT_TRUE(lexicon.empty());
}

TEST(LexiconLimitsTest, FilesThatCannotBeReadAreIoErrors) {
  struct Case {
    std::string path;
    std::string message;
  };
  const Case cases[] = {
      {"/nonexistent/words.tsv",
       "/nonexistent/words.tsv: cannot read: No such file or directory"},
      {"/tmp", "/tmp: cannot read: Is a directory"},
      // Not /tmp, as the system would read it.
      {std::string("/tmp\0/words.tsv", 15),
       "/tmp\\0/words.tsv: cannot read: the file name holds a NUL byte"},
  };
  for (const Case& c : cases) {
    CLexicon lexicon;
    lexicon.Add("stale", CTWord());
    const Status status = LoadLexiconTsvFile(c.path, &lexicon);
    EXPECT_EQ(status.code(), Status::Code::kIoError) << c.path;
    EXPECT_EQ(status.message(), c.message);
    EXPECT_TRUE(lexicon.empty()) << c.path;
  }
}

}  // namespace
}  // namespace tesvar
