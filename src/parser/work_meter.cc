// Tested by limits_test.cc.

#include "parser/work_meter.h"

namespace tesvar {

void WorkMeter::Check() {
  if (stop_ != StopReason::kNone) return;
  if (budget_ != 0 && used_ > budget_) {
    stop_ = StopReason::kBudget;
    return;
  }
  if (interrupt_ == nullptr) {
    next_interrupt_check_ = UINT64_MAX;
    return;
  }
  next_interrupt_check_ = used_ + ParseInterrupt::kInterval;
  if (interrupt_->StopRequested()) stop_ = StopReason::kInterrupt;
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

uint64_t WorkMeter::TextsCost(const StringList& texts) {
  uint64_t cost = 0;
  for (const std::string& text : texts) cost += TextCost(text.size());
  return cost;
}

uint64_t WorkMeter::ReadingCost(const CParseResult& reading) {
  return work_cost::kReading + reading.m_strPOS.size() +
         reading.m_strWord.size() + reading.m_strKey.size() +
         reading.m_strAnalysis.size() + reading.m_strNative.size() +
         TextsCost(reading.m_lstErrors) + TextsCost(reading.m_lstSuggestions);
}

}  // namespace tesvar
