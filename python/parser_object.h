// The state behind a Python Parser: one const CTesvarParser shared by every
// call and thread, and a small pool of ParseScratch objects, so that calls
// reuse their working memory and never build a parser.
//
// Calls run without the GIL. On Python's main thread they ask the
// interpreter every few tens of milliseconds whether a signal handler
// raised (Ctrl-C's KeyboardInterrupt); if one did, the call stops and the
// exception is raised when it returns.
//
// Thread-safe: any number of Python threads may call one Parser at once.
// Tested by tests/test_tesvar.py.

#ifndef TESVAR_PYTHON_PARSER_OBJECT_H_
#define TESVAR_PYTHON_PARSER_OBJECT_H_

#include <pybind11/pybind11.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "tesvar/lexicon.h"
#include "tesvar/parse_result.h"
#include "tesvar/parser.h"
#include "tesvar/status.h"

namespace tesvar::python {

// ParseScratch objects waiting for the next call. Take() hands out a free
// one or a new one; Give() keeps up to kKept of those handed back.
// Thread-safe.
class ScratchPool {
 public:
  static constexpr size_t kKept = 16;

  std::unique_ptr<ParseScratch> Take();
  void Give(std::unique_ptr<ParseScratch> scratch);

 private:
  std::mutex mutex_;
  std::vector<std::unique_ptr<ParseScratch>> free_;
};

// One word's outcome: its readings, or the status that refused it.
struct WordOutcome {
  Status status;
  ParseResults results;
};

class ParserObject {
 public:
  ParserObject(std::shared_ptr<const CLexicon> lexicon,
               const ParseLimits& limits);

  // Parses `word`; the GIL must be held, and is released while parsing.
  // A signal handler's exception (KeyboardInterrupt) is raised.
  WordOutcome Parse(std::string word);

  // Parses every word on `threads` threads (the caller's included); the
  // outcomes come in the order of the words. As Parse otherwise.
  std::vector<WordOutcome> ParseMany(const std::vector<std::string>& words,
                                     size_t threads);

  const std::shared_ptr<const CLexicon>& lexicon() const { return lexicon_; }
  const ParseLimits& limits() const { return parser_.limits(); }

 private:
  class Worker;

  std::shared_ptr<const CLexicon> lexicon_;
  const CTesvarParser parser_;
  ScratchPool pool_;
  // Python's main thread, the one signal handlers run on.
  unsigned long main_thread_;
};

}  // namespace tesvar::python

#endif  // TESVAR_PYTHON_PARSER_OBJECT_H_
