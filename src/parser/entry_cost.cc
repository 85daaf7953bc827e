// Tested by limits_test.cc.

#include "parser/entry_cost.h"

#include "nouns/noun_suffix_table.h"
#include "platform/text.h"
#include "verbs/verb_affix_tables.h"

namespace tesvar {

namespace {

// The length of the first noun suffix row that `text` begins with, or 0.
size_t NounSuffixLength(std::string_view text) {
  for (const NounSuffixRow& row : kNounSuffixes) {
    if (StartsWith(text, row.suffix)) return row.suffix.size();
  }
  return 0;
}

}  // namespace

EntryCost::EntryCost(std::string_view word)
    : word_(word), prefix_(VerbPrefixLength(word)) {}

EntryCost::NounScan EntryCost::NounSuffixes(size_t from) const {
  NounScan scan;
  size_t at = from;
  for (; at < word_.size(); ++scan.suffixes) {
    const size_t length = NounSuffixLength(word_.substr(at));
    if (length == 0) break;
    at += length;
  }
  scan.through = at == word_.size();
  return scan;
}

EntryCost::VerbScan EntryCost::VerbSuffixes(size_t from) {
  for (const Replayed& replayed : verb_scans_) {
    if (replayed.from == from) return replayed.scan;
  }
  VerbScan scan;
  size_t at = from;
  scan.through = true;
  while (const VerbSuffixRow* row = MatchVerbSuffix(word_.substr(at))) {
    ++scan.suffixes;
    at += row->suffix.size();
    if (row->has(kNominaliser)) {
      const NounScan noun = NounSuffixes(at);
      scan.noun_part = noun.suffixes;
      scan.suffixes += noun.suffixes;
      scan.through = noun.through;
      at = word_.size();
      break;
    }
  }
  scan.through = scan.through && at == word_.size();
  verb_scans_[next_slot_] = Replayed{from, scan};
  next_slot_ = 1 - next_slot_;
  return scan;
}

EntryScans EntryCost::Scans(const CTWord& entry) {
  const std::string_view headword = entry.m_strHeadword;
  const bool at_start = StartsWith(word_, headword);
  EntryScans scans;
  switch (entry.m_nPOS) {
    case kNoun:
      if (at_start) {
        const NounScan scan = NounSuffixes(headword.size());
        scans.noun = scan.suffixes;
        scans.may_read = scan.through;
      }
      break;
    case kVerb:
      if (prefix_ != 0 && StartsWith(word_.substr(prefix_), headword)) {
        const VerbScan scan = VerbSuffixes(prefix_ + headword.size());
        scans.verb_prefixed = scan.suffixes;
        scans.noun_part = scan.noun_part;
        scans.may_read = scan.through;
      }
      if (at_start) {
        const VerbScan scan = VerbSuffixes(headword.size());
        scans.verb_bare = scan.suffixes;
        scans.noun_part += scan.noun_part;
        scans.may_read = scans.may_read || scan.through;
      }
      break;
    case kPronoun:
      if (at_start) {
        const VerbScan scan = VerbSuffixes(headword.size());
        const NounScan noun = NounSuffixes(headword.size());
        scans.noun = noun.suffixes;
        scans.verb_bare = scan.suffixes;
        scans.noun_part = scan.noun_part;
        scans.may_read = noun.through || scan.through;
      }
      break;
    case kNumber:
      // Numbers read a few fixed elements at most.
      scans.may_read = at_start;
      break;
    default:
      scans.may_read = at_start && headword.size() == word_.size();
      break;
  }
  return scans;
}

bool EntryCost::ChargeBefore(const CTWord& entry, const EntryScans& scans,
                             WorkMeter* meter) const {
  return meter->Charge(work_cost::kEntry + word_.size()) &&
         meter->Charge(entry.m_strHeadword.size()) &&
         meter->Charge(entry.m_strDefinition.size()) &&
         meter->Charge(entry.m_strIrregularPlural.size()) &&
         meter->ChargeEach(scans.total(), work_cost::kSuffix) &&
         meter->ChargeEach(scans.noun_part, FaultySuffix());
}

void EntryCost::ChargeFailed(uint64_t suffixes, WorkMeter* meter) const {
  meter->ChargeEach(suffixes, FaultySuffix());
}

uint64_t EntryCost::FaultySuffix() const {
  return work_cost::kFaultySuffix +
         work_cost::kCorrectionsPerFault * word_.size();
}

}  // namespace tesvar
