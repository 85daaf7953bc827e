// A reading is flawless when its score is exactly 1 and it has no errors;
// one flawless reading makes the word correct, as it does for the
// spell-check pipe. The parser's limits bound the cost of every word, so
// no text can make one analysis take long. The cache holds shared reports
// so that a word's diagnostics, hover and code actions all see the same
// analysis.
// Tested by word_cache_test.cc.

#include "tools/lsp/word_cache.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace tesvar {
namespace lsp {

namespace {

bool IsFlawless(const CParseResult& reading) {
  return reading.m_dScore == 1.0 && reading.m_lstErrors.empty();
}

}  // namespace

std::shared_ptr<const WordReport> WordCache::Analyse(const std::string& word) {
  return Find(word).report;
}

std::shared_ptr<const StringList> WordCache::Spelling(const std::string& word) {
  Entry& entry = Find(word);
  if (entry.spelling == nullptr) {
    if (corrector_ == nullptr) {
      corrector_ = std::make_unique<const Corrector>(*lexicon_);
    }
    ++spelled_;
    entry.spelling =
        std::make_shared<const StringList>(corrector_->Suggest(word));
  }
  return entry.spelling;
}

WordCache::Entry& WordCache::Find(const std::string& word) {
  ++clock_;
  const auto found = entries_.find(word);
  if (found != entries_.end()) {
    found->second.last_use = clock_;
    return found->second;
  }
  auto report = std::make_shared<WordReport>();
  ++analysed_;
  const Status status = parser_.Parse(word, &report->readings, &scratch_);
  const ParseResults& readings = report->readings;
  if (!status.ok()) {
    report->kind = WordKind::kNotChecked;
    report->reason = status.message();
  } else if (readings.empty()) {
    report->kind = WordKind::kUnknown;
  } else if (std::any_of(readings.begin(), readings.end(), IsFlawless)) {
    report->kind = WordKind::kCorrect;
  } else {
    report->kind = WordKind::kFlawed;
  }
  Entry& entry = entries_[word];
  entry.report = std::move(report);
  entry.last_use = clock_;
  return entry;
}

void WordCache::Trim() {
  if (entries_.size() <= kMaxCachedWords) return;
  std::vector<uint64_t> uses;
  uses.reserve(entries_.size());
  for (const auto& [word, entry] : entries_) uses.push_back(entry.last_use);
  // Keep the most recent three quarters of the limit.
  const size_t drop = uses.size() - kMaxCachedWords / 4 * 3;
  std::nth_element(uses.begin(), uses.begin() + (drop - 1), uses.end());
  const uint64_t newest_dropped = uses[drop - 1];
  for (auto it = entries_.begin(); it != entries_.end();) {
    it = it->second.last_use <= newest_dropped ? entries_.erase(it)
                                               : std::next(it);
  }
}

}  // namespace lsp
}  // namespace tesvar
