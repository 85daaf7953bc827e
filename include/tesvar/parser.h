// CTesvarParser analyses one written word against a lexicon: it normalises
// the spelling, tries every entry whose headword occurs in the word with
// the analysis that fits the entry's part of speech, appends one
// CParseResult per reading and then checks each suggestion by parsing it.
//
// Two ways in:
//
//   Parse(word, &results, &scratch)   the host's entry point: const, so one
//       parser may serve any number of threads at once, each with its own
//       ParseScratch; tells why a word was not analysed.
//   ParseWord(word, results)          the classic entry point: keeps its
//       scratch inside the parser, so a parser serves one such call at a
//       time; a word it does not analyse simply adds nothing.
//
// Every call is bounded (see ParseLimits): a word longer than the word
// limit, or one whose analysis would need more than the work budget, gives
// no readings, whatever the lexicon. Words of the language stay far below
// both limits.
//
// Any number of parsers may share one lexicon, which they only read; the
// lexicon must not change while a call runs.

#ifndef TESVAR_PARSER_H_
#define TESVAR_PARSER_H_

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "tesvar/export.h"
#include "tesvar/lexicon.h"
#include "tesvar/parse_result.h"
#include "tesvar/status.h"

namespace tesvar {

// What one top-level call may cost. A call past either limit gives no
// readings and the status WordTooLong or WordTooComplex. 0 turns a limit
// off, for research on hostile words: without them, one word can take
// seconds and gigabytes.
struct ParseLimits {
  // The longest word analysed, in bytes.
  static constexpr size_t kDefaultMaxWordBytes = 256;
  // The work one call may do, in work units: roughly one unit per byte the
  // call reads or produces, whether in readings, in suggestions or in the
  // parses of suggestions, plus the suffixes its analyses read. The default
  // is about 1.3 times what the costliest word of large generated corpora
  // needs (their words need 400 units at the median and 30,000 at the 99th
  // percentile), and keeps any call, whatever the word and lexicon, below
  // about 35 ms and 10 MB on a current machine.
  static constexpr uint64_t kDefaultMaxWork = uint64_t{6} << 20;

  size_t max_word_bytes = kDefaultMaxWordBytes;
  uint64_t max_work = kDefaultMaxWork;
};

// Lets a host stop a running call. The parser asks StopRequested() on the
// parsing thread when the call starts and then once after every kInterval
// work units, at the end of the step that crossed it (one entry's
// analysis, one reading, one suggestion); for words within the word limit
// that is every few tens of microseconds. Once it answers true, the call
// ends with no readings and the status Cancelled.
class TESVAR_EXPORT ParseInterrupt {
 public:
  static constexpr uint64_t kInterval = uint64_t{1} << 14;

  virtual ~ParseInterrupt();
  virtual bool StopRequested() = 0;
};

// The usual interrupt: a flag that any thread may set while another
// parses. Thread-safe.
class TESVAR_EXPORT CancelFlag final : public ParseInterrupt {
 public:
  void Cancel() { cancelled_.store(true, std::memory_order_relaxed); }
  void Reset() { cancelled_.store(false, std::memory_order_relaxed); }
  bool StopRequested() override {
    return cancelled_.load(std::memory_order_relaxed);
  }

 private:
  std::atomic<bool> cancelled_{false};
};

// The state of one call in progress: the analysis objects the call
// reuses, the suggestion check's recursion state and the work meter. The
// caller owns it and lends it to one call at a time; reusing it for the
// next call (on any parser) saves its allocations. Not thread-safe: give
// each thread its own.
class TESVAR_EXPORT ParseScratch {
 public:
  ParseScratch();
  ~ParseScratch();
  ParseScratch(ParseScratch&&) noexcept;
  ParseScratch& operator=(ParseScratch&&) noexcept;
  ParseScratch(const ParseScratch&) = delete;
  ParseScratch& operator=(const ParseScratch&) = delete;

  // Work units used by the last call made with this scratch, up to the
  // point where it stopped if it was stopped.
  uint64_t last_work() const;

  struct TESVAR_LOCAL Impl;

 private:
  friend class CTesvarParser;
  std::unique_ptr<Impl> impl_;
};

class TESVAR_EXPORT CTesvarParser {
 public:
  // A parser with no lexicon attached; it behaves as if the lexicon were
  // empty until m_pLexicon is set.
  CTesvarParser();
  explicit CTesvarParser(const CLexicon* lexicon,
                         const ParseLimits& limits = ParseLimits());

  // Not copyable: ParseWord keeps its scratch in the parser.
  CTesvarParser(const CTesvarParser&) = delete;
  CTesvarParser& operator=(const CTesvarParser&) = delete;
  virtual ~CTesvarParser();

  // Replaces the content of *results by every reading of `word` (any
  // bytes; normalised first) and returns OK. A word with no reading gives
  // OK and no readings. Otherwise *results is left empty and the status
  // says why: WordTooLong, WordTooComplex, or Cancelled when `interrupt`
  // (may be null) asked to stop.
  // Thread-safe: any number of threads may call Parse on one parser at
  // once, each with its own scratch and results.
  // REQUIRES: results != nullptr, scratch != nullptr.
  Status Parse(std::string_view word, ParseResults* results,
               ParseScratch* scratch,
               ParseInterrupt* interrupt = nullptr) const;

  // Appends every reading of `word` to `results` (existing elements are
  // kept and also have their suggestions checked) and returns the number
  // of elements in `results` afterwards. Never fails: a word with no
  // reading, or one past the limits, adds nothing and leaves the existing
  // elements as they were. One call at a time per parser.
  int ParseWord(std::string word, ParseResults& results);

  const ParseLimits& limits() const { return limits_; }

  // The lexicon to search; not owned. The caller must keep it alive and
  // unchanged while a call runs.
  const CLexicon* m_pLexicon = nullptr;

 protected:
  // Rewrites `word` into the canonical spelling of the language.
  static void AdjustCase(std::string& word);
  // 1 when `c` belongs to the language's alphabet (45 bytes), else 0.
  static int IsValidChar(char c);

 private:
  // Puts the readings into `results` from element `first` on; the
  // elements from there are the previous call's, overwritten or dropped.
  TESVAR_LOCAL Status Run(std::string_view word, ParseResults& results,
                          size_t first, ParseScratch& scratch,
                          ParseInterrupt* interrupt) const;

  ParseLimits limits_;
  // ParseWord's scratch, made on its first call.
  std::unique_ptr<ParseScratch> own_scratch_;
};

}  // namespace tesvar

#endif  // TESVAR_PARSER_H_
