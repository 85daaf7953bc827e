// CParsedVerb is the analysis of a word as a verb: the pronominal prefix
// with its English subject and object, one suffix per class VS1..VS9, the
// negation and emphasis rovers by the position where they stood, and the
// flags for pronouns used as verbs and verbs turned into nouns (whose noun
// reading lives in m_noun). It parses and checks the grammar (verbs/);
// its renderings come from gloss/, which reads the record and never
// changes it.
//
// A value owned by one parser call; not thread-safe. Rendering is const,
// so a record may be rendered any number of times, in any order.
// Tested by verb_*_test.cc and verb_gloss_test.cc.

#ifndef TESVAR_VERBS_PARSED_VERB_H_
#define TESVAR_VERBS_PARSED_VERB_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "nouns/parsed_noun.h"
#include "verbs/verb_affix_tables.h"
#include "verbs/verb_scan_memo.h"
#include "verbs/verb_suffix_rows.h"
#include "words/parsed_word.h"

namespace tesvar {

// Working state of one suffix scan, shared by the scan and the suffix
// checks. Lives for one ParseNoPrefix call.
struct VerbScanState {
  // What a reflexive suffix calls for once the whole verb has been read.
  enum Reflexive { kNoReflexive = 0, kReflexiveWithObject, kReflexiveStative };

  std::string_view rest;  // unread text; begins with the current suffix
  const VerbSuffixRow* row = nullptr;  // the suffix just matched
  size_t row_index = 0;                // its number in kVerbSuffixes
  std::string_view last;  // the last class suffix before the current one
  int last_type = -1;     // its class; -1 while there is none
  int reflexive = kNoReflexive;

  std::string_view current() const { return row->suffix; }
  VerbClass type() const { return row->type; }
  // The unread text behind the current suffix.
  std::string_view after() const { return rest.substr(row->suffix.size()); }
};

// The texts of BuildSuffixes(n) as views, in order, for a caller that
// copies them once into a text of its own. The views are of the record,
// the word and the affix tables, valid while the record is not changed.
class SuffixPieces {
 public:
  // The rovers after the root, and each class with the rovers after it.
  static constexpr size_t kMaxPieces = 4 + 5 * kLastVerbClass;

  void Add(std::string_view text) {
    if (text.empty()) return;
    pieces_[count_++] = {text.data(), text.size()};
    size_ += text.size();
  }
  // Adds `text`, the rover run `run` read from the word, marked as such
  // (even when empty: another word may give another run).
  void AddRun(std::string_view text, VerbRoverRun run) {
    run_piece_[run] = static_cast<uint8_t>(count_);
    pieces_[count_++] = {text.data(), text.size()};
    size_ += text.size();
  }
  // The rover run piece i is, or -1 for a text of the record or tables.
  int RunAt(size_t i) const {
    for (int run = 0; run < kRoverRunCount; ++run) {
      if (static_cast<size_t>(run_piece_[run]) == i) return run;
    }
    return -1;
  }
  size_t count() const { return count_; }
  std::string_view piece(size_t i) const {
    return std::string_view(pieces_[i].data, pieces_[i].size);
  }
  // The bytes of all pieces.
  size_t size() const { return size_; }

