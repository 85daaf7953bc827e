// Builds a lexicon from the physical lines of a lexicon file, handed in
// one at a time, so that a file can be loaded while it is read as well as
// from memory. The entries go into a lexicon of the loader's own, which
// replaces the caller's only when the whole input is good.
//
// The input limits are the callers' to check, since only they see the
// bytes before they make a line; the loader gives their messages.
//
// One loader serves one load on one thread.

#ifndef TESVAR_WORDVAULT_TSV_LOADER_H_
#define TESVAR_WORDVAULT_TSV_LOADER_H_

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tesvar/lexicon.h"
#include "tesvar/lexicon_tsv.h"
#include "tesvar/status.h"
#include "wordvault/tsv_format.h"
#include "wordvault/tsv_lint.h"

namespace tesvar {
namespace wordvault {

class TsvLoader {
 public:
  // `warnings` may be null; the entries are checked when it is not, or
  // when options.strict is set.
  TsvLoader(std::string_view source_name, const LexiconLoadOptions& options,
            std::vector<LexiconWarning>* warnings);

  // Makes room for `entries` entries holding `text_bytes` bytes of text.
  // May throw std::bad_alloc.
  void Reserve(size_t entries, size_t text_bytes);

  // Reads the next physical line, without its "\n". Returns false at the
  // first error, which error() then holds. May throw std::bad_alloc.
  bool Line(std::string_view line);

  // Ends the input: stores the lexicon in *lexicon, or returns false. May
  // throw std::bad_alloc.
  bool Finish(CLexicon* lexicon);

  // Make error() say that the line after the last one read is too long or
  // goes past the input limit, which only the caller can see.
  void LineTooLong();
  void InputTooLong();
  // Makes error() say that memory ran out while reading the current line.
  // Hands back the memory the load holds; the loader is done.
  void OutOfMemory();

  // Records an error found outside the loader, in reading the input;
  // returns false.
  bool SetError(Status error) {
    error_ = std::move(error);
    return false;
  }

  // What went wrong; OK while nothing has.
  const Status& error() const { return error_; }

  // Adds the count of warnings past options.max_warnings, if any, to the
  // list. Call once, after the last Line, whatever the outcome.
  void CloseWarnings();

 private:
  // Sets error() to "SOURCE:LINE: what"; returns false.
  bool Fail(size_t line, const std::string& what);
  bool ReadHeader(std::string_view line);
  bool ReadEntry(std::string_view line);
  // Records the findings on the current line; under strict checking the
  // first one is the error.
  bool Warn(const std::vector<std::string>& findings);
  bool Lint(std::string_view key, const CTWord& word);

  const std::string_view source_name_;
  const LexiconLoadOptions options_;
  std::vector<LexiconWarning>* const warnings_;
  const bool lint_;

  Status error_;
  CLexicon loaded_;
  size_t line_number_ = 0;  // of the last line read
  Header header_;
  std::vector<size_t> entry_lines_;              // the line of each entry
  std::vector<std::string_view> fields_;         // reused for every line
  std::vector<std::string> findings_;            // reused for every line
  std::unique_ptr<DuplicateFinder> duplicates_;  // when linting
  size_t unlisted_warnings_ = 0;
  size_t first_unlisted_line_ = 0;
};

}  // namespace wordvault
}  // namespace tesvar

#endif  // TESVAR_WORDVAULT_TSV_LOADER_H_
