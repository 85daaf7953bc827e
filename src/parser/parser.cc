// The parser's two entry points share one run: check the word limit, start
// the work meter, parse at the top level (word_parse.h), and, if the meter
// stopped the call, take back everything the call did.
// Tested by parser_test.cc and limits_test.cc.

#include "tesvar/parser.h"

#include <string>
#include <utility>

#include "parser/parse_frame.h"
#include "parser/spelling.h"
#include "parser/word_parse.h"

namespace tesvar {

namespace {

// Whether `size` is past a non-zero `limit`. Asked apart from making the
// status, since even an OK status costs a few dozen instructions a word.
bool TooLong(size_t size, size_t limit) { return limit != 0 && size > limit; }

Status WordTooLong(size_t limit) {
  return Status::WordTooLong("word longer than " + std::to_string(limit) +
                             " bytes");
}

}  // namespace

ParseInterrupt::~ParseInterrupt() = default;

ParseScratch::ParseScratch() : impl_(std::make_unique<Impl>()) {}
ParseScratch::~ParseScratch() = default;
ParseScratch::ParseScratch(ParseScratch&&) noexcept = default;
ParseScratch& ParseScratch::operator=(ParseScratch&&) noexcept = default;

uint64_t ParseScratch::last_work() const {
  return impl_ == nullptr ? 0 : impl_->meter.used();
}

void CTesvarParser::AdjustCase(std::string& word) { NormaliseSpelling(&word); }

int CTesvarParser::IsValidChar(char c) { return IsAlphabetByte(c) ? 1 : 0; }

CTesvarParser::CTesvarParser() = default;

CTesvarParser::CTesvarParser(const CLexicon* lexicon, const ParseLimits& limits)
    : m_pLexicon(lexicon), limits_(limits) {}

CTesvarParser::~CTesvarParser() = default;

Status CTesvarParser::Parse(std::string_view word, ParseResults* results,
                            ParseScratch* scratch,
                            ParseInterrupt* interrupt) const {
  // Checked before the word is copied, however long it is.
  if (TooLong(word.size(), limits_.max_word_bytes)) {
    results->clear();
    return WordTooLong(limits_.max_word_bytes);
  }
  // The records of the previous call are overwritten, not cleared, so that
  // the new ones use their strings' storage.
  return Run(word, *results, 0, *scratch, interrupt);
}

int CTesvarParser::ParseWord(std::string word, ParseResults& results) {
  if (own_scratch_ == nullptr) own_scratch_ = std::make_unique<ParseScratch>();
  static_cast<void>(Run(word, results, results.size(), *own_scratch_, nullptr));
  return static_cast<int>(results.size());
}

Status CTesvarParser::Run(std::string_view word, ParseResults& results,
                          size_t first, ParseScratch& scratch,
                          ParseInterrupt* interrupt) const {
  if (TooLong(word.size(), limits_.max_word_bytes)) {
    results.resize(first);
    return WordTooLong(limits_.max_word_bytes);
  }
  // A moved-from scratch has lost its state; give it a new one.
  if (scratch.impl_ == nullptr) {
    scratch.impl_ = std::make_unique<ParseScratch::Impl>();
  }
  ParseScratch::Impl& s = *scratch.impl_;
  s.meter.Start(limits_.max_work, interrupt);
  s.handed_over = 0;
  // The suggestion check works on the elements passed in too; keep them
  // so that a stopped call leaves them as they were.
  const size_t passed_in = first;
  if (passed_in > 0) s.saved.assign(results.begin(), results.begin() + first);
  s.meter.Charge(word.size());

  ParseFrame& top = s.top_frame;
  top.Restart();
  s.word.assign(word);
  WordParse(m_pLexicon, &s).Run(&s.word, results, first, top);

  // The readings shared by sub-parses refer to the texts.
  s.sub_parse_readings.Clear();
  s.texts.Clear();
  if (s.meter.stopped()) {
    results.resize(passed_in);
    for (size_t i = 0; i < passed_in; ++i) results[i] = std::move(s.saved[i]);
  }
  s.saved.clear();
  return s.meter.status();
}

}  // namespace tesvar