 private:
  // Left uninitialised: the checks make one for every correction.
  struct Piece {
    const char* data;
    size_t size;
  };
  static constexpr uint8_t kNoPiece = UINT8_MAX;
  static_assert(kMaxPieces < kNoPiece, "piece numbers fit in uint8_t");
  Piece pieces_[kMaxPieces];
  size_t count_ = 0;
  size_t size_ = 0;
  uint8_t run_piece_[kRoverRunCount] = {kNoPiece, kNoPiece, kNoPiece};
};

class CParsedVerb;

// A grammar check of the suffix just matched: it adds messages and
// suggestions, lowers the score and moves scan->reflexive.
using VerbSuffixCheck = void (*)(CParsedVerb& verb, VerbScanState& scan);

// When a check can find a fault: a check does nothing at all outside its
// occasion, so the scan need not call it then. Long words are mostly
// chains of rovers whose checks rarely apply.
enum VerbCheckOccasion : uint8_t {
  kAnyTime = 1 << 0,
  kInCommands = 1 << 1,           // the prefix is a command prefix
  kAfterAClass = 1 << 2,          // some class suffix was read before
  kAfterTheClauseClass = 1 << 3,  // the last class suffix read is VS9
};

// The grammar checks that concern each suffix row, before and after it is
// stored, in the order they run (verb_checks.cc). The scan calls them
// straight from here, since it reads a suffix at every step.
struct VerbSuffixChecks {
  static constexpr size_t kMaxPerRow = 4;
  // The occasions of all checks of the row, before and after.
  uint8_t occasions[kVerbSuffixCount];
  uint8_t before_count[kVerbSuffixCount];
  VerbSuffixCheck before[kVerbSuffixCount][kMaxPerRow];
  uint8_t after_count[kVerbSuffixCount];
  VerbSuffixCheck after[kVerbSuffixCount][kMaxPerRow];
};
extern const VerbSuffixChecks kVerbSuffixChecks;

class CParsedVerb : public CParsedWord {
 public:
  // Rover positions: 0 directly after the root, k + 1 after class VSk.
  static constexpr int kRoverSlots = kLastVerbClass + 2;

  CParsedVerb() { m_nPOS = kVerb; }
  CParsedVerb(const CParsedVerb&) = default;
  CParsedVerb& operator=(const CParsedVerb&) = default;
  ~CParsedVerb() override = default;

  // Returns the record to its empty state (m_nPOS 1), the embedded noun
  // included, keeping allocated storage.
  void Clear();

  // Reads `word` as prefix + verb of `entry`, or failing that as a verb
  // without prefix. Returns 1 on success, else 0.
  // REQUIRES: the record was constructed or cleared before.
  int Parse(std::string_view word, const CTWord& entry);
  // Reads `word` as prefix + verb; on failure returns 0 with the record
  // cleared. Applies the stative-prefix rule.
  // REQUIRES: the record was constructed or cleared before.
  int ParseWithPrefix(std::string_view word, const CTWord& entry);
  // Reads `word` (prefix already removed and set with SetPrefix, or none)
  // as root + verb suffixes, with all suffix checks; hands a verb turned
  // into a noun on to m_noun. Returns 1 on success, else 0.
  int ParseNoPrefix(std::string_view word, const CTWord& entry);

  // The English sentence of the reading (gloss/verb_gloss.cc).
  std::string ToString() const;
  // Prefix, headword and the typed suffixes in class order
  // (gloss/verb_native.cc).
  std::string ToStringTesvar() const;

  // The table row of the suffix in class VSn (1 <= n <= kLastVerbClass),
  // or nullptr when the class is empty or holds no table suffix. Rows
  // stored by the scan are kept, so the renderers look nothing up.
  const VerbSuffixRow* ClassRow(int n) const;
  // The English of the suffix in class VSn: its row's gloss, or the text
  // itself when it is no table suffix.
  std::string_view ClassGloss(int n) const;
  // Whether the suffix in class VSn has `trait`.
  bool ClassHas(int n, VerbSuffixTrait trait) const {
    const VerbSuffixRow* row = ClassRow(n);
    return row != nullptr && row->has(trait);
  }

  // Sets m_strPrefix, m_strSubject and m_strObject from `row`, and
  // m_pPrefix to it; nullptr empties them.
  void SetPrefix(const VerbPrefixRow* row);

  // 1 when the prefix is a command prefix.
  int IsImperative() const {
    return m_pPrefix != nullptr && m_pPrefix->imperative() ? 1 : 0;
  }

  // Lets the scan take the suffix rows of the word `rows` serves from
  // there (nullptr: match every suffix). The parser shares them between
  // the analyses of a long word and the work meter's replay of their
  // scans; any other text is matched as usual.
  void set_suffix_rows(VerbSuffixRows* rows) { suffix_rows_ = rows; }
  // Lets the scans of the words that suffix rows serve go on from the
  // kept scans in `memo` and keep their own there (nullptr: none). For
  // quiet records only, whose messages are never written.
  void set_scan_memo(VerbScanMemo* memo) { scan_memo_ = memo; }
  // Where the checks record the corrections they make while a scan is
  // being kept; nullptr otherwise.
  VerbScanMemo::Scan* correction_log() const { return correction_log_; }

