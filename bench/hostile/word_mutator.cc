#include "bench/hostile/word_mutator.h"

#include <algorithm>
#include <set>

#include "nouns/noun_suffix_table.h"
#include "numbers/number_tables.h"
#include "verbs/verb_affix_tables.h"

namespace tesvar {
namespace bench {

namespace {

// Headwords kept from a large lexicon: enough to vary the roots.
constexpr size_t kMaxHeadwords = 64;
constexpr std::string_view kLetters = "abcdeghijlmnopqrstuvwyDIHQS'";
// Pieces outside the tables.
constexpr std::string_view kExtraPieces[] = {"th", "'", "-", "tlh"};
// The longest stretch an edit deletes, replaces or repeats.
constexpr uint32_t kMaxStretch = 12;

char SwitchedCase(char c) {
  if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
  if (c >= 'A' && c <= 'Z') return static_cast<char>(c - 'A' + 'a');
  return c;
}

}  // namespace

const WordMutator::Edit WordMutator::kEdits[] = {
    {&WordMutator::InsertPiece, 25},      {&WordMutator::ReplaceStretch, 20},
    {&WordMutator::DeleteStretch, 10},    {&WordMutator::RepeatStretch, 15},
    {&WordMutator::SwitchCase, 15},       {&WordMutator::Splice, 5},
    {&WordMutator::FillWithSuffixes, 10},
};

WordMutator::WordMutator(const CLexicon& lexicon, size_t max_bytes,
                         uint64_t seed)
    : random_(seed), max_bytes_(max_bytes) {
  std::set<std::string> distinct;
  for (const CLexicon::Entry& entry : lexicon.entries()) {
    distinct.emplace(entry.word.m_strHeadword);
  }
  for (const std::string& headword : distinct) {
    if (headwords_.size() == kMaxHeadwords) break;
    headwords_.push_back(headword);
  }
  if (headwords_.empty()) headwords_.emplace_back();
  for (const VerbPrefixRow& row : kVerbPrefixes)
    prefixes_.push_back(row.prefix);
  for (const VerbSuffixRow& row : kVerbSuffixes)
    suffixes_.push_back(row.suffix);
  for (const NounSuffixRow& row : kNounSuffixes)
    suffixes_.push_back(row.suffix);
  suffixes_.push_back(kTensElement);
  for (const PowerRow& row : kPowers) suffixes_.push_back(row.element);
  for (const NumberSuffixRow& row : kNumberSuffixes) {
    suffixes_.push_back(row.suffix);
  }
}

std::string_view WordMutator::SuffixPiece() {
  return suffixes_[random_.Uniform(suffixes_.size())];
}

std::string_view WordMutator::Headword() {
  return headwords_[random_.Uniform(headwords_.size())];
}

std::string_view WordMutator::AnyPiece() {
  const uint32_t draw = random_.Uniform(100);
  if (draw < 55) return SuffixPiece();
  if (draw < 70) return prefixes_[random_.Uniform(prefixes_.size())];
  if (draw < 82) return Headword();
  if (draw < 92) return kLetters.substr(random_.Uniform(kLetters.size()), 1);
  return kExtraPieces[random_.Uniform(std::size(kExtraPieces))];
}

size_t WordMutator::Position(const std::string& word) {
  return random_.Uniform(word.size() + 1);
}

std::string WordMutator::RandomWord() {
  std::string word;
  const uint32_t shape = random_.Uniform(4);
  if (shape == 3) {
    const size_t length = 1 + random_.Uniform(max_bytes_);
    for (size_t i = 0; i < length; ++i) {
      word += kLetters[random_.Uniform(kLetters.size())];
    }
    return word;
  }
  if (random_.Percent(60)) word += prefixes_[random_.Uniform(prefixes_.size())];
  word += Headword();
  const std::string_view repeated = SuffixPiece();
  // Shape 2 repeats one suffix; the others draw every suffix afresh.
  while (word.size() < max_bytes_) {
    word += shape == 2 ? repeated : SuffixPiece();
  }
  word.resize(std::min(word.size(), max_bytes_));
  if (random_.Percent(30)) SwitchCase(&word, word);
  return word;
}

std::string WordMutator::Mutate(const std::string& word,
                                const std::string& other) {
  std::string out = word;
  const uint32_t edits = 1 + random_.Uniform(3);
  for (uint32_t i = 0; i < edits; ++i) {
    const Edit& edit = kEdits[random_.PickWeighted(kEdits)];
    (this->*edit.apply)(&out, other);
  }
  if (out.size() > max_bytes_) out.resize(max_bytes_);
  return out;
}

void WordMutator::InsertPiece(std::string* word, const std::string&) {
  word->insert(Position(*word), AnyPiece());
}

void WordMutator::ReplaceStretch(std::string* word, const std::string& other) {
  DeleteStretch(word, other);
  InsertPiece(word, other);
}

void WordMutator::DeleteStretch(std::string* word, const std::string&) {
  if (word->empty()) return;
  const size_t at = random_.Uniform(word->size());
  word->erase(at, 1 + random_.Uniform(kMaxStretch));
}

void WordMutator::RepeatStretch(std::string* word, const std::string&) {
  if (word->empty()) return;
  const size_t at = random_.Uniform(word->size());
  const std::string stretch =
      word->substr(at, 1 + random_.Uniform(kMaxStretch));
  const uint32_t times = 1 + random_.Uniform(static_cast<uint32_t>(max_bytes_));
  std::string repeated;
  for (uint32_t i = 0; i < times && repeated.size() < max_bytes_; ++i) {
    repeated += stretch;
  }
  word->insert(at, repeated);
}

// Switches one letter, or every letter of a stretch, to the other case.
void WordMutator::SwitchCase(std::string* word, const std::string&) {
  if (word->empty()) return;
  const size_t at = random_.Uniform(word->size());
  const size_t length = random_.Percent(50) ? 1 : 1 + random_.Uniform(64);
  for (size_t i = at; i < std::min(word->size(), at + length); ++i) {
    (*word)[i] = SwitchedCase((*word)[i]);
  }
}

void WordMutator::Splice(std::string* word, const std::string& other) {
  const size_t keep = Position(*word);
  const size_t from = random_.Uniform(other.size() + 1);
  *word = word->substr(0, keep) + other.substr(from);
}

void WordMutator::FillWithSuffixes(std::string* word, const std::string&) {
  while (word->size() < max_bytes_) *word += SuffixPiece();
}

}  // namespace bench
}  // namespace tesvar
