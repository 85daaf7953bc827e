// The first two phases: normalise the word, then walk the candidate entries
// (candidate_lookup.h) in enumeration order and run, for each, the analyses
// its part of speech calls for. Every successful analysis becomes one
// reading, in that order: a full record at the top level, a weighed
// reading in a sub-parse. The third phase, the suggestion check, is in
// suggestion_check.cc.
//
// Work is charged per entry (before its analyses run, by the suffixes they
// will read), per reading (after it is recorded) and per failed reading
// (by the corrections it may have built; see entry_cost.h), so the meter
// stops a lexicon of many homographs as surely as a word with many
// suggestions or a long suffix chain that fails at its end. A weighed
// reading is charged what its full record would be.
// Tested by parser_test.cc.

#include "parser/word_parse.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <utility>

#include "gloss/verb_gloss.h"
#include "nouns/parsed_noun.h"
#include "parser/candidate_lookup.h"
#include "parser/entry_cost.h"
#include "parser/spelling.h"
#include "parser/suggestion_check.h"
#include "words/parsed_word.h"

namespace tesvar {

namespace {

// The English and native renderings of a reading written into a record's
// strings. Verbs and nouns append to the record's own storage, which a
// record left by an earlier call may lend; other readings are short.
template <typename Analysis>
void WriteGloss(const Analysis& analysis, std::string* out) {
  *out = analysis.ToString();
}

void WriteGloss(const CParsedVerb& verb, std::string* out) {
  out->clear();
  AppendVerbGloss(verb, out);
}

void WriteGloss(const CParsedNoun& noun, std::string* out) {
  out->clear();
  noun.AppendGloss(noun.m_strGloss, out);
}

template <typename Analysis>
void WriteNative(const Analysis& analysis, std::string* out) {
  *out = analysis.ToStringTesvar();
}

void WriteNative(const CParsedVerb& verb, std::string* out) {
  WriteVerbNative(verb, out);
}

void WriteNative(const CParsedNoun& noun, std::string* out) {
  noun.WriteNative(out);
}

// Refills a record's list, assigning into the strings already there so
// that their storage is used again; Finish drops what is left over.
class ListRefill {
 public:
  explicit ListRefill(StringList& list) : list_(list) {}

  void Add(std::string_view text) {
    if (used_ < list_.size()) {
      list_[used_].assign(text);
    } else {
      list_.emplace_back(text);
    }
    ++used_;
  }

  void Finish() { list_.resize(used_); }

 private:
  StringList& list_;
  size_t used_ = 0;
};

// Takes the readings of the top level as full records, from element
// `next` of `results` on. Elements already there are records of an
// earlier call, overwritten so that their strings' storage is used again.
struct RecordSink {
  static constexpr bool kQuiet = false;
  const std::string& word;  // normalised
  bool spelling_changed;
  ParseResults& results;
  size_t next;
  WorkMeter& meter;

  // Builds the candidate record of a successful analysis, in the order the
  // record's fields are filled: word, key, label, English text, score, the
  // spelling mark, the analysis's own messages and suggestions, the native
  // rendering.
  template <typename Analysis>
  void Take(const Analysis& analysis, std::string_view key) {
    CParseResult& record =
        next < results.size() ? results[next] : results.emplace_back();
    ++next;
    record.m_strWord = word;
    record.m_strKey = key;
    record.m_strPOS = analysis.POS();
    WriteGloss(analysis, &record.m_strAnalysis);
    record.m_dScore = analysis.m_dScore;
    ListRefill errors(record.m_lstErrors);
    ListRefill suggestions(record.m_lstSuggestions);
    if (spelling_changed) {
      // The spelling mark, as CParseResult::Case() makes it.
      record.m_dScore /= factor::kSpelling;
      errors.Add(kSpellingMessage);
      suggestions.Add(word);
    }
    for (const std::string& error : analysis.m_lstErrors) errors.Add(error);
    for (const std::string& suggestion : analysis.m_lstSuggestions) {
      suggestions.Add(suggestion);
    }
    errors.Finish();
    suggestions.Finish();
    WriteNative(analysis, &record.m_strNative);
    meter.ChargeReading(record);
  }
};

// Takes the readings of a sub-parse as weighed readings: the score and the
// suggestions as a record would have them (the spelling mark's correction
// first), the suggestions copied once into the call's texts unless the
// analysis wrote them there itself.
struct WeighedSink {
  static constexpr bool kQuiet = true;
  std::string_view word;  // normalised; lives as long as the texts
  bool spelling_changed;
  WeighedReadings& readings;
  TextArena& texts;
  WorkMeter& meter;