  // The stored suffixes and rovers in word order, up to (not including)
  // the slot of class VSn; n <= 0 gives "", n > kLastVerbClass
  // everything.
  std::string BuildSuffixes(int n) const;
  // Adds the same text to *out in pieces; what the checks put into their
  // corrections.
  void SuffixesBefore(int n, SuffixPieces* out) const;
  // The text the word gives for rover run `run`, read from the word the
  // first time a reading needs it.
  std::string_view RoverRun(VerbRoverRun run) const;

  // The affix texts are views of the affix tables (see CParsedWord).
  int m_bStative = 0;
  std::string_view m_strPrefix;
  std::string_view m_strSubject;
  std::string_view m_strObject;
  const VerbPrefixRow* m_pPrefix = nullptr;  // the row of m_strPrefix
  std::string_view m_strVS1;
  std::string_view m_strVS2;
  std::string_view m_strVS3;
  std::string_view m_strVS4;
  std::string_view m_strVS5;
  std::string_view m_strVS6;
  std::string_view m_strVS7;
  std::string_view m_strVS8;
  std::string_view m_strVS9;
  // The rovers by position. Clear empties only the positions where the
  // scan stored one (most words have none), and after a Clear the suffixes
  // are written back from the class fields and positions the scan filled;
  // so code that fills these fields some other way must use a fresh
  // record.
  std::string_view m_strNegRover[kRoverSlots];
  std::string_view m_strEmphRover[kRoverSlots];
  std::string_view m_strNegEmphRover[kRoverSlots];
  std::string_view m_strEmphNegRover[kRoverSlots];
  std::string_view m_strRootNeg;
  std::string_view m_strRefusal;
  int m_bNominalised = 0;
  int m_bPronoun = 0;
  int m_bAsNoun = 0;
  CParsedNoun m_noun;

 private:
  // Matches suffixes from scan->rest on, storing each and running its
  // checks, until the text runs out, no suffix matches, or a suffix turns
  // the verb into a noun (m_bAsNoun is then 1).
  void ScanSuffixes(VerbScanState* scan);
  // ScanSuffixes, with `match_row(text)` as MatchVerbSuffixRow.
  // With kKeepPoints, keeps a point every VerbScanMemo::kPointEvery
  // suffixes in correction_log_.
  template <bool kKeepPoints, typename MatchRow>
  void ScanSuffixesWith(VerbScanState* scan, MatchRow match_row);
  // ScanSuffixesWith for a scan kept in scan_memo_, going on from a kept
  // scan where one fits.
  template <typename MatchRow>
  void ScanSuffixesKept(VerbScanState* scan, MatchRow match_row);
  // Keeps the scan and the record as they stand before the suffix at
  // `rest`, with the pieces `filled` not yet in stored_pieces_.
  void KeepPoint(const VerbScanState& scan, std::string_view rest,
                 uint32_t filled);
  // Puts the record and *scan back to `point` of a scan of a word that
  // begins as this one.
  void RestorePoint(const VerbScanPoint& point, VerbScanState* scan);
  // Makes the first `count` corrections recorded in `log` again, for this
  // word.
  void RebuildCorrections(const VerbScanMemo::Scan& log, size_t count);
  // Puts `row`, the suffix just matched, into its class field, marker,
  // or rover slot at `position`, whose piece is `rover_piece`, and adds
  // the piece it filled to *filled.
  void StoreSuffix(const VerbSuffixRow& row, int position, uint32_t rover_piece,
                   uint32_t* filled);
  // Lets m_noun read the whole word as the verb part (all but the last
  // `unread` bytes) followed by noun suffixes; returns its result.
  int Nominalise(std::string_view word, size_t unread);

  // The reflexive checks made once the scan is over.
  void CheckReflexive(int reflexive);
  // A stative verb without {-moH} needs a prefix without object.
  void CheckStativePrefix();

  // Read the runs of RoverRun from the word and keep them.
  void ReadRootNegRun() const;
  void ReadRefusalRuns() const;

  // Forgets the rovers read from the word, for a new word, and the kept
  // scan of the last one, even one an exception cut short.
  void ForgetRoverRuns() {
    root_neg_runs_known_ = refusal_runs_known_ = false;
    kept_scan_ = nullptr;
    correction_log_ = nullptr;
  }

