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
// The charges come to the same units, in the same order, as if each
// piece were charged on its own: while the meter has room for all of an
// entry's charges, they are added at once; only near the budget or an
// interrupt check are they made one by one.
//
// An EntryCost serves the entries of one word; the scans are replayed once
// per place they start from. Long words are mostly the corrections that
// sub-parses read one after another, each the last with a suffix added or
// moved, so they share most of their beginnings: for them the suffix found
// at each byte is kept from one word to the next, and so are the bytes
// where each verb scan found its suffixes (VerbSuffixRows); a replay goes
// on from the last of those that the change left alone. Not thread-safe.
// Tested by limits_test.cc and candidate_lookup_test.cc.

#ifndef TESVAR_PARSER_ENTRY_COST_H_
#define TESVAR_PARSER_ENTRY_COST_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "nouns/noun_suffix_table.h"
#include "parser/candidate_lookup.h"
#include "parser/suffix_starts.h"
#include "parser/work_meter.h"
#include "tesvar/lexicon.h"
#include "verbs/verb_affix_tables.h"
#include "verbs/verb_suffix_rows.h"
#include "wordvault/entry_store.h"

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
  // `word` is the normalised word; it must outlive this object. `rows`,
  // if given, keeps the suffix rows of long words between EntryCosts; one
  // EntryCost at a time may use it.
  explicit EntryCost(std::string_view word, VerbSuffixRows* rows = nullptr)
      : word_(word),
        prefix_(VerbPrefixLength(word)),
        faulty_(work_cost::kFaultySuffix +
                work_cost::kCorrectionsPerFault * word.size()),
        rows_(word.size() > kLongWord ? rows : nullptr) {}

  // VerbPrefixLength(word).
  size_t prefix() const { return prefix_; }

  EntryScans Scans(const Candidate& candidate);

  // For a long word, the rows given to the constructor, serving this word,
  // for the verb analyses to share; else nullptr.
  VerbSuffixRows* LongWordRows() {
    if (rows_ != nullptr && !rebased_) {
      rows_->Rebase(word_);
      rebased_ = true;
    }
    return rows_;
  }

  // Charges, before the analyses of `entry` run, their setup, the entry's
  // texts they copy, the checks of every suffix they read, and the noun
  // parts of verbs made nouns as if every suffix were faulty. Returns
  // false once the call must stop.
  // Inline, as ChargeFailed: they run for every entry read, nearly always
  // as one sum.
  bool ChargeBefore(const CTWord& entry, const EntryScans& scans,
                    WorkMeter* meter) const {
    const uint64_t texts = entry.m_strHeadword.size() +
                           entry.m_strDefinition.size() +
                           entry.m_strIrregularPlural.size();
    return meter->ChargeQuietly(UnitsBefore(texts, scans)) ||
           ChargeBeforeStepByStep(entry, scans, meter);
  }
  // Charges the `suffixes` read by scans whose readings failed.
  void ChargeFailed(uint64_t suffixes, WorkMeter* meter) const {
    // One sum when it fits, as in ChargeBefore; the factors are bounded so
    // that the product cannot wrap.
    constexpr uint64_t kSmall = uint64_t{1} << 32;
    if (suffixes >= kSmall || faulty_ >= kSmall ||
        !meter->ChargeQuietly(suffixes * faulty_)) {
      meter->ChargeEach(suffixes, faulty_);
    }
  }
  // Charges a candidate whose scans plainly read nothing as ChargeSkipped
  // would, and returns true; returns false, charging nothing, for the
  // others, and when the charge must be made one by one. Inline, cheaper
  // than Scans: most candidates of a large lexicon are a short headword at
  // the start of a word, followed by two bytes that begin no suffix that
  // its analyses read.
  bool ChargeIfIdle(const Candidate& candidate, WorkMeter* meter) const {
    const size_t from = candidate.headword_length;
    // Verbs after the prefix take Scans; the other candidates start the
    // word, and a scan from its end reads the end.
    if (candidate.after_prefix || from >= word_.size()) return false;
    const uint8_t tables = ScannedTables(candidate.kind);
    if (tables == kNoScan || (kSuffixStarts.In(Rest(from)) & tables) != 0) {
      return false;
    }
    return candidate.text_bytes != kManyTextBytes &&
           meter->ChargeQuietly(work_cost::kEntry + word_.size() +
                                candidate.text_bytes);
  }
  // Charges a candidate that cannot read the word (!scans.may_read) as if
  // its analyses had run and failed: ChargeBefore, then ChargeFailed of
  // all its suffixes. Reads the entry from `lexicon` only when the
  // charges must be made one by one. Returns false once the call must
  // stop.
  bool ChargeSkipped(const Candidate& candidate, const EntryScans& scans,
                     const CLexicon& lexicon, WorkMeter* meter) const {
    return (candidate.text_bytes != kManyTextBytes &&
            meter->ChargeQuietly(UnitsBefore(candidate.text_bytes, scans) +
                                 scans.total() * faulty_)) ||
           ChargeSkippedStepByStep(candidate, scans, lexicon, meter);
  }

 private:
  // Suffixes read by the verb scan from byte `from` on, those of the noun
  // scan that takes over after a noun-forming suffix included (and also
  // counted in noun_part).
  // `through`: the scan reached the end of the word.
  struct VerbScan {
    uint64_t suffixes;
    uint64_t noun_part;
    bool through;
  };
  VerbScan VerbSuffixes(size_t from) {
    if (Known(verbs_known_, from)) return verbs_[from];
    // Most starts of a large lexicon's candidates begin no suffix; telling
    // them apart takes a few steps, less than the replay's call.
    if ((kSuffixStarts.In(Rest(from)) & SuffixStarts::kVerbs) == 0) {
      return VerbScan{0, 0, from == word_.size()};
    }
    return rows_ != nullptr ? ReplayLongVerbScan(from) : ReplayVerbScan(from);
  }
  // Suffixes read by the noun scan from byte `from` on.
  struct NounScan {
    uint64_t suffixes;
    bool through;
  };
  NounScan NounSuffixes(size_t from) {
    if (Known(nouns_known_, from)) return nouns_[from];
    if ((kSuffixStarts.In(Rest(from)) & SuffixStarts::kNouns) == 0) {
      return NounScan{0, from == word_.size()};
    }
    return ReplayNounScan(from);
  }
  bool ChargeBeforeStepByStep(const CTWord& entry, const EntryScans& scans,
                              WorkMeter* meter) const;
  bool ChargeSkippedStepByStep(const Candidate& candidate,
                               const EntryScans& scans, const CLexicon& lexicon,
                               WorkMeter* meter) const;
  // Replay the scan from `from` and remember it.
  NounScan ReplayNounScan(size_t from);
  // Of a word without kept rows.
  VerbScan ReplayVerbScan(size_t from);
  // Of a long word, with its kept rows.
  VerbScan ReplayLongVerbScan(size_t from);
  // ReplayVerbScan, with `row_at(at)` the suffix row found at byte `at`,
  // going on at byte `at` after `suffixes` suffixes, and with `found(at)`
  // called at each byte where a row is found.
  template <typename RowAt, typename Found>
  VerbScan ReplayVerbScanWith(size_t from, size_t at, uint64_t suffixes,
                              RowAt row_at, Found found);
  static bool Known(uint64_t known, size_t from) {
    return from < kKnownStarts && ((known >> from) & 1) != 0;
  }

  // The word from byte `at` on; `at` is never past its end.
  std::string_view Rest(size_t at) const {
    return std::string_view(word_.data() + at, word_.size() - at);
  }

  // ChargeBefore's units, for an entry of `text_bytes`.
  uint64_t UnitsBefore(uint64_t text_bytes, const EntryScans& scans) const {
    return work_cost::kEntry + word_.size() + text_bytes +
           scans.total() * work_cost::kSuffix + scans.noun_part * faulty_;
  }

  // The suffix tables (SuffixStarts) that the analyses of an entry of
  // `kind` scan from the end of its headword, when that starts the word;
  // kNoScan for numbers, which read the word without them. Plain words
  // scan none: they read only the word that is their headword.
  static constexpr uint8_t kNoScan = 0xff;
  static uint8_t ScannedTables(uint8_t kind) { return kScannedTables[kind]; }
  static constexpr std::array<uint8_t, 256> kScannedTables = [] {
    std::array<uint8_t, 256> tables{};
    tables[kNoun] = SuffixStarts::kNouns;
    tables[kVerb] = SuffixStarts::kVerbs;
    tables[kPronoun] = SuffixStarts::kNouns | SuffixStarts::kVerbs;
    tables[kNumber] = kNoScan;
    return tables;
  }();

  static constexpr uint32_t kManyTextBytes =
      wordvault::EntryStore::kManyTextBytes;

  const std::string_view word_;
  const size_t prefix_;  // the word's verb prefix length, or 0
  // What a faulty suffix costs: its messages and corrections.
  const uint64_t faulty_;
  // The kept rows, for a word longer than kLongWord; else nullptr.
  VerbSuffixRows* const rows_;
  bool rebased_ = false;  // whether rows_ serves this word yet
  // The scans replayed so far, by the byte they start from, for starts
  // below kKnownStarts; bit i of *_known_ marks start i as replayed.
  static constexpr size_t kKnownStarts = 64;
  // Shorter words share little and are replayed in a few steps.
  static constexpr size_t kLongWord = 80;
  uint64_t nouns_known_ = 0;
  uint64_t verbs_known_ = 0;
  NounScan nouns_[kKnownStarts];
  VerbScan verbs_[kKnownStarts];
};