  template <typename Analysis>
  void Take(const Analysis& analysis, std::string_view /*key*/) {
    WeighedReading& reading = readings.Add();
    reading.score = analysis.m_dScore;
    // The record of a quiet reading holds the word, the spelling mark's
    // message and correction, and the suggestions.
    reading.head_cost = work_cost::kReading + word.size();
    if (spelling_changed) {
      reading.score /= factor::kSpelling;
      reading.suggestions.push_back(word);
      reading.head_cost += WorkMeter::TextCost(kSpellingMessage.size());
    }
    for (const std::string& suggestion : analysis.m_lstSuggestions) {
      reading.suggestions.push_back(texts.Copy(suggestion));
    }
    // Written to the call's texts already (see VerbCorrectionSpace).
    for (std::string_view suggestion : analysis.suggestions_in_space()) {
      reading.suggestions.push_back(suggestion);
    }
    meter.ChargeWeighed(reading.head_cost, reading.suggestions.data(),
                        reading.suggestions.size());
  }
};

// Clears the analysis, parses, and hands the reading to the sink if there
// is one; returns whether there was.
template <typename Analysis, typename Sink>
bool TryReading(Analysis& analysis, const CLexicon::Entry& entry,
                std::string_view word, Sink& sink) {
  analysis.Clear();
  if (!analysis.Parse(word, entry.word)) return false;
  sink.Take(analysis, entry.key);
  return true;
}

// Runs the analyses that the entry's part of speech calls for, and charges
// the scans whose readings failed (see entry_cost.h). The code is compared
// unsigned, so negative codes are plain words.
template <typename Sink>
void ReadEntry(AnalysisScratch& a, const CLexicon::Entry& entry,
               const EntryScans& scans, const EntryCost& cost,
               std::string_view word, Sink& sink) {
  uint64_t failed = 0;
  switch (static_cast<uint32_t>(entry.word.m_nPOS)) {
    case kNoun:
      if (!TryReading(a.noun, entry, word, sink)) failed = scans.noun;
      break;
    case kVerb:
      // The reading with the prefix is tried first; one without it means
      // that the prefixed scan failed.
      if (!TryReading(a.verb, entry, word, sink)) {
        failed = scans.verb_prefixed + scans.verb_bare;
      } else if (a.verb.m_strPrefix.empty()) {
        failed = scans.verb_prefixed;
      }
      break;
    case kPronoun:
      if (!TryReading(a.pronoun_noun, entry, word, sink)) failed = scans.noun;
      if (!TryReading(a.pronoun_verb, entry, word, sink)) {
        failed += scans.verb_bare;
      }
      break;
    case kNumber:
      TryReading(a.number, entry, word, sink);
      break;
    default:
      TryReading(a.plain, entry, word, sink);
      break;
  }
  cost.ChargeFailed(failed, &sink.meter);
}

// Hands the verb analyses the suffix rows of a word for as long as it
// lives.
class SharedSuffixRows {
 public:
  // The analyses hold no rows between calls, so nullptr changes nothing.
  SharedSuffixRows(AnalysisScratch& analyses, VerbSuffixRows* rows)
      : analyses_(rows != nullptr ? &analyses : nullptr) {
    if (analyses_ == nullptr) return;
    analyses_->verb.set_suffix_rows(rows);
    analyses_->pronoun_verb.set_suffix_rows(rows);
  }
  SharedSuffixRows(const SharedSuffixRows&) = delete;
  SharedSuffixRows& operator=(const SharedSuffixRows&) = delete;
  ~SharedSuffixRows() {
    if (analyses_ == nullptr) return;
    analyses_->verb.set_suffix_rows(nullptr);
    analyses_->pronoun_verb.set_suffix_rows(nullptr);
  }

 private:
  AnalysisScratch* const analyses_;
};

// Lets the verb analyses of a sub-parse write their corrections straight
// into the call's texts, where the weighed readings keep them, for as
// long as it lives. Only verbs: long words are verbs, and their
// corrections are long and many. The bytes of a reading that fails stay
// unused until the call ends. The analyses also keep their scans of long
// words, which sub-parses read one after another.
class VerbCorrectionSpace : public TextSpace {
 public:
  explicit VerbCorrectionSpace(ParseScratch::Impl& scratch)
      : analyses_(scratch.analyses), texts_(scratch.texts) {
    analyses_.verb.set_text_space(this);
    analyses_.pronoun_verb.set_text_space(this);
    analyses_.verb.set_scan_memo(&scratch.verb_scans);
    analyses_.pronoun_verb.set_scan_memo(&scratch.pronoun_verb_scans);
  }
  VerbCorrectionSpace(const VerbCorrectionSpace&) = delete;
  VerbCorrectionSpace& operator=(const VerbCorrectionSpace&) = delete;
  ~VerbCorrectionSpace() {
    analyses_.verb.set_text_space(nullptr);
    analyses_.pronoun_verb.set_text_space(nullptr);
    analyses_.verb.set_scan_memo(nullptr);
    analyses_.pronoun_verb.set_scan_memo(nullptr);
  }