  // The rovers written around {-Ha'} and {-Qo'} depend on the word alone;
  // SuffixesBefore reads them from the word the first time it needs them
  // for a reading and keeps them here.
  mutable bool root_neg_runs_known_ = false;
  mutable bool refusal_runs_known_ = false;
  mutable std::string_view root_neg_run_;
  mutable std::string_view refusal_run_;
  mutable std::string_view after_refusal_run_;
  // The row StoreSuffix filled each class field from. A field changed
  // since, or filled some other way, no longer is its row's text, and
  // ClassRow looks it up; so Clear need not forget them.
  const VerbSuffixRow* class_rows_[kLastVerbClass + 1] = {};
  // The pieces of the word StoreSuffix has filled since the last Clear,
  // by bits in word order: the rovers after the root (bit 0), then for
  // each class k its field (bit 2k - 1) and the rovers after it (bit 2k,
  // position k + 1). SuffixesBefore passes over the rest, which most
  // words leave empty; in a record never cleared, which may have been
  // filled by hand, it looks at every piece.
  static constexpr uint32_t ClassPiece(int k) {
    return uint32_t{1} << (2 * k - 1);
  }
  static constexpr uint32_t RoverPiece(int position) {
    return position == 0 ? 1 : uint32_t{1} << (2 * position - 2);
  }
  static_assert(2 * kRoverSlots - 4 < 32, "a bit per piece");
  uint32_t stored_pieces_ = 0;
  bool pieces_known_ = false;
  VerbSuffixRows* suffix_rows_ = nullptr;  // see set_suffix_rows
  VerbScanMemo* scan_memo_ = nullptr;      // see set_scan_memo
  VerbScanMemo::Scan* correction_log_ = nullptr;
  // The kept scan of this reading, if any, whose places of {-Qo'} the
  // search for the rover runs goes on from.
  VerbScanMemo::Scan* kept_scan_ = nullptr;
};

// The class fields by class: kClassFields[k] is m_strVSk; 0 is unused.
inline constexpr std::string_view CParsedVerb::*kClassFields[] = {
    nullptr,
    &CParsedVerb::m_strVS1,
    &CParsedVerb::m_strVS2,
    &CParsedVerb::m_strVS3,
    &CParsedVerb::m_strVS4,
    &CParsedVerb::m_strVS5,
    &CParsedVerb::m_strVS6,
    &CParsedVerb::m_strVS7,
    &CParsedVerb::m_strVS8,
    &CParsedVerb::m_strVS9,
};
static_assert(std::size(kClassFields) == kLastVerbClass + 1,
              "one field per class");

inline const VerbSuffixRow* CParsedVerb::ClassRow(int n) const {
  const std::string_view text = this->*kClassFields[n];
  if (text.empty()) return nullptr;
  // Suffix texts are unique in the table, so a field that still is its
  // row's text (the same bytes) has that row.
  const VerbSuffixRow* row = class_rows_[n];
  if (row != nullptr && row->suffix.data() == text.data() &&
      row->suffix.size() == text.size()) {
    return row;
  }
  return FindVerbSuffix(text);
}

inline std::string_view CParsedVerb::ClassGloss(int n) const {
  const VerbSuffixRow* row = ClassRow(n);
  return row != nullptr ? row->gloss : this->*kClassFields[n];
}

// The slots of a rover kept by position; nullptr for {-Ha'} and {-Qo'},
// which are only marked (m_strRootNeg, m_strRefusal).
using RoverSlots = std::string_view (CParsedVerb::*)[CParsedVerb::kRoverSlots];
constexpr RoverSlots SlotsOf(RoverKind rover) {
  switch (rover) {
    case kNegRover:
      return &CParsedVerb::m_strNegRover;
    case kEmphRover:
      return &CParsedVerb::m_strEmphRover;
    case kNegEmphRover:
      return &CParsedVerb::m_strNegEmphRover;
    case kEmphNegRover:
      return &CParsedVerb::m_strEmphNegRover;
    case kNotRover:
    case kRootNegRover:
    case kRefusalRover:
      break;
  }
  return nullptr;
}

}  // namespace tesvar

#endif  // TESVAR_VERBS_PARSED_VERB_H_
