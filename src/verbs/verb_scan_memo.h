// The verb scans of the last few long words, kept so that the scan of a
// word that begins as one of them goes on from where that scan stood
// instead of reading the shared beginning again. Sub-parses read long
// corrections one after another, each the last with a suffix added or
// moved, so most suffixes of a long word were read just before.
//
// What a scan has done after its first suffixes depends on their bytes,
// the few bytes after them that matching reads, the entry and the prefix;
// but not the corrections its checks made on the way: each is built around
// the unread tail of the word and around the rovers the word holds next to
// {-Ha'} and {-Qo'}. So a kept scan holds the record at points along the
// word, every kPointEvery suffixes, and each correction as a recipe: its
// texts, with the tail, the headword and those rovers marked, to be filled
// in again from the new word.
//
// Owned by one parser scratch and handed to one verb analysis at a time;
// not thread-safe. Tested by verb_scan_memo_test.cc.

#ifndef TESVAR_VERBS_VERB_SCAN_MEMO_H_
#define TESVAR_VERBS_VERB_SCAN_MEMO_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "verbs/verb_affix_tables.h"

namespace tesvar {

// A rover run that SuffixesBefore reads from the word (build_suffixes.cc).
enum VerbRoverRun : uint8_t {
  kRootNegRun,       // {-Ha'} with the rovers after it
  kRefusalRun,       // {-Qo'} with the rovers before it
  kAfterRefusalRun,  // the rovers after {-Qo'}
  kRoverRunCount
};

// The scan and the record at a suffix boundary, before the next suffix is
// matched: everything the scan changes. Left uninitialised; the scan
// fills every field.
struct VerbScanPoint {
  static constexpr int kRoverKinds = 4;
  static constexpr int kRoverSlots = kLastVerbClass + 2;

  size_t offset;   // of the next suffix, in the word after the prefix
  size_t recipes;  // corrections made before it
  double score;
  std::string_view last;
  int last_type;
  int reflexive;
  uint32_t stored_pieces;
  std::string_view classes[kLastVerbClass + 1];  // 0 unused
  const VerbSuffixRow* class_rows[kLastVerbClass + 1];
  std::string_view rovers[kRoverKinds][kRoverSlots];
  std::string_view root_neg;
  std::string_view refusal;
};

// A part of a correction as kept: a text of the tables, or a mark for
// what the new word gives.
struct CorrectionPiece {
  enum Kind : uint8_t {
    kText,      // data, size
    kTail,      // the word from byte `size` on
    kHeadword,  // the entry's headword
    kRun,       // the rover run numbered `size`
  };
  Kind kind;
  const char* data;
  size_t size;
};

// A place of {-Qo'} that the search for the rover runs around it passed
// in a kept word, with the best rows of kRefusalRuns and
// kAfterRefusalRuns found up to there (build_suffixes.cc).
struct RefusalMark {
  uint32_t at;
  uint8_t before;
  uint8_t after;
};

class VerbScanMemo {
 public:
  // Suffixes between two kept points: fewer cost more copying on every
  // long scan, more cost more suffixes read again after a point.
  static constexpr size_t kPointEvery = 8;
  // The bytes from a place of {-Qo'} on that the search judges it by.
  static constexpr size_t kRefusalMarkReach = 16;

  // What the scan starts from besides the word: a scan goes on only from
  // one that started the same way.
  struct Key {
    const void* prefix;  // the prefix row, or nullptr
    size_t start;        // the headword's length
    int stative;
    int pronoun;
    bool operator==(const Key& o) const {
      return prefix == o.prefix && start == o.start && stative == o.stative &&
             pronoun == o.pronoun;
    }
  };

  // A scan kept, and the one being made.
  struct Scan {
    std::string word;  // after the prefix
    Key key{};
    // points[0, point_count) in the order of their offsets; the elements
    // past them are storage.
    std::vector<VerbScanPoint> points;
    size_t point_count = 0;
    // The recipes in order: recipe i is pieces[recipe_ends[i - 1],
    // recipe_ends[i]).
    std::vector<CorrectionPiece> pieces;
    std::vector<size_t> recipe_ends;
    // Recipes from this one on could not be kept (a part of the word that
    // is no tail), nor points after them.
    size_t replayable = SIZE_MAX;
    // The places of {-Qo'} in the word as far as the search for the runs
    // around them went, in order; the search of a word that shares them
    // goes on after the last.
    std::vector<RefusalMark> refusal_marks;
    uint64_t last_use = 0;
    bool used = false;

    // The last point. REQUIRES: point_count > 0.
    const VerbScanPoint& last_point() const { return points[point_count - 1]; }
    // A new point at the end, to be filled.
    VerbScanPoint& AddPoint() {
      if (point_count == points.size()) points.emplace_back();
      return points[point_count++];
    }

    // Recording one correction of the scan of `word`: its parts in order,
    // then EndRecipe.
    void AddText(std::string_view text, std::string_view word);
    void AddMark(CorrectionPiece::Kind kind, size_t value) {
      pieces.push_back(CorrectionPiece{kind, nullptr, value});
    }
    void EndRecipe() { recipe_ends.push_back(pieces.size()); }

    size_t recipe_begin(size_t i) const {
      return i == 0 ? 0 : recipe_ends[i - 1];
    }
  };

  VerbScanMemo() = default;
  VerbScanMemo(const VerbScanMemo&) = delete;
  VerbScanMemo& operator=(const VerbScanMemo&) = delete;

  // Starts the scan of `word` (after the prefix) with `key`. Returns the
  // Scan to record it in, and sets *resumed when a kept scan of a word
  // that begins the same way has a point the new scan may go on from. The
  // Scan then holds that point last (last_point()) and the recipes made
  // before it, and the caller rebuilds those and goes on from there.
  Scan& Begin(std::string_view word, const Key& key, bool* resumed);

  // Forgets every scan.
  void Clear();

 private:
  static constexpr size_t kKept = 4;

  Scan scans_[kKept];
  uint64_t uses_ = 0;
};

}  // namespace tesvar

#endif  // TESVAR_VERBS_VERB_SCAN_MEMO_H_
