// The suffix scan reads a verb from its root outward in one greedy pass:
// at each point the first suffix of the inventory that the remaining text
// begins with is taken, with no backtracking, so the inventory's row order
// decides every split. Each suffix is checked before and after it is
// stored (verb_checks.cc). Rovers are kept by the position where they
// stood, which is the class of the last class suffix before them plus one,
// 0 straight after the root.
//
// A nominaliser ({-ghach}, {-wI'}) ends the verb: the verb part becomes a
// made-up noun entry, and the embedded noun analysis reads the whole word
// as that noun followed by noun suffixes.
// Tested by verb_scan_test.cc.

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "platform/text.h"
#include "verbs/parsed_verb.h"
#include "verbs/verb_affix_tables.h"

namespace tesvar {

namespace {

// Pronouns glossed "that" point at something; they never act as verbs.
constexpr std::string_view kDemonstrativeDefinition = "that";

}  // namespace

int CParsedVerb::ParseNoPrefix(std::string_view word, const CTWord& entry) {
  if (entry.m_nPOS != kVerb && entry.m_nPOS != kPronoun) return 0;
  m_bAsNoun = 0;
  const bool pronoun = entry.m_nPOS == kPronoun;
  if (pronoun && entry.m_strDefinition == kDemonstrativeDefinition) return 0;
  m_bPronoun = pronoun ? 1 : 0;
  m_bStative = entry.m_bStative;
  if (!StartsWith(word, entry.m_strHeadword)) return 0;

  TakeEntry(word, entry);
  ForgetRoverRuns();
  VerbScanState scan;
  scan.rest = word.substr(entry.m_strHeadword.size());
  if (scan.rest.empty()) return 1;

  ScanSuffixes(&scan);
  int result = scan.rest.empty() ? 1 : 0;
  // Also for a verb turned into a noun or with an unread tail: the
  // reflexive checks judge what was read.
  CheckReflexive(scan.reflexive);
  if (m_bAsNoun) result = Nominalise(word, scan.rest.size());
  return result;
}

namespace {

// The occasions a suffix read after one of class `last_type` (-1: none)
// meets, besides `standing`, those of the whole scan.
unsigned OccasionsAfter(unsigned standing, int last_type) {
  unsigned occasions = standing;
  if (last_type >= 0) occasions |= kAfterAClass;
  if (last_type == kLastVerbClass) occasions |= kAfterTheClauseClass;
  return occasions;
}

// The rover slots by rover kind; nullptr for the kinds that have none.
constexpr RoverSlots kRoverSlotsByKind[] = {
    SlotsOf(kNotRover),     SlotsOf(kNegRover),     SlotsOf(kEmphRover),
    SlotsOf(kNegEmphRover), SlotsOf(kEmphNegRover), SlotsOf(kRootNegRover),
    SlotsOf(kRefusalRover),
};

}  // namespace

// Runs once per suffix read, so it is kept where the scan can inline it.
// Rovers come first: long words are mostly rovers, {-Qo'} above all.
// {-Ha'} and {-Qo'} change the reading of the whole verb, so only their
// presence is marked, with their gloss.
inline void CParsedVerb::StoreSuffix(const VerbSuffixRow& row, int position,
                                     uint32_t rover_piece, uint32_t* filled) {
  if (row.rover == kRefusalRover) {
    m_strRefusal = row.gloss;
    return;
  }
  const RoverSlots slots = kRoverSlotsByKind[row.rover];
  if (slots != nullptr) {
    (this->*slots)[position] = row.suffix;
    *filled |= rover_piece;
  } else if (row.rover == kNotRover) {
    this->*kClassFields[row.type] = row.suffix;
    class_rows_[row.type] = &row;
    *filled |= ClassPiece(row.type);
  } else {
    m_strRootNeg = row.gloss;
  }
}

template <bool kKeepPoints, typename MatchRow>
void CParsedVerb::ScanSuffixesWith(VerbScanState* scan, MatchRow match_row) {
  // The prefix stays the same throughout.
  const unsigned standing = kAnyTime | (IsImperative() ? kInCommands : 0);
  unsigned occasions = OccasionsAfter(standing, scan->last_type);
  // Where rovers go: after the last class suffix.
  int position = scan->last_type + 1;
  uint32_t rover_piece = RoverPiece(position);
  // Kept out of *scan, which the checks may change, so that a chain of
  // rovers without checks runs in registers; written back for the checks.
  std::string_view rest = scan->rest;
  // The pieces filled, kept apart for the same reason; the checks read
  // them from the record.
  uint32_t filled = 0;
  size_t steps = 0;  // since the last point kept
  for (int index; (index = match_row(rest)) >= 0;) {
    const VerbSuffixRow& row = kVerbSuffixes[index];
    // Read before the store, which leaves the registers short.
    const size_t size = row.suffix.size();
    if ((kVerbSuffixChecks.occasions[index] & occasions) == 0) {
      StoreSuffix(row, position, rover_piece, &filled);
    } else {
      scan->rest = rest;
      scan->row = &row;
      scan->row_index = static_cast<size_t>(index);
      stored_pieces_ |= filled;
      for (size_t i = 0; i < kVerbSuffixChecks.before_count[index]; ++i) {
        kVerbSuffixChecks.before[index][i](*this, *scan);
      }
      StoreSuffix(row, position, rover_piece, &filled);
      stored_pieces_ |= filled;
      for (size_t i = 0; i < kVerbSuffixChecks.after_count[index]; ++i) {
        kVerbSuffixChecks.after[index][i](*this, *scan);
      }
    }
    rest.remove_prefix(size);
    // Rovers have no class: a rover after a rover stands at the same
    // position as the first.
    if (row.type != kRover) {
      if (row.has(kNominaliser)) {
        m_bAsNoun = 1;
        break;
      }
      scan->last = row.suffix;
      scan->last_type = row.type;
      occasions = OccasionsAfter(standing, row.type);
      position = row.type + 1;
      rover_piece = RoverPiece(position);
    }
    if (kKeepPoints && ++steps == VerbScanMemo::kPointEvery) {
      steps = 0;
      KeepPoint(*scan, rest, filled);
    }
  }
  scan->rest = rest;
  stored_pieces_ |= filled;
}

static_assert(VerbScanPoint::kRoverSlots == CParsedVerb::kRoverSlots);

namespace {

// The fewest bytes of suffixes a scan is kept for.
constexpr size_t kShortestKeptScan = 128;

}  // namespace

void CParsedVerb::KeepPoint(const VerbScanState& scan, std::string_view rest,
                            uint32_t filled) {
  VerbScanPoint& point = correction_log_->AddPoint();
  point.offset = static_cast<size_t>(rest.data() - m_strWord.data());
  point.recipes = correction_log_->recipe_ends.size();
  point.score = m_dScore;
  point.last = scan.last;
  point.last_type = scan.last_type;
  point.reflexive = scan.reflexive;
  point.stored_pieces = stored_pieces_ | filled;
  for (int k = 1; k <= kLastVerbClass; ++k) {
    point.classes[k] = this->*kClassFields[k];
    point.class_rows[k] = class_rows_[k];
  }
  // Only the positions stored so far hold rovers; the point leaves the
  // others as they were, and RestorePoint reads only these.
  for (int pos = 0; pos < kRoverSlots; ++pos) {
    if ((point.stored_pieces & RoverPiece(pos)) == 0) continue;
    point.rovers[0][pos] = m_strNegRover[pos];
    point.rovers[1][pos] = m_strEmphRover[pos];
    point.rovers[2][pos] = m_strNegEmphRover[pos];
    point.rovers[3][pos] = m_strEmphNegRover[pos];
  }
  point.root_neg = m_strRootNeg;
  point.refusal = m_strRefusal;
}

void CParsedVerb::RestorePoint(const VerbScanPoint& point,
                               VerbScanState* scan) {
  m_dScore = point.score;
  scan->rest = m_strWord.substr(point.offset);
  scan->last = point.last;
  scan->last_type = point.last_type;
  scan->reflexive = point.reflexive;
  stored_pieces_ = point.stored_pieces;
  for (int k = 1; k <= kLastVerbClass; ++k) {
    this->*kClassFields[k] = point.classes[k];
    class_rows_[k] = point.class_rows[k];
  }
  // The record was cleared for this reading, so its rover slots are all
  // empty: only the positions the point stored are filled again.
  for (int pos = 0; pos < kRoverSlots; ++pos) {
    if ((point.stored_pieces & RoverPiece(pos)) == 0) continue;
    m_strNegRover[pos] = point.rovers[0][pos];
    m_strEmphRover[pos] = point.rovers[1][pos];
    m_strNegEmphRover[pos] = point.rovers[2][pos];
    m_strEmphNegRover[pos] = point.rovers[3][pos];
  }
  m_strRootNeg = point.root_neg;
  m_strRefusal = point.refusal;
}

void CParsedVerb::RebuildCorrections(const VerbScanMemo::Scan& log,
                                     size_t count) {
  auto text_of = [this](const CorrectionPiece& piece) -> std::string_view {
    switch (piece.kind) {
      case CorrectionPiece::kText:
        return std::string_view(piece.data, piece.size);
      case CorrectionPiece::kTail:
        return m_strWord.substr(piece.size);
      case CorrectionPiece::kHeadword:
        return m_strHeadword;
      case CorrectionPiece::kRun:
        break;
    }
    return RoverRun(static_cast<VerbRoverRun>(piece.size));
  };
  for (size_t r = 0; r < count; ++r) {
    const CorrectionPiece* const begin =
        log.pieces.data() + log.recipe_begin(r);
    const CorrectionPiece* const end = log.pieces.data() + log.recipe_ends[r];
    size_t size = 0;
    for (const CorrectionPiece* piece = begin; piece != end; ++piece) {
      size += text_of(*piece).size();
    }
    char* to = AddSuggestionBytes(size);
    for (const CorrectionPiece* piece = begin; piece != end; ++piece) {
      const std::string_view text = text_of(*piece);
      if (!text.empty()) std::memcpy(to, text.data(), text.size());
      to += text.size();
    }
  }
}

template <typename MatchRow>
void CParsedVerb::ScanSuffixesKept(VerbScanState* scan, MatchRow match_row) {
  const VerbScanMemo::Key key{
      m_pPrefix, static_cast<size_t>(scan->rest.data() - m_strWord.data()),
      m_bStative, m_bPronoun};
  bool resumed = false;
  VerbScanMemo::Scan& log = scan_memo_->Begin(m_strWord, key, &resumed);
  if (resumed) {
    const VerbScanPoint& from = log.last_point();
    RestorePoint(from, scan);
    RebuildCorrections(log, from.recipes);
  }
  correction_log_ = &log;
  kept_scan_ = &log;
  ScanSuffixesWith<true>(scan, match_row);
  correction_log_ = nullptr;
}

void CParsedVerb::ScanSuffixes(VerbScanState* scan) {
  // The unread text only ever loses bytes at its start, so whether the
  // rows come from suffix_rows_ is known from the start.
  if (suffix_rows_ != nullptr && suffix_rows_->Serves(scan->rest)) {
    auto match_row = [tails = suffix_rows_->tails()](std::string_view rest) {
      return tails.Match(rest);
    };
    // Only quiet records: a kept scan makes no messages again. Shorter
    // words seldom begin as one read just before.
    if (scan_memo_ != nullptr && quiet() &&
        scan->rest.size() >= kShortestKeptScan) {
      ScanSuffixesKept(scan, match_row);
    } else {
      ScanSuffixesWith<false>(scan, match_row);
    }
  } else {
    ScanSuffixesWith<false>(
        scan, [](std::string_view rest) { return MatchVerbSuffixRow(rest); });
  }
}

int CParsedVerb::Nominalise(std::string_view word, size_t unread) {
  // The made-up entry carries no definition: the English of the verb part
  // is made when the reading is shown (gloss/), and no noun check could
  // use it. The place-noun check is the only one that reads a definition,
  // and the English of a verb turned noun always begins with the
  // nominaliser's gloss, or ends in "!" for a command, so it never names
  // a place.
  m_bNominalised = 1;
  CTWord verb_part;
  verb_part.m_strHeadword = word.substr(0, word.size() - unread);
  m_noun.set_quiet(quiet());
  return m_noun.Parse(word, verb_part);
}

}  // namespace tesvar
