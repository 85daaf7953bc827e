// The first two phases: normalise the word, then walk the candidate entries
// (candidate_lookup.h) in enumeration order and run, for each, the analyses
// its part of speech calls for. Every successful analysis becomes one
// candidate record, in that order. The third phase, the suggestion check,
// is in suggestion_check.cc.
//
// Work is charged per entry (before its analyses run, by the suffixes they
// will read), per reading (after it is recorded) and per failed reading
// (by the corrections it may have built; see entry_cost.h), so the meter
// stops a lexicon of many homographs as surely as a word with many
// suggestions or a long suffix chain that fails at its end.
// Tested by parser_test.cc.

#include "parser/word_parse.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>

#include "parser/candidate_lookup.h"
#include "parser/entry_cost.h"
#include "parser/spelling.h"
#include "parser/suggestion_check.h"

namespace tesvar {

namespace {

// What every reading of one word shares.
struct ReadingContext {
  const std::string& word;  // normalised
  bool spelling_changed;
  bool render_text;
  ParseResults& results;
  WorkMeter& meter;
};

// Builds the candidate record of a successful analysis, in the order the
// record's fields are filled: word, key, label, English text, score, the
// spelling mark, the analysis's own messages and suggestions, the native
// rendering.
template <typename Analysis>
void AppendReading(const Analysis& analysis, std::string_view key,
                   const ReadingContext& context) {
  CParseResult& record = context.results.emplace_back();
  record.m_strWord = context.word;
  if (context.render_text) {
    record.m_strKey = key;
    record.m_strPOS = analysis.POS();
    record.m_strAnalysis = analysis.ToString();
  }
  record.m_dScore = analysis.m_dScore;
  if (context.spelling_changed) record.Case();
  if (context.render_text) {
    record.m_lstErrors.insert(record.m_lstErrors.end(),
                              analysis.m_lstErrors.begin(),
                              analysis.m_lstErrors.end());
  }
  record.m_lstSuggestions.insert(record.m_lstSuggestions.end(),
                                 analysis.m_lstSuggestions.begin(),
                                 analysis.m_lstSuggestions.end());
  if (context.render_text) record.m_strNative = analysis.ToStringTesvar();
  context.meter.ChargeReading(record);
}

// Clears the analysis, parses, and records the reading if there is one.
template <typename Analysis>
bool TryReading(Analysis& analysis, const CLexicon::Entry& entry,
                const ReadingContext& context) {
  analysis.Clear();
  if (!analysis.Parse(context.word, entry.word)) return false;
  AppendReading(analysis, entry.key, context);
  return true;
}

// Runs the analyses that the entry's part of speech calls for, and charges
// the scans whose readings failed (see entry_cost.h). The code is compared
// unsigned, so negative codes are plain words.
void ReadEntry(AnalysisScratch& a, const CLexicon::Entry& entry,
               const EntryScans& scans, const EntryCost& cost,
               const ReadingContext& context) {
  uint64_t failed = 0;
  switch (static_cast<uint32_t>(entry.word.m_nPOS)) {
    case kNoun:
      if (!TryReading(a.noun, entry, context)) failed = scans.noun;
      break;
    case kVerb:
      // The reading with the prefix is tried first; one without it means
      // that the prefixed scan failed.
      if (!TryReading(a.verb, entry, context)) {
        failed = scans.verb_prefixed + scans.verb_bare;
      } else if (a.verb.m_strPrefix.empty()) {
        failed = scans.verb_prefixed;
      }
      break;
    case kPronoun:
      if (!TryReading(a.pronoun_noun, entry, context)) failed = scans.noun;
      if (!TryReading(a.pronoun_verb, entry, context)) {
        failed += scans.verb_bare;
      }
      break;
    case kNumber:
      TryReading(a.number, entry, context);
      break;
    default:
      TryReading(a.plain, entry, context);
      break;
  }
  cost.ChargeFailed(failed, &context.meter);
}

}  // namespace

int WordParse::Run(std::string word, ParseResults& results, ParseFrame& frame) {
  if (frame.renders_text) {
    NormaliseAndCollect(&word, results, /*render_text=*/true);
  } else {
    CollectForSubParse(&word, results);
  }
  if (!scratch_->meter.stopped()) {
    SuggestionCheck(this, &frame).Run(word, results);
  }
  return static_cast<int>(results.size());
}

void WordParse::NormaliseAndCollect(std::string* word, ParseResults& results,
                                    bool render_text) {
  const std::string as_typed = *word;
  NormaliseSpelling(word);
  CollectReadings(*word, *word != as_typed, render_text, results);
}

void WordParse::CollectForSubParse(std::string* word, ParseResults& results) {
  SubParseReadings& shared = scratch_->sub_parse_readings;
  if (const SubParseReadings::Readings* seen = shared.Find(*word)) {
    *word = seen->normalised;
    for (const CParseResult& reading : seen->readings) {
      if (!scratch_->meter.ChargeReading(reading)) return;
      results.push_back(reading);
    }
    return;
  }
  std::string as_handed_over = *word;
  const size_t before = results.size();
  NormaliseAndCollect(word, results, /*render_text=*/false);
  // A stopped collection is incomplete; the call ends without using it.
  if (scratch_->meter.stopped()) return;
  SubParseReadings::Readings kept{*word, {}};
  kept.readings.assign(results.begin() + static_cast<std::ptrdiff_t>(before),
                       results.end());
  for (const CParseResult& reading : kept.readings) {
    if (!scratch_->meter.ChargeReading(reading)) return;
  }
  shared.Store(std::move(as_handed_over), std::move(kept));
}

void WordParse::CollectReadings(const std::string& word, bool spelling_changed,
                                bool render_text, ParseResults& results) {
  if (lexicon_ == nullptr) return;
  AnalysisScratch& analyses = scratch_->analyses;
  // Messages of readings that are not shown are not written at all.
  analyses.SetQuiet(!render_text);
  FindCandidateEntries(*lexicon_, word, &analyses.positions,
                       &analyses.after_prefix);
  WorkMeter& meter = scratch_->meter;
  const ReadingContext context{word, spelling_changed, render_text, results,
                               meter};
  EntryCost cost(word);
  for (uint32_t position : analyses.positions) {
    const CLexicon::Entry entry = lexicon_->entry(position);
    const EntryScans scans = cost.Scans(entry.word);
    if (!cost.ChargeBefore(entry.word, scans, &meter)) return;
    ReadEntry(analyses, entry, scans, cost, context);
  }
}

}  // namespace tesvar
