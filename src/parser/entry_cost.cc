// Tested by limits_test.cc and candidate_lookup_test.cc.

#include "parser/entry_cost.h"

#include "nouns/noun_suffix_table.h"
#include "verbs/verb_affix_tables.h"

namespace tesvar {

EntryCost::NounScan EntryCost::ReplayNounScan(size_t from) {
  NounScan scan{0, false};
  size_t at = from;
  for (; at < word_.size(); ++scan.suffixes) {
    const NounSuffixRow* row = MatchNounSuffix(Rest(at));
    if (row == nullptr) break;
    at += row->suffix.size();
  }
  scan.through = at == word_.size();
  if (from < kKnownStarts) {
    nouns_[from] = scan;
    nouns_known_ |= uint64_t{1} << from;
  }
  return scan;
}

template <typename RowAt, typename Found>
EntryCost::VerbScan EntryCost::ReplayVerbScanWith(size_t from, size_t at,
                                                  uint64_t suffixes,
                                                  RowAt row_at, Found found) {
  VerbScan scan{suffixes, 0, true};
  for (int index; (index = row_at(at)) >= 0;) {
    const VerbSuffixRow& row = kVerbSuffixes[index];
    found(at);
    ++scan.suffixes;
    at += row.suffix.size();
    if (row.has(kNominaliser)) {
      const NounScan noun = NounSuffixes(at);
      scan.noun_part = noun.suffixes;
      scan.suffixes += noun.suffixes;
      scan.through = noun.through;
      at = word_.size();
      break;
    }
  }
  scan.through = scan.through && at == word_.size();
  if (from < kKnownStarts) {
    verbs_[from] = scan;
    verbs_known_ |= uint64_t{1} << from;
  }
  return scan;
}

EntryCost::VerbScan EntryCost::ReplayVerbScan(size_t from) {
  return ReplayVerbScanWith(
      from, from, 0, [this](size_t at) { return MatchVerbSuffixRow(Rest(at)); },
      [](size_t) {});
}

EntryCost::VerbScan EntryCost::ReplayLongVerbScan(size_t from) {
  VerbSuffixRows* rows = LongWordRows();
  auto row_at = [rows](size_t at) { return rows->At(at); };
  std::vector<uint32_t>* path = rows->Path(from);
  if (path == nullptr) {
    return ReplayVerbScanWith(from, from, 0, row_at, [](size_t) {});
  }
  // The scan goes on from the last byte of the path that still holds,
  // read again: the suffix found there may end the verb part.
  size_t at = from;
  if (!path->empty()) {
    at = path->back();
    path->pop_back();
  }
  return ReplayVerbScanWith(from, at, path->size(), row_at, [path](size_t at) {
    path->push_back(static_cast<uint32_t>(at));
  });
}

bool EntryCost::ChargeBeforeStepByStep(const CTWord& entry,
                                       const EntryScans& scans,
                                       WorkMeter* meter) const {
  return meter->Charge(work_cost::kEntry + word_.size()) &&
         meter->Charge(entry.m_strHeadword.size()) &&
         meter->Charge(entry.m_strDefinition.size()) &&
         meter->Charge(entry.m_strIrregularPlural.size()) &&
         meter->ChargeEach(scans.total(), work_cost::kSuffix) &&
         meter->ChargeEach(scans.noun_part, faulty_);
}

bool EntryCost::ChargeSkippedStepByStep(const Candidate& candidate,
                                        const EntryScans& scans,
                                        const CLexicon& lexicon,
                                        WorkMeter* meter) const {
  if (!ChargeBefore(lexicon.entry(candidate.position).word, scans, meter)) {
    return false;
  }
  ChargeFailed(scans.total(), meter);
  return !meter->stopped();
}

}  // namespace tesvar
