// What the analyses of one lexicon entry cost, in work units.
//
// The analyses read suffixes greedily, one table row at a time; every
// suffix costs its checks, and a faulty one a correction about as long as
// the word, since the checks rebuild the word around the fault. A reading
// that survives shows those corrections, and the parser charges its texts
// when it records it. A reading that fails shows nothing, though the work
// was done: a word of a hundred faulty suffixes that fails at its last
// byte costs as much as one that reads. So the suffixes are counted before
// the analyses run, by replaying the scans' matching (no checks, no texts,
// a small fraction of the analysis), and every scan whose reading fails is
// charged as if each suffix it read had drawn a correction.
//
// The same replay tells ahead of the analyses that an entry cannot read
// the word: each analysis takes, at every point, the first suffix of its
// table that fits and fails where none does, so a scan that stops short of
// the end of the word means a failed reading. In a large lexicon most
// candidates are such entries, a short headword at the start of a word it
// has nothing to do with, and the parser skips their analyses (charging
// them as failed, so the work units do not depend on the skip).
//
// An EntryCost serves the entries of one word; entries that share a
// headword share the replayed scans. Not thread-safe. Tested by
// limits_test.cc.

#ifndef TESVAR_PARSER_ENTRY_COST_H_
#define TESVAR_PARSER_ENTRY_COST_H_

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "parser/work_meter.h"
#include "tesvar/lexicon.h"

namespace tesvar {

// The suffixes each scan of an entry's analyses reads; 0 for a scan that
// does not run.
struct EntryScans {
  uint64_t noun = 0;           // nouns and pronouns read as nouns
  uint64_t verb_prefixed = 0;  // verbs, after the prefix and the headword
  uint64_t verb_bare = 0;      // verbs and pronouns, after the headword
  // Of the verb scans' suffixes, those that follow a noun-forming suffix:
  // the noun analysis of a verb made a noun reads them, and the verb
  // reading keeps none of the messages and corrections it builds.
  uint64_t noun_part = 0;
  // False when no analysis of the entry can read the word; true when one
  // might.
  bool may_read = false;

  uint64_t total() const { return noun + verb_prefixed + verb_bare; }
};

class EntryCost {
 public:
  // `word` is the normalised word; it must outlive this object.
  explicit EntryCost(std::string_view word);

  EntryScans Scans(const CTWord& entry);

  // Charges, before the analyses of `entry` run, their setup, the entry's
  // texts they copy, the checks of every suffix they read, and the noun
  // parts of verbs made nouns as if every suffix were faulty. Returns
  // false once the call must stop.
  bool ChargeBefore(const CTWord& entry, const EntryScans& scans,
                    WorkMeter* meter) const;
  // Charges the `suffixes` read by scans whose readings failed.
  void ChargeFailed(uint64_t suffixes, WorkMeter* meter) const;

 private:
  // Suffixes read by the verb scan from byte `from` on, those of the noun
  // scan that takes over after a noun-forming suffix included (and also
  // counted in noun_part).
  // `through`: the scan reached the end of the word.
  struct VerbScan {
    uint64_t suffixes = 0;
    uint64_t noun_part = 0;
    bool through = false;
  };
  VerbScan VerbSuffixes(size_t from);
  // Suffixes read by the noun scan from byte `from` on.
  struct NounScan {
    uint64_t suffixes = 0;
    bool through = false;
  };
  NounScan NounSuffixes(size_t from) const;
  // What a faulty suffix costs: its messages and corrections.
  uint64_t FaultySuffix() const;

  const std::string_view word_;
  const size_t prefix_;  // the word's verb prefix length, or 0
  // The last two verb scans replayed: a verb entry may need one after the
  // prefix and one from the start.
  struct Replayed {
    size_t from = SIZE_MAX;
    VerbScan scan;
  };
  Replayed verb_scans_[2];
  size_t next_slot_ = 0;
};

}  // namespace tesvar

#endif  // TESVAR_PARSER_ENTRY_COST_H_
