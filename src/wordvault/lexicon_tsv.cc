// The lexicon loader's two ways in: text in memory and a file. Both cut
// the input into lines with the same splitter, which checks the limits
// byte by byte in input order, so that the same input fails at the same
// line with the same message either way: a line is too long at its first
// byte past max_line_bytes, the input at its byte number max_input_bytes
// (counting from 0), whichever comes first.
//
// A first pass over the lines counts the entry lines and their bytes, so
// that storage is reserved for exactly those (blank lines and comments
// reserve nothing). A file is read a block at a time and never held
// whole; one that cannot be read twice (a pipe) skips the first pass, and
// its lexicon grows as it goes. Reading stops at the first error or limit,
// so an endless input ends.
//
// Running out of memory anywhere in a load is caught here and reported
// like any other error; the partly built lexicon is dropped first.
// Tested by lexicon_tsv_test.cc, lexicon_limits_test.cc and
// lexicon_memory_test.cc.

#include "tesvar/lexicon_tsv.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <new>
#include <stdexcept>
#include <string>
#include <system_error>

#include "wordvault/tsv_loader.h"

namespace tesvar {

namespace {

using wordvault::TsvLoader;

constexpr char kLineEnd = '\n';
// The file reader's block.
constexpr size_t kBlockBytes = size_t{1} << 16;

enum class Breach { kNone, kLine, kInput };

// Which limit, if any, the bytes at offsets [from, to) of the input break
// first. They belong to the line that starts at `line_start`; those
// before `content_to` are its content, the rest its "\n".
Breach FirstBreach(size_t line_start, size_t from, size_t content_to, size_t to,
                   const LexiconLoadOptions& options) {
  size_t line_at = SIZE_MAX;
  const size_t max_line = options.max_line_bytes;
  if (max_line != 0 && max_line < SIZE_MAX - line_start) {
    const size_t at = line_start + max_line;
    if (at >= from && at < content_to) line_at = at;
  }
  size_t input_at = SIZE_MAX;
  const size_t max_input = options.max_input_bytes;
  if (max_input != 0 && max_input >= from && max_input < to) {
    input_at = max_input;
  }
  if (line_at == SIZE_MAX && input_at == SIZE_MAX) return Breach::kNone;
  return input_at <= line_at ? Breach::kInput : Breach::kLine;
}

// Runs `load`, then lists the warnings not listed yet, turning running
// out of memory into an error.
// Runs `load`, which leaves its outcome in the loader, then lists the warnings
// not listed yet; running out of memory is an error like any other.
template <typename Load>
Status Guarded(TsvLoader* loader, Load load) {
  try {
    load();
    loader->CloseWarnings();
  } catch (const std::bad_alloc&) {
    loader->OutOfMemory();
  } catch (const std::length_error&) {  // a vector or string past max_size
    loader->OutOfMemory();
  }
  return loader->error();
}

// Cuts input, handed in pieces, into lines, checking the limits as the
// bytes come. A line that spans pieces is gathered in pending_, which the
// line limit keeps bounded.
class LineSplitter {
 public:
  explicit LineSplitter(const LexiconLoadOptions& options)
      : options_(options) {}

  // Hands each line that `bytes` completes, without its "\n", to
  // on_line, which returns whether to go on. Returns false when on_line
  // or a limit stopped it; breach() then tells which limit.
  template <typename OnLine>
  bool Feed(std::string_view bytes, OnLine&& on_line) {
    while (!bytes.empty()) {
      const size_t newline = bytes.find(kLineEnd);
      const bool ends = newline != std::string_view::npos;
      const size_t content = ends ? newline : bytes.size();
      breach_ = FirstBreach(line_start_, offset_, offset_ + content,
                            offset_ + content + (ends ? 1 : 0), options_);
      if (breach_ != Breach::kNone) return false;
      if (!ends) {
        pending_.append(bytes.data(), bytes.size());
        offset_ += bytes.size();
        return true;
      }
      std::string_view line = bytes.substr(0, content);
      if (!pending_.empty()) {
        pending_.append(line.data(), line.size());
        line = pending_;
      }
      if (!on_line(line)) return false;
      pending_.clear();
      offset_ += content + 1;
      line_start_ = offset_;
      bytes.remove_prefix(content + 1);
    }
    return true;
  }

  // The input ended; a last line without "\n" counts.
  template <typename OnLine>
  bool End(OnLine&& on_line) {
    return offset_ == line_start_ || on_line(std::string_view(pending_));
  }

  Breach breach() const { return breach_; }

 private:
  const LexiconLoadOptions& options_;
  size_t offset_ = 0;      // of the next byte
  size_t line_start_ = 0;  // offset of the current line's first byte
  std::string pending_;
  Breach breach_ = Breach::kNone;
};

// A first pass over the lines, as the loader will see them, up to where a
// limit stops the input: how many entry lines there are and how many bytes
// they hold, to reserve room for exactly those.
struct Survey {
  size_t entry_lines = 0;  // non-blank, non-comment lines after the header
  size_t entry_bytes = 0;  // their bytes
  bool header_seen = false;

