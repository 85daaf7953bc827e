// Invariants of the parser that hold for any word and lexicon. The record
// placed in the list before the ParseWord call has no suggestions, so the
// suggestion check has nothing to change in it.

#include "fuzz/parse_checks.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/check.h"
#include "parser/spelling.h"
#include "parser/suggestion_check.h"
#include "parser/work_meter.h"
#include "tesvar/parser.h"
#include "wordvault/lexicon_internal.h"

namespace tesvar {
namespace fuzz {

namespace {

constexpr char kSpellingMessage[] = "Spelling or case.";

bool SameReading(const CParseResult& a, const CParseResult& b) {
  return a.m_strPOS == b.m_strPOS && a.m_strWord == b.m_strWord &&
         a.m_strKey == b.m_strKey && a.m_strAnalysis == b.m_strAnalysis &&
         a.m_dScore == b.m_dScore && a.m_lstErrors == b.m_lstErrors &&
         a.m_lstSuggestions == b.m_lstSuggestions &&
         a.m_strNative == b.m_strNative;
}

void CheckReading(const CLexicon& lexicon, const CParseResult& r,
                  const std::string& normalised, bool respelt) {
  Check(r.m_strWord == normalised, "reading of the normalised word");
  Check(lexicon.Find(r.m_strKey).has_value(), "key of a lexicon entry");
  Check(std::isfinite(r.m_dScore) && r.m_dScore > 0 && r.m_dScore <= 1,
        "score in (0, 1]");
  Check(!r.m_strPOS.empty(), "label present");
  if (respelt) {
    Check(!r.m_lstErrors.empty() && r.m_lstErrors[0] == kSpellingMessage,
          "spelling message first");
    Check(!r.m_lstSuggestions.empty() && r.m_lstSuggestions[0] == normalised,
          "normalised word first suggestion");
  }
}

void CheckSameReadings(const ParseResults& a, const ParseResults& b) {
  Check(a.size() == b.size(), "same number of readings twice");
  for (size_t i = 0; i < a.size(); ++i) {
    Check(SameReading(a[i], b[i]), "same readings twice");
  }
}

size_t TextBytes(const StringList& texts) {
  size_t bytes = 0;
  for (const std::string& text : texts) bytes += text.size();
  return bytes;
}

// The bytes of every text of every reading.
uint64_t OutputBytes(const ParseResults& results) {
  uint64_t bytes = 0;
  for (const CParseResult& r : results) {
    bytes += r.m_strPOS.size() + r.m_strWord.size() + r.m_strKey.size() +
             r.m_strAnalysis.size() + r.m_strNative.size() +
             TextBytes(r.m_lstErrors) + TextBytes(r.m_lstSuggestions);
  }
  return bytes;
}

// The longest text of any entry: key, headword, definition or plural.
uint64_t LongestEntryText(const CLexicon& lexicon) {
  size_t longest = 0;
  for (const CLexicon::Entry& entry : lexicon.entries()) {
    longest =
        std::max({longest, entry.key.size(), entry.word.m_strHeadword.size(),
                  entry.word.m_strDefinition.size(),
                  entry.word.m_strIrregularPlural.size()});
  }
  return longest;
}

// A correction is at most this much longer than the word it corrects: it
// is rebuilt from the word's own pieces, with at most a few suffixes and
// rovers added or repeated and the prefix swapped.
constexpr uint64_t kCorrectionGrowth = 32;

void CheckLimits(const CLexicon& lexicon, const ParseLimits& limits,
                 std::string_view word, const Status& status, uint64_t work,
                 const ParseResults& results) {
  const bool too_long =
      limits.max_word_bytes != 0 && word.size() > limits.max_word_bytes;
  Check((status.code() == Status::Code::kWordTooLong) == too_long,
        "the word limit refuses exactly the longer words");
  if (!status.ok()) Check(results.empty(), "a refused word has no readings");
  if (too_long) {
    Check(work == 0, "a word past the word limit is not worked on");
    return;
  }
  if (status.ok()) {
    Check(limits.max_work == 0 || work <= limits.max_work,
          "a finished call stays within the budget");
    Check(OutputBytes(results) <= work,
          "every byte returned was charged as work");
    return;
  }
  Check(status.code() == Status::Code::kWordTooComplex,
        "only the limits refuse a word");
  // Every word parsed on behalf of this one is the word, normalised (which
  // may lengthen it by half), or a correction of an earlier one; at most
  // kMaxSubParses corrections are parsed.
  std::string normalised(word);
  NormaliseSpelling(&normalised);
  const uint64_t longest_word =
      normalised.size() + suggestion_limits::kMaxSubParses * kCorrectionGrowth;
  Check(work > limits.max_work,
        "a call refused as too complex spent its budget");
  Check(work <= limits.max_work + work_cost::LargestCharge(
                                      longest_word, LongestEntryText(lexicon)),
        "a refused call stops at the first charge past the budget");
}

}  // namespace

void CheckParse(const CLexicon& lexicon, std::string_view word) {
  const CTesvarParser parser(&lexicon);
  ParseScratch scratch;
  ParseResults results;
  const Status status = parser.Parse(word, &results, &scratch);
  const uint64_t work = scratch.last_work();
  CheckLimits(lexicon, parser.limits(), word, status, work, results);

  ParseResults twice;
  const Status status_twice = parser.Parse(word, &twice, &scratch);
  Check(status_twice.code() == status.code(), "same outcome twice");
  Check(scratch.last_work() == work, "same work twice");
  CheckSameReadings(twice, results);

  std::string normalised(word);
  NormaliseSpelling(&normalised);
  const bool respelt = normalised != word;
  for (const CParseResult& r : results) {
    CheckReading(lexicon, r, normalised, respelt);
  }

  CParseResult earlier;
  earlier.m_strWord = "earlier";
  earlier.m_dScore = 0.5;
  ParseResults again(1, earlier);
  CTesvarParser classic(&lexicon);
  const int count_again = classic.ParseWord(std::string(word), again);
  Check(count_again >= 0 && static_cast<size_t>(count_again) == again.size(),
        "count is the list's size");
  Check(again.size() == results.size() + 1, "same number of readings");
  Check(SameReading(again[0], earlier), "earlier record kept");
  for (size_t i = 0; i < results.size(); ++i) {
    Check(SameReading(again[i + 1], results[i]), "same readings again");
  }
}

void CheckHeadwordIndex(const CLexicon& lexicon, std::string_view word) {
  std::vector<uint32_t> expected;
  const CLexicon::EntryRange entries = lexicon.entries();
  for (size_t i = 0; i < entries.size(); ++i) {
    if (word.find(entries[i].word.m_strHeadword) != std::string_view::npos) {
      expected.push_back(static_cast<uint32_t>(i));
    }
  }
  std::vector<uint32_t> found;
  wordvault::FindHeadwordsIn(lexicon, word, &found);
  Check(found == expected, "index finds the entries a full scan finds");
}

}  // namespace fuzz
}  // namespace tesvar
