// The parser's first two phases: normalise the word, then walk the lexicon
// in enumeration order and run, for each entry whose headword occurs in the
// word, the analyses its part of speech calls for. Every successful
// analysis becomes one candidate record, in that order. The third phase,
// the suggestion check, is in suggestion_check.cc.
// Tested by parser_test.cc.

#include "tesvar/parser.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "parser/analysis_scratch.h"
#include "parser/spelling.h"
#include "parser/suggestion_check.h"
#include "verbs/verb_affix_tables.h"

namespace tesvar {

namespace {

// What every reading of one call shares.
struct ReadingContext {
  const std::string& word;  // normalised
  bool spelling_changed;
  // False inside the suggestion check, whose readings are only weighed
  // (count, scores, suggestions), never shown: their key, label, texts and
  // messages are left empty. The texts cannot influence the rest: every
  // check has run when Parse returns.
  bool render_text;
  ParseResults& results;
};

// Builds the candidate record of a successful analysis, in the order the
// record's fields are filled: word, key, label, English text, score, the
// spelling mark, the analysis's own messages and suggestions. The native
// rendering is taken last, since English rendering may change the analysis.
template <typename Analysis>
void AppendReading(Analysis& analysis, std::string_view key,
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
}

// Clears the analysis, parses, and records the reading if there is one.
template <typename Analysis>
void TryReading(Analysis& analysis, const CLexicon::Entry& entry,
                const ReadingContext& context) {
  analysis.Clear();
  if (analysis.Parse(context.word, entry.word)) {
    AppendReading(analysis, entry.key, context);
  }
}

// Runs the analyses that the entry's part of speech calls for. The code
// is compared unsigned, so negative codes are plain words.
void ReadEntry(AnalysisScratch& a, const CLexicon::Entry& entry,
               const ReadingContext& context) {
  switch (static_cast<uint32_t>(entry.word.m_nPOS)) {
    case kNoun:
      TryReading(a.noun, entry, context);
      break;
    case kVerb:
      TryReading(a.verb, entry, context);
      break;
    case kPronoun:
      TryReading(a.pronoun_noun, entry, context);
      TryReading(a.pronoun_verb, entry, context);
      break;
    case kNumber:
      TryReading(a.number, entry, context);
      break;
    default:
      TryReading(a.plain, entry, context);
      break;
  }
}

// The entries to try for `word`, in enumeration order. The walk tries every
// entry whose headword occurs anywhere in the word; but every analysis
// reads its entry's headword at the very start of the word, or, for verbs,
// right after the verb prefix, and an entry whose headword stands anywhere
// else fails its Parse without leaving a trace. So looking up only those
// two places yields exactly the candidates, in exactly the order, of the
// full walk, at a cost independent of the lexicon's size.
void FindCandidateEntries(const CLexicon& lexicon, std::string_view word,
                          std::vector<uint32_t>* positions,
                          std::vector<uint32_t>* after_prefix) {
  positions->clear();
  lexicon.FindHeadwordPrefixes(word, positions);
  if (const size_t prefix = VerbPrefixLength(word)) {
    after_prefix->clear();
    lexicon.FindHeadwordPrefixes(word.substr(prefix), after_prefix);
    for (uint32_t position : *after_prefix) {
      if (lexicon.entry(position).word.m_nPOS == kVerb) {
        positions->push_back(position);
      }
    }
  }
  std::sort(positions->begin(), positions->end());
  positions->erase(std::unique(positions->begin(), positions->end()),
                   positions->end());
}

}  // namespace

void CTesvarParser::AdjustCase(std::string& word) { NormaliseSpelling(&word); }

int CTesvarParser::IsValidChar(char c) { return IsAlphabetByte(c) ? 1 : 0; }

CTesvarParser::CTesvarParser() = default;

CTesvarParser::CTesvarParser(const CLexicon* lexicon) : m_pLexicon(lexicon) {}

CTesvarParser::~CTesvarParser() = default;

int CTesvarParser::ParseWord(std::string word, ParseResults& results) {
  if (scratch_ == nullptr) scratch_ = std::make_unique<AnalysisScratch>();
  Budget budget;
  budget.scratch = scratch_.get();
  return ParseWordWithBudget(std::move(word), results, &budget);
}

int CTesvarParser::ParseWordWithBudget(std::string word, ParseResults& results,
                                       Budget* budget) {
  const auto normalise_and_collect = [this, budget](std::string* w,
                                                    ParseResults* r) {
    const std::string as_typed = *w;
    AdjustCase(*w);
    CollectReadings(*w, *w != as_typed, *r, budget->scratch);
  };
  if (renders_text_) {
    normalise_and_collect(&word, &results);
  } else {
    budget->readings.Collect(&word, &results, normalise_and_collect);
  }
  SuggestionCheck(this, budget).Run(word, results);
  return static_cast<int>(results.size());
}

void CTesvarParser::CollectReadings(const std::string& word,
                                    bool spelling_changed,
                                    ParseResults& results,
                                    AnalysisScratch* scratch) const {
  if (m_pLexicon == nullptr) return;
  FindCandidateEntries(*m_pLexicon, word, &scratch->positions,
                       &scratch->after_prefix);
  const ReadingContext context{word, spelling_changed, renders_text_, results};
  for (uint32_t position : scratch->positions) {
    ReadEntry(*scratch, m_pLexicon->entry(position), context);
  }
}

}  // namespace tesvar
