// Tested by verb_scan_memo_test.cc.

#include "verbs/verb_scan_memo.h"

#include <algorithm>
#include <functional>

#include "platform/shared_bytes.h"
#include "words/first_byte_index.h"

namespace tesvar {

void VerbScanMemo::Scan::AddText(std::string_view text, std::string_view word) {
  // Texts of the tables and the word's own bytes are apart; std::less
  // orders pointers into different objects.
  const std::less<const char*> before;
  const char* const begin = word.data();
  const char* const end = begin + word.size();
  if (!before(text.data(), begin) && !before(end, text.data())) {
    if (text.data() + text.size() == end) {
      AddMark(CorrectionPiece::kTail, static_cast<size_t>(text.data() - begin));
    } else {
      replayable = std::min(replayable, recipe_ends.size());
    }
    return;
  }
  if (text.empty()) return;
  pieces.push_back(
      CorrectionPiece{CorrectionPiece::kText, text.data(), text.size()});
}

VerbScanMemo::Scan& VerbScanMemo::Begin(std::string_view word, const Key& key,
                                        bool* resumed) {
  *resumed = false;
  size_t source = kKept;
  size_t source_point = 0;
  size_t source_shared = 0;
  size_t best_offset = 0;
  for (size_t i = 0; i < kKept; ++i) {
    const Scan& kept = scans_[i];
    if (!kept.used || !(kept.key == key) || kept.point_count == 0) continue;
    const size_t shared = SharedStart(word, kept.word);
    // A scan may go on from a point when every suffix before it was
    // matched from shared bytes: the last of them began a byte before the
    // point at the latest, and matching reads kMaxPackedAffix bytes.
    for (size_t p = kept.point_count; p-- > 0;) {
      const VerbScanPoint& point = kept.points[p];
      if (point.offset + kMaxPackedAffix - 1 > shared ||
          point.recipes > kept.replayable) {
        continue;
      }
      if (point.offset > best_offset) {
        best_offset = point.offset;
        source = i;
        source_point = p;
        source_shared = shared;
      }
      break;
    }
  }
  // A word that goes on from a kept one replaces it; one that branches off
  // early takes the slot used least lately, keeping the other for the
  // words that come back to it.
  size_t target = source;
  if (source == kKept || source_shared < scans_[source].word.size() / 2) {
    target = source == 0 ? 1 : 0;
    for (size_t i = 0; i < kKept; ++i) {
      if (i != source && scans_[i].last_use < scans_[target].last_use) {
        target = i;
      }
    }
  }
  Scan& scan = scans_[target];
  if (source != kKept) {
    const Scan& kept = scans_[source];
    const size_t recipes = kept.points[source_point].recipes;
    const size_t pieces = kept.recipe_begin(recipes);
    if (target != source) {
      scan.points.assign(
          kept.points.begin(),
          kept.points.begin() + static_cast<std::ptrdiff_t>(source_point + 1));
      scan.pieces.assign(
          kept.pieces.begin(),
          kept.pieces.begin() + static_cast<std::ptrdiff_t>(pieces));
      scan.recipe_ends.assign(
          kept.recipe_ends.begin(),
          kept.recipe_ends.begin() + static_cast<std::ptrdiff_t>(recipes));
    } else {
      scan.pieces.resize(pieces);
      scan.recipe_ends.resize(recipes);
    }
    // The places of {-Qo'} judged by shared bytes only.
    const auto marks_end = std::partition_point(
        kept.refusal_marks.begin(), kept.refusal_marks.end(),
        [source_shared](const RefusalMark& mark) {
          return mark.at + kRefusalMarkReach <= source_shared;
        });
    if (target != source) {
      scan.refusal_marks.assign(kept.refusal_marks.begin(), marks_end);
    } else {
      scan.refusal_marks.erase(marks_end, scan.refusal_marks.end());
    }
    scan.point_count = source_point + 1;
    *resumed = true;
  } else {
    scan.point_count = 0;
    scan.pieces.clear();
    scan.recipe_ends.clear();
    scan.refusal_marks.clear();
  }
  scan.replayable = SIZE_MAX;
  scan.word.assign(word);
  scan.key = key;
  scan.used = true;
  scan.last_use = ++uses_;
  return scan;
}

void VerbScanMemo::Clear() {
  for (Scan& scan : scans_) {
    scan.used = false;
    scan.last_use = 0;
  }
  uses_ = 0;
}

}  // namespace tesvar
