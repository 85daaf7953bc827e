// Tested by limits_test.cc.

#include "parser/work_meter.h"

namespace tesvar {

void WorkMeter::Check() {
  if (stop_ != StopReason::kNone) return;
  if (budget_ != 0 && used_ > budget_) {
    stop_ = StopReason::kBudget;
  } else if (interrupt_ == nullptr) {
    next_interrupt_check_ = UINT64_MAX;
  } else {
    next_interrupt_check_ = used_ + ParseInterrupt::kInterval;
    if (interrupt_->StopRequested()) stop_ = StopReason::kInterrupt;
  }
  SetLimit();
}

void WorkMeter::SetLimit() {
  if (stop_ != StopReason::kNone) {
    limit_ = 0;
    return;
  }
  limit_ = next_interrupt_check_;
  // Past the budget is from budget_ + 1 on (below limit_, so no wrap).
  if (budget_ != 0 && budget_ < limit_) {
    limit_ = budget_ + 1;
  }
}

bool WorkMeter::ChargeToLimit(uint64_t units) {
  if (stop_ != StopReason::kNone) return false;
  used_ += units;
  if (used_ >= next_interrupt_check_ || (budget_ != 0 && used_ > budget_)) {
    Check();
  }
  return stop_ == StopReason::kNone;
}

bool WorkMeter::ChargeEach(uint64_t count, uint64_t units) {
  if (stop_ != StopReason::kNone) return false;
  if (count == 0 || units == 0) return true;
  // While the meter runs, used_ <= budget_. The steps that fit leave it
  // there; the one after them is the one that stops the meter.
  if (budget_ != 0) {
    const uint64_t fit = (budget_ - used_) / units;
    if (count > fit) return Charge((fit + 1) * units);
  }
  return Charge(count * units);
}

bool WorkMeter::ChargeTexts(const StringList& texts) {
  for (const std::string& text : texts) {
    if (!Charge(TextCost(text.size()))) return false;
  }
  return true;
}

bool WorkMeter::ChargeWeighedStepByStep(uint64_t head_cost,
                                        const std::string_view* suggestions,
                                        size_t count) {
  if (!Charge(head_cost)) return false;
  for (size_t i = 0; i < count; ++i) {
    if (!Charge(TextCost(suggestions[i].size()))) return false;
  }
  return true;
}

bool WorkMeter::ChargeReading(const CParseResult& reading) {
  // As in ChargeWeighed: one sum when it fits.
  uint64_t total = work_cost::kReading + reading.m_strPOS.size() +
                   reading.m_strWord.size() + reading.m_strKey.size() +
                   reading.m_strAnalysis.size() + reading.m_strNative.size();
  for (const std::string& text : reading.m_lstErrors) {
    total += TextCost(text.size());
  }
  for (const std::string& text : reading.m_lstSuggestions) {
    total += TextCost(text.size());
  }
  if (ChargeQuietly(total)) return true;
  return Charge(work_cost::kReading + reading.m_strPOS.size() +
                reading.m_strWord.size() + reading.m_strKey.size()) &&
         Charge(reading.m_strAnalysis.size()) &&
         Charge(reading.m_strNative.size()) &&
         ChargeTexts(reading.m_lstErrors) &&
         ChargeTexts(reading.m_lstSuggestions);
}

Status WorkMeter::status() const {
  switch (stop_) {
    case StopReason::kNone:
      break;
    case StopReason::kBudget:
      return Status::WordTooComplex();
    case StopReason::kInterrupt:
      return Status::Cancelled();
  }
  return Status::Ok();
}

}  // namespace tesvar
