// The work meter of one top-level call: counts the work units the call
// spends, stops the call once the budget is spent or the host asks to
// stop, and remembers why.
//
// Units are deterministic, never a clock, so a word always gives the same
// answer: roughly one unit per byte read or produced. Each place that does
// work charges for it before or right after doing it, at a granularity of
// one lexicon entry, one reading, one suggestion or one sub-parse; a word
// within the word limit costs at most a few thousand units between two
// charges, so the budget is never overrun by much. Once stopped, the
// meter stays stopped, and every loop of the call ends at its next check.
//
// Lives in a ParseScratch; one call at a time. Tested by limits_test.cc.

#ifndef TESVAR_PARSER_WORK_METER_H_
#define TESVAR_PARSER_WORK_METER_H_

#include <cstddef>
#include <cstdint>

#include "tesvar/parse_result.h"
#include "tesvar/parser.h"
#include "tesvar/status.h"

namespace tesvar {

// What things cost, in work units.
namespace work_cost {
// Setting up the analysis of one lexicon entry, beside the word's bytes.
constexpr uint64_t kEntry = 64;
// Setting up a sub-parse of one suggestion, beside the word's bytes.
constexpr uint64_t kSubParse = 256;
// The bookkeeping of one text in a list, beside its bytes: about what a
// std::string and its list slot take.
constexpr uint64_t kText = 32;
// The bookkeeping of one reading, beside its texts.
constexpr uint64_t kReading = 64;
}  // namespace work_cost

class WorkMeter {
 public:
  // Starts the meter for a new call.
  void Start(uint64_t budget, ParseInterrupt* interrupt) {
    used_ = 0;
    budget_ = budget;
    interrupt_ = interrupt;
    next_interrupt_check_ = 0;
    stop_ = StopReason::kNone;
    Check();
  }

  // Adds `units` of work; returns false once the call must stop.
  bool Charge(uint64_t units) {
    used_ += units;
    if (used_ >= next_interrupt_check_ || (budget_ != 0 && used_ > budget_)) {
      Check();
    }
    return stop_ == StopReason::kNone;
  }

  bool stopped() const { return stop_ != StopReason::kNone; }
  uint64_t used() const { return used_; }

  // OK, or why the call stopped.
  Status status() const;

  // The work a reading stands for: its texts, each with its bookkeeping.
  // A sub-parse's weighed reading is charged what its record would be
  // (WeighedSink in word_parse.cc adds up the same texts).
  static uint64_t ReadingCost(const CParseResult& reading);
  static uint64_t TextsCost(const StringList& texts);
  // The work one text of a list stands for.
  static uint64_t TextCost(size_t bytes) { return work_cost::kText + bytes; }

 private:
  enum class StopReason { kNone, kBudget, kInterrupt };

  void Check();

  uint64_t used_ = 0;
  uint64_t budget_ = 0;  // 0: no budget
  ParseInterrupt* interrupt_ = nullptr;
  uint64_t next_interrupt_check_ = 0;
  StopReason stop_ = StopReason::kNone;
};

}  // namespace tesvar

#endif  // TESVAR_PARSER_WORK_METER_H_