// Inline: it runs for every candidate of every word, and mostly finds its
// scans known.
inline EntryScans EntryCost::Scans(const Candidate& candidate) {
  const size_t headword = candidate.headword_length;
  const bool at_start = candidate.at_start;
  EntryScans scans;
  switch (candidate.kind) {
    case kNoun:
      if (at_start) {
        const NounScan scan = NounSuffixes(headword);
        scans.noun = scan.suffixes;
        scans.may_read = scan.through;
      }
      break;
    case kVerb:
      if (candidate.after_prefix) {
        const VerbScan scan = VerbSuffixes(prefix_ + headword);
        scans.verb_prefixed = scan.suffixes;
        scans.noun_part = scan.noun_part;
        scans.may_read = scan.through;
      }
      if (at_start) {
        const VerbScan scan = VerbSuffixes(headword);
        scans.verb_bare = scan.suffixes;
        scans.noun_part += scan.noun_part;
        scans.may_read = scans.may_read || scan.through;
      }
      break;
    case kPronoun:
      if (at_start) {
        const VerbScan scan = VerbSuffixes(headword);
        const NounScan noun = NounSuffixes(headword);
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
      scans.may_read = at_start && headword == word_.size();
      break;
  }
  return scans;
}

}  // namespace tesvar

#endif  // TESVAR_PARSER_ENTRY_COST_H_
