// The work meter of one top-level call: counts the work units the call
// spends, stops the call once the budget is spent or the host asks to
// stop, and remembers why.
//
// Units are deterministic, never a clock, so a word always gives the same
// answer: roughly one unit per byte read or produced. Each place that does
// work charges for it before or right after doing it, one step at a time:
// one entry's setup, one text, one suffix, one sub-parse, one comparison.
// The first charge past the budget stops the meter, and a stopped meter
// adds nothing more, so a stopped call has used at most its budget plus
// one charge (LargestCharge below); every loop of the call ends at its
// next check.
//
// Lives in a ParseScratch; one call at a time. Tested by limits_test.cc.

#ifndef TESVAR_PARSER_WORK_METER_H_
#define TESVAR_PARSER_WORK_METER_H_

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "tesvar/parse_result.h"
#include "tesvar/parser.h"
#include "tesvar/status.h"

namespace tesvar {

// What things cost, in work units.
namespace work_cost {
// Setting up the analysis of one lexicon entry, beside the bytes of the
// word and of the entry's texts (see entry_cost.h).
constexpr uint64_t kEntry = 64;
// The checks of one suffix read by an analysis, beside the corrections
// they build (see entry_cost.h).
constexpr uint64_t kSuffix = 32;
// A suffix of a reading that failed, charged as if it were faulty: the
// messages of the checks that fire, beside their corrections, of which
// one suffix draws up to kCorrectionsPerFault, each as long as the word.
constexpr uint64_t kFaultySuffix = 128;
constexpr uint64_t kCorrectionsPerFault = 4;
// Setting up a sub-parse of one suggestion, beside the word's bytes.
constexpr uint64_t kSubParse = 256;
// The bookkeeping of one text in a list, beside its bytes: about what a
// std::string and its list slot take.
constexpr uint64_t kText = 32;
// The bookkeeping of one reading, beside its texts.
constexpr uint64_t kReading = 64;
// More than the texts of a reading that come from neither the word nor
// the entry: its label, the grammar messages, the English glosses of the
// affixes.
constexpr uint64_t kMessageSlack = 4096;

// The most that one charge adds, for a call whose words (the word as
// normalised, and every correction parsed on its behalf) have at most
// `word_bytes` bytes, against a lexicon whose entry texts (key, headword,
// definition, plural) have at most `entry_text_bytes` bytes each. The
// costliest charges are a failed suffix, a reading's bookkeeping with its
// word and key, and its English text, which may hold the definition twice
// (a verb made a noun is glossed through its verb part); this sum exceeds
// each of them.
constexpr uint64_t LargestCharge(uint64_t word_bytes,
                                 uint64_t entry_text_bytes) {
  return kReading + kText + kFaultySuffix + kCorrectionsPerFault * word_bytes +
         2 * entry_text_bytes + kMessageSlack;
}
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
    const uint64_t after = used_ + units;
    if (after < limit_) {
      used_ = after;
      return true;
    }
    return ChargeToLimit(units);
  }

  // Adds `units` and returns true when that reaches neither the budget
  // nor the next interrupt check, which is when charging them in any
  // number of steps would have done just the same; otherwise adds nothing
  // and returns false, for the caller to charge them step by step.
  bool ChargeQuietly(uint64_t units) {
    const uint64_t after = used_ + units;
    if (after >= limit_) return false;
    used_ = after;
    return true;
  }

  // Adds `count` steps of `units` each, exactly as `count` calls of
  // Charge(units) would, in constant time.
  bool ChargeEach(uint64_t count, uint64_t units);

  // Charges a reading: its bookkeeping with its word, key and label, then
  // each of its texts.
  bool ChargeReading(const CParseResult& reading);
  // Charges a sub-parse's weighed reading as its record would be charged:
  // `head_cost` (bookkeeping, word, messages), then each suggestion.
  // Inline: sub-parses charge every reading they weigh, and mostly the
  // whole reading fits below the limit, when one sum is the same as
  // charging step by step.
  bool ChargeWeighed(uint64_t head_cost, const std::string_view* suggestions,
                     size_t count) {
    uint64_t total = head_cost;
    for (size_t i = 0; i < count; ++i) {
      total += TextCost(suggestions[i].size());
    }
    return ChargeQuietly(total) ||
           ChargeWeighedStepByStep(head_cost, suggestions, count);
  }

  // The work one text of a list stands for.
  static uint64_t TextCost(size_t bytes) { return work_cost::kText + bytes; }

  bool stopped() const { return stop_ != StopReason::kNone; }
  uint64_t used() const { return used_; }

  // OK, or why the call stopped.
  Status status() const;

 private:
  enum class StopReason { kNone, kBudget, kInterrupt };

  void Check();
  // Sets limit_ from the budget, the next interrupt check and stop_.
  void SetLimit();
  // Charge, when the units reach limit_.
  bool ChargeToLimit(uint64_t units);
  bool ChargeTexts(const StringList& texts);
  bool ChargeWeighedStepByStep(uint64_t head_cost,
                               const std::string_view* suggestions,
                               size_t count);

  uint64_t used_ = 0;
  uint64_t budget_ = 0;  // 0: no budget
  ParseInterrupt* interrupt_ = nullptr;
  uint64_t next_interrupt_check_ = 0;
  StopReason stop_ = StopReason::kNone;
  // The least use at which a charge must look at the budget or the
  // interrupt: below it, charges only add up. 0 once stopped.
  uint64_t limit_ = 0;
};

}  // namespace tesvar

#endif  // TESVAR_PARSER_WORK_METER_H_