  bool operator()(std::string_view line) {
    // A byte-order mark or a lone "\r" can only make a skipped line look
    // like an entry: the reservation is then one entry too generous.
    if (line.empty() || line == "\r" || line.front() == '#') return true;
    if (header_seen) {
      ++entry_lines;
      entry_bytes += line.size();
    }
    header_seen = true;
    return true;
  }
};

// Runs the lines of the input through the loader and hands its lexicon
// over; returns false on error, which the loader then holds. `read(feed)`
// calls feed(bytes) on each piece of the input in order, until feed
// returns false, and returns how reading went.
template <typename Read>
bool LoadLines(const LexiconLoadOptions& options, TsvLoader* loader,
               CLexicon* lexicon, Read read) {
  LineSplitter splitter(options);
  auto on_line = [loader](std::string_view line) { return loader->Line(line); };
  const Status read_status = read(
      [&](std::string_view bytes) { return splitter.Feed(bytes, on_line); });
  if (!loader->error().ok()) return false;
  if (splitter.breach() == Breach::kLine) {
    loader->LineTooLong();
    return false;
  }
  if (splitter.breach() == Breach::kInput) {
    loader->InputTooLong();
    return false;
  }
  if (!read_status.ok()) return loader->SetError(read_status);
  return splitter.End(on_line) && loader->Finish(lexicon);
}

// ---- From memory ----

bool ParseText(std::string_view text, const LexiconLoadOptions& options,
               TsvLoader* loader, CLexicon* lexicon) {
  Survey survey;
  LineSplitter splitter(options);
  if (splitter.Feed(text, survey)) splitter.End(survey);
  loader->Reserve(survey.entry_lines, survey.entry_bytes);
  return LoadLines(options, loader, lexicon, [&](auto feed) {
    feed(text);
    return Status::Ok();
  });
}

// ---- From a file ----

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

Status CannotRead(const std::string& path, int error) {
  const std::string why = error != 0 ? std::generic_category().message(error)
                                     : std::string("read error");
  return Status::IoError(path + ": cannot read: " + why);
}

// Reads `file` from where it stands a block at a time, handing each block
// to `feed` until it returns false or the file ends.
template <typename Feed>
Status ReadBlocks(std::FILE* file, const std::string& path,
                  std::vector<char>* block, Feed feed) {
  for (;;) {
    errno = 0;
    const size_t got = std::fread(block->data(), 1, block->size(), file);
    if (got > 0 && !feed(std::string_view(block->data(), got))) {
      return Status::Ok();
    }
    if (got == block->size()) continue;
    return std::ferror(file) ? CannotRead(path, errno) : Status::Ok();
  }
}

// A file that can be read twice (a regular file, say) is surveyed first,
// so that room is reserved as from memory; a pipe is read once and the
// lexicon grows as it goes.
bool ReadFile(const std::string& path, const LexiconLoadOptions& options,
              TsvLoader* loader, CLexicon* lexicon) {
  // The system would take the name as ending at the NUL, and read some
  // other file.
  if (path.find('\0') != std::string::npos) {
    std::string shown;
    for (const char c : path) {
      if (c == '\0') {
        shown += "\\0";
      } else {
        shown += c;
      }
    }
    return loader->SetError(Status::IoError(
        shown + ": cannot read: the file name holds a NUL byte"));
  }
  errno = 0;
  const std::unique_ptr<std::FILE, FileCloser> file(
      std::fopen(path.c_str(), "rb"));
  if (file == nullptr) return loader->SetError(CannotRead(path, errno));
  std::vector<char> block(kBlockBytes);
  if (std::fseek(file.get(), 0, SEEK_CUR) == 0) {
    Survey survey;
    LineSplitter splitter(options);
    bool whole = true;
    const Status read =
        ReadBlocks(file.get(), path, &block, [&](std::string_view bytes) {
          return whole = splitter.Feed(bytes, survey);
        });
    if (!read.ok()) return loader->SetError(read);
    if (whole) splitter.End(survey);
    loader->Reserve(survey.entry_lines, survey.entry_bytes);
    errno = 0;
    if (std::fseek(file.get(), 0, SEEK_SET) != 0) {
      return loader->SetError(CannotRead(path, errno));
    }
  }
  return LoadLines(options, loader, lexicon, [&](auto feed) {
    return ReadBlocks(file.get(), path, &block, feed);
  });
}

}  // namespace

Status ParseLexiconTsv(std::string_view text, std::string_view source_name,
                       CLexicon* lexicon, const LexiconLoadOptions& options,
                       std::vector<LexiconWarning>* warnings) {
  lexicon->Clear();
  TsvLoader loader(source_name, options, warnings);
  return Guarded(&loader,
                 [&] { return ParseText(text, options, &loader, lexicon); });
}

Status ParseLexiconTsv(std::string_view text, std::string_view source_name,
                       CLexicon* lexicon) {
  return ParseLexiconTsv(text, source_name, lexicon, LexiconLoadOptions());
}

Status LoadLexiconTsvFile(const std::string& path, CLexicon* lexicon,
                          const LexiconLoadOptions& options,
                          std::vector<LexiconWarning>* warnings) {
  lexicon->Clear();
  TsvLoader loader(path, options, warnings);
  return Guarded(&loader,
                 [&] { return ReadFile(path, options, &loader, lexicon); });
}

}  // namespace tesvar