  char* Allocate(size_t size) override { return texts_.Allocate(size); }

 private:
  AnalysisScratch& analyses_;
  TextArena& texts_;
};

}  // namespace

int WordParse::Run(std::string* word, ParseResults& results, size_t first,
                   ParseFrame& frame) {
  // The texts of an earlier call are gone, and its lexicon may have
  // changed since.
  scratch_->sub_parse_spelling.Forget();
  scratch_->analyses.candidates.Forget();
  NormaliseAndCollect(word, results, first);
  if (!scratch_->meter.stopped()) {
    SuggestionCheck(this, &frame).Run(*word, results);
  }
  return static_cast<int>(results.size());
}

int WordParse::RunSub(std::string_view word, WeighedReadings& readings,
                      ParseFrame& frame) {
  const std::string_view normalised = CollectForSubParse(word, readings);
  if (!scratch_->meter.stopped()) {
    SuggestionCheck(this, &frame).Run(normalised, readings);
  }
  return static_cast<int>(readings.size());
}

void WordParse::NormaliseAndCollect(std::string* word, ParseResults& results,
                                    size_t first) {
  bool spelling_changed = false;
  if (!IsCanonicalSpelling(*word)) {
    std::string& as_typed = scratch_->normalising;
    as_typed.assign(*word);
    NormaliseSpelling(word);
    spelling_changed = *word != as_typed;
  }
  RecordSink sink{*word, spelling_changed, results, first, scratch_->meter};
  CollectReadings(*word, sink);
  results.resize(sink.next);
}

std::string_view WordParse::CollectForSubParse(std::string_view word,
                                               WeighedReadings& readings) {
  SubParseReadings& shared = scratch_->sub_parse_readings;
  WorkMeter& meter = scratch_->meter;
  const SubParseReadings::Key key = SubParseReadings::KeyOf(word);
  if (const SubParseReadings::Word* seen = shared.Find(key)) {
    for (size_t i = seen->first; i < seen->end; ++i) {
      const SubParseReadings::Reading& kept = shared.reading(i);
      const std::string_view* first = shared.suggestions(kept);
      if (!meter.ChargeWeighed(kept.head_cost, first, kept.end - kept.first)) {
        break;
      }
      WeighedReading& reading = readings.Add();
      reading.score = kept.score;
      reading.head_cost = kept.head_cost;
      reading.suggestions.assign(first, first + (kept.end - kept.first));
    }
    return seen->normalised;
  }
  std::string_view normalised = word;
  bool spelling_changed = false;
  if (!scratch_->sub_parse_spelling.IsCanonical(word)) {
    std::string& normalising = scratch_->normalising;
    normalising.assign(word);
    NormaliseSpelling(&normalising);
    spelling_changed = normalising != word;
    if (spelling_changed) normalised = scratch_->texts.Copy(normalising);
  }
  WeighedSink sink{normalised, spelling_changed, readings, scratch_->texts,
                   meter};
  {
    VerbCorrectionSpace space(*scratch_);
    CollectReadings(normalised, sink);
  }
  // A stopped collection is incomplete; the call ends without using it.
  if (meter.stopped()) return normalised;
  for (const WeighedReading& reading : readings) {
    if (!meter.ChargeWeighed(reading.head_cost, reading.suggestions.data(),
                             reading.suggestions.size())) {
      return normalised;
    }
  }
  shared.Store(key, normalised, readings);
  return normalised;
}

template <typename Sink>
void WordParse::CollectReadings(std::string_view word, Sink& sink) {
  if (lexicon_ == nullptr) return;
  AnalysisScratch& analyses = scratch_->analyses;
  // Messages of readings that are not shown are not written at all.
  analyses.SetQuiet(Sink::kQuiet);
  EntryCost cost(word, &analyses.long_word_rows);
  const std::vector<Candidate>& candidates =
      analyses.candidates.Find(*lexicon_, word, cost.prefix());
  WorkMeter& meter = scratch_->meter;
  // The verb analyses of a long word take the suffix rows the replays
  // found; the rows serve this word only while this call runs.
  SharedSuffixRows shared_rows(analyses, cost.LongWordRows());
  for (const Candidate& candidate : candidates) {
    if (cost.ChargeIfIdle(candidate, &meter)) continue;
    const EntryScans scans = cost.Scans(candidate);
    if (!scans.may_read) {
      // Every scan fails, as the analyses would find.
      if (!cost.ChargeSkipped(candidate, scans, *lexicon_, &meter)) return;
      continue;
    }
    const CLexicon::Entry entry = lexicon_->entry(candidate.position);
    if (!cost.ChargeBefore(entry.word, scans, &meter)) return;
    ReadEntry(analyses, entry, scans, cost, word, sink);
  }
}

}  // namespace tesvar
