// The lexicon loader's two ways in. From memory, a first pass over the
// lines finds how many entry lines there are and how many bytes they
// hold, so that storage is reserved for exactly those (blank lines and
// comments reserve nothing), and where a limit ends the input. From a
// file, the bytes are read a block at a time and cut into lines as they
// come, so that reading stops at the first error or limit and the file's
// text is never held whole; storage then grows with the entries.
//
// Both check the limits byte by byte in input order, so that the same
// input fails at the same line with the same message either way: a line
// is too long at its first byte past max_line_bytes, the input at its
// byte max_input_bytes (counting from 0), whichever comes first.
//
// Running out of memory anywhere in a load is caught here and reported
// like any other error; the partly built lexicon is dropped first.
// Tested by lexicon_tsv_test.cc and lexicon_limits_test.cc.

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

Status BreachError(Breach breach, const TsvLoader& loader) {
  return breach == Breach::kLine ? loader.LineTooLong() : loader.InputTooLong();
}

// Runs `load`, then lists the warnings not listed yet, turning running
// out of memory into an error.
template <typename Load>
Status Guarded(TsvLoader* loader, Load load) {
  Status status;
  try {
    status = load();
    loader->CloseWarnings();
  } catch (const std::bad_alloc&) {
    status = loader->OutOfMemory();
  } catch (const std::length_error&) {  // a vector or string past max_size
    status = loader->OutOfMemory();
  }
  return status;
}

// ---- From memory ----

// Where an in-memory input fails a limit, and what to reserve before it.
struct Survey {
  size_t entry_lines = 0;  // non-blank lines after the header
  size_t entry_bytes = 0;  // their bytes
  size_t stop_line = 0;    // the line that breaks a limit; 0 for none
  Breach breach = Breach::kNone;
};

Survey SurveyText(std::string_view text, const LexiconLoadOptions& options) {
  Survey survey;
  bool header_seen = false;
  size_t number = 0;
  for (size_t start = 0; start < text.size();) {
    ++number;
    const size_t newline = text.find(kLineEnd, start);
    const size_t content_to =
        newline == std::string_view::npos ? text.size() : newline;
    const size_t next = content_to == text.size() ? content_to : content_to + 1;
    survey.breach = FirstBreach(start, start, content_to, next, options);
    if (survey.breach != Breach::kNone) {
      survey.stop_line = number;
      return survey;
    }
    // A byte-order mark or "\r" can only make a blank line look like an
    // entry: the reservation is then one entry too generous.
    const std::string_view line = text.substr(start, content_to - start);
    if (!line.empty() && line != "\r" && line.front() != '#') {
      if (header_seen) {
        ++survey.entry_lines;
        survey.entry_bytes += line.size();
      }
      header_seen = true;
    }
    start = next;
  }
  return survey;
}

Status ParseText(std::string_view text, const LexiconLoadOptions& options,
                 TsvLoader* loader, CLexicon* lexicon) {
  const Survey survey = SurveyText(text, options);
  loader->Reserve(survey.entry_lines, survey.entry_bytes);
  size_t number = 0;
  for (size_t start = 0; start < text.size();) {
    if (++number == survey.stop_line)
      return BreachError(survey.breach, *loader);
    size_t end = text.find(kLineEnd, start);
    if (end == std::string_view::npos) end = text.size();
    const Status status = loader->Line(text.substr(start, end - start));
    if (!status.ok()) return status;
    start = end + 1;
  }
  return loader->Finish(lexicon);
}

// ---- From a file ----

// Cuts a stream of bytes into lines for the loader, checking the limits
// as the bytes come. A line that spans blocks is gathered in pending_,
// which the line limit keeps bounded.
class LineAssembler {
 public:
  LineAssembler(const LexiconLoadOptions& options, TsvLoader* loader)
      : options_(options), loader_(loader) {}

  Status Feed(std::string_view bytes) {
    while (!bytes.empty()) {
      const size_t newline = bytes.find(kLineEnd);
      const bool ends = newline != std::string_view::npos;
      const size_t content = ends ? newline : bytes.size();
      const Breach breach =
          FirstBreach(line_start_, offset_, offset_ + content,
                      offset_ + content + (ends ? 1 : 0), options_);
      if (breach != Breach::kNone) return BreachError(breach, *loader_);
      if (!ends) {
        pending_.append(bytes.data(), bytes.size());
        offset_ += bytes.size();
        return Status::Ok();
      }
      std::string_view line = bytes.substr(0, content);
      if (!pending_.empty()) {
        pending_.append(line.data(), line.size());
        line = pending_;
      }
      const Status status = loader_->Line(line);
      if (!status.ok()) return status;
      pending_.clear();
      offset_ += content + 1;
      line_start_ = offset_;
      bytes.remove_prefix(content + 1);
    }
    return Status::Ok();
  }

  // The input ended; a last line without "\n" counts.
  Status End() {
    return offset_ > line_start_ ? loader_->Line(pending_) : Status::Ok();
  }

 private:
  const LexiconLoadOptions& options_;
  TsvLoader* const loader_;
  size_t offset_ = 0;      // of the next byte
  size_t line_start_ = 0;  // offset of the current line's first byte
  std::string pending_;
};

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

Status CannotRead(const std::string& path, int error) {
  const std::string why = error != 0 ? std::generic_category().message(error)
                                     : std::string("read error");
  return Status::IoError(path + ": cannot read: " + why);
}

Status ReadFile(const std::string& path, const LexiconLoadOptions& options,
                TsvLoader* loader, CLexicon* lexicon) {
  errno = 0;
  const std::unique_ptr<std::FILE, FileCloser> file(
      std::fopen(path.c_str(), "rb"));
  if (file == nullptr) return CannotRead(path, errno);
  LineAssembler lines(options, loader);
  std::vector<char> block(kBlockBytes);
  for (;;) {
    errno = 0;
    const size_t got = std::fread(block.data(), 1, block.size(), file.get());
    const Status fed = lines.Feed(std::string_view(block.data(), got));
    if (!fed.ok()) return fed;
    if (got == block.size()) continue;
    if (std::ferror(file.get())) return CannotRead(path, errno);
    break;  // the end of the file
  }
  const Status ended = lines.End();
  if (!ended.ok()) return ended;
  return loader->Finish(lexicon);
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
