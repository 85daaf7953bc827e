// The ordered lexicon: entries in a compact store (entry_store.h), indexed
// by key (key_index.h) and by headword (headword_index.h). Add updates
// both indexes, so they can never disagree with the entries.
//
// Adding is done in two halves: first every structure makes room for one
// more entry (the only steps that allocate, each of which either succeeds
// or leaves its structure as it was), then the entry is copied in and
// indexed without allocating. So running out of memory in Add leaves the
// lexicon unchanged.
// Tested by lexicon_test.cc.

#include "tesvar/lexicon.h"

#include <algorithm>
#include <type_traits>
#include <utility>

#include "wordvault/lexicon_internal.h"

namespace tesvar {

static_assert(std::is_trivially_copyable<CTWord>::value,
              "entries are copied as plain values");

namespace {

// Positions are 32-bit. Keeping them below 2^31 keeps the hash tables
// (two slots per entry) within 2^32 slots. Unique keys within
// kMaxTextBytes of text never get near this.
constexpr size_t kMaxEntries = INT32_MAX;

}  // namespace

bool CLexicon::Impl::Add(std::string_view key, const CTWord& word) {
  if (entries.size() >= kMaxEntries) return false;
  const bool shared = wordvault::EntryStore::HeadwordInKey(key, word);
  const size_t bytes = wordvault::EntryStore::BytesOf(key, word, shared);
  const size_t used = entries.text_bytes();
  if (text_limit < used || bytes > text_limit - used) return false;
  const uint64_t key_hash = wordvault::Hash(key);
  if (keys.Find(key, key_hash, entries) != wordvault::kNoPosition) {
    return false;
  }
  keys.MakeRoom(entries);
  const wordvault::HeadwordIndex::Pending headword =
      headwords.MakeRoom(word.m_strHeadword, entries);
  // `key` and `word` may view the old text until the end of this call.
  std::vector<char> old_text;
  entries.MakeRoom(bytes, text_limit, &old_text);

  const uint32_t position = entries.Append(key, word, shared);
  keys.Insert(entries.KeyOf(position), key_hash, position, entries);
  headwords.Insert(position, headword, entries);
  return true;
}

void CLexicon::Impl::Reserve(size_t count, size_t text_bytes) {
  count = std::min(count, kMaxEntries);
  entries.Reserve(count, std::min(text_bytes, text_limit));
  keys.Reserve(count, entries);
  headwords.Reserve(count, entries);
}

void CLexicon::Impl::ShrinkToFit() {
  entries.ShrinkToFit();
  headwords.ShrinkToFit();
}

void CLexicon::Impl::Clear() {
  entries.Clear();
  keys.Clear();
  headwords.Clear();
}

CLexicon::CLexicon() noexcept = default;

CLexicon::CLexicon(const CLexicon& other)
    : impl_(other.impl_ == nullptr ? nullptr
                                   : std::make_unique<Impl>(*other.impl_)) {}

CLexicon& CLexicon::operator=(const CLexicon& other) {
  if (this != &other) {
    CLexicon copy(other);
    impl_.swap(copy.impl_);
  }
  return *this;
}

CLexicon::CLexicon(CLexicon&& other) noexcept = default;
CLexicon& CLexicon::operator=(CLexicon&& other) noexcept = default;
CLexicon::~CLexicon() = default;

bool CLexicon::Add(std::string_view key, const CTWord& word) {
  return wordvault::LexiconAccess::Of(this).Add(key, word);
}

std::optional<CTWord> CLexicon::Find(std::string_view key) const {
  const size_t position = PositionOf(key);
  if (position == kNotFound) return std::nullopt;
  return impl_->entries.EntryAt(position).word;
}

size_t CLexicon::PositionOf(std::string_view key) const {
  if (impl_ == nullptr) return kNotFound;
  const uint32_t position =
      impl_->keys.Find(key, wordvault::Hash(key), impl_->entries);
  return position == wordvault::kNoPosition ? kNotFound : position;
}

void CLexicon::FindHeadwordPrefixes(std::string_view text,
                                    std::vector<uint32_t>* positions) const {
  if (impl_ == nullptr) return;
  impl_->headwords.AppendPrefixes(text, impl_->entries, positions);
}

void CLexicon::Reserve(size_t count, size_t text_bytes) {
  wordvault::LexiconAccess::Of(this).Reserve(count, text_bytes);
}

void CLexicon::ShrinkToFit() {
  if (impl_ != nullptr) impl_->ShrinkToFit();
}

CLexicon::Entry CLexicon::entry(size_t position) const {
  return impl_->entries.EntryAt(position);
}

size_t CLexicon::size() const {
  return impl_ == nullptr ? 0 : impl_->entries.size();
}

void CLexicon::Clear() {
  if (impl_ != nullptr) impl_->Clear();
}

namespace wordvault {

CLexicon::Impl& LexiconAccess::Of(CLexicon* lexicon) {
  if (lexicon->impl_ == nullptr) {
    lexicon->impl_ = std::make_unique<CLexicon::Impl>();
  }
  return *lexicon->impl_;
}

void FindHeadwordsIn(const CLexicon& lexicon, std::string_view word,
                     std::vector<uint32_t>* positions) {
  positions->clear();
  for (size_t start = 0; start <= word.size(); ++start) {
    lexicon.FindHeadwordPrefixes(word.substr(start), positions);
  }
  std::sort(positions->begin(), positions->end());
  positions->erase(std::unique(positions->begin(), positions->end()),
                   positions->end());
}

void SetTextLimitForTesting(CLexicon* lexicon, size_t limit) {
  LexiconAccess::Of(lexicon).text_limit = limit;
}

}  // namespace wordvault
}  // namespace tesvar
