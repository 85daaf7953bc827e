// Tested by limits_test.cc.

#include "parser/entry_cost.h"

#include "nouns/noun_suffix_table.h"
#include "platform/text.h"
#include "verbs/verb_affix_tables.h"

namespace tesvar {

namespace {

// The verb suffixes after which the noun analysis reads the rest.
constexpr std::string_view kNounForming[] = {"ghach", "wI'"};

bool IsNounForming(std::string_view suffix) {
  for (std::string_view noun_forming : kNounForming) {
    if (suffix == noun_forming) return true;
  }
  return false;
}

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

uint64_t EntryCost::NounSuffixes(size_t from) const {
  uint64_t read = 0;
  for (size_t at = from; at < word_.size(); ++read) {
    const size_t length = NounSuffixLength(word_.substr(at));
    if (length == 0) break;
    at += length;
  }
  return read;
}

EntryCost::VerbScan EntryCost::VerbSuffixes(size_t from) {
  for (const Replayed& replayed : verb_scans_) {
    if (replayed.from == from) return replayed.scan;
  }
  VerbScan scan;
  size_t at = from;
  while (const VerbSuffixRow* row = MatchVerbSuffix(word_.substr(at))) {
    ++scan.suffixes;
    at += row->suffix.size();
    if (IsNounForming(row->suffix)) {
      scan.noun_part = NounSuffixes(at);
      scan.suffixes += scan.noun_part;
      break;
    }
  }
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
      if (at_start) scans.noun = NounSuffixes(headword.size());
      break;
    case kVerb:
      if (prefix_ != 0 && StartsWith(word_.substr(prefix_), headword)) {
        const VerbScan scan = VerbSuffixes(prefix_ + headword.size());
        scans.verb_prefixed = scan.suffixes;
        scans.noun_part = scan.noun_part;
      }
      if (at_start) {
        const VerbScan scan = VerbSuffixes(headword.size());
        scans.verb_bare = scan.suffixes;
        scans.noun_part += scan.noun_part;
      }
      break;
    case kPronoun:
      if (at_start) {
        const VerbScan scan = VerbSuffixes(headword.size());
        scans.noun = NounSuffixes(headword.size());
        scans.verb_bare = scan.suffixes;
        scans.noun_part = scan.noun_part;
      }
      break;
    default:
      // Numbers and plain words read a few fixed elements at most.
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
