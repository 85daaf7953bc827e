// The ordered lexicon, stored compactly. All texts of all entries lie back
// to back in one byte vector; each entry is a 24-byte record of offsets,
// lengths, the part-of-speech code and the flags as bits. A headword that
// begins its key (the usual "headword:POS" keys) is not stored again: the
// record points into the key. Offsets are 32-bit, hence the limit of
// kMaxTextBytes bytes of text, checked by Add.
//
// Two open-addressing hash tables of entry positions index the records,
// one by key (keeping keys unique) and one by headword. Neither stores a
// text of its own; a one-byte tag per slot, taken from the hash, rejects
// most non-matching slots without reading the entry.
//
// The headword index answers "which entries' headwords are prefixes of
// this text" by hashing each prefix whose length some headword has (the
// hash is computed byte by byte, so every prefix's hash comes on the way)
// and probing the table once per such length. The cost grows with the
// text's length, not with the number of entries. Add updates the tables,
// so the index can never disagree with the entries.
// Tested by lexicon_test.cc.

#include "tesvar/lexicon.h"

#include <algorithm>
#include <cstring>
#include <type_traits>
#include <utility>

namespace tesvar {

static_assert(std::is_trivially_copyable<CTWord>::value,
              "entries are copied as plain values");

namespace {

constexpr uint32_t kNone = UINT32_MAX;
// Positions are 32-bit. Keeping them below 2^31 keeps the hash tables
// (two slots per entry) within 2^32 slots, which Slot relies on. Unique
// keys within kMaxTextBytes of text never get near this.
constexpr size_t kMaxEntries = INT32_MAX;
constexpr size_t kMinSlots = 16;
// 2^32 where size_t can count that far; on 32-bit targets 2^31, since no
// table there can get near either bound before memory runs out.
constexpr size_t kMaxTableSize = size_t{1} << (sizeof(size_t) > 4 ? 32 : 31);
constexpr size_t kMaxSlots = kMaxTableSize;  // twice kMaxEntries, + 2
// The prefix filter has at least this many bits per headword byte, and
// at least kMinFilterBits; at most 2^32, which Slot relies on.
constexpr size_t kFilterBitsPerByte = 4;
constexpr size_t kMinFilterBits = 512;
constexpr size_t kMaxFilterBits = kMaxTableSize;
constexpr size_t kMinTextBytes = 256;
constexpr uint8_t kEmptyTag = 0;
// Lengths below this have a bit in short_lengths_.
constexpr size_t kShortLengths = 64;

// Record::bits.
constexpr uint32_t kLanguageBit = 1u << 0;
constexpr uint32_t kBodyPartBit = 1u << 1;
constexpr uint32_t kInherentPluralBit = 1u << 2;
constexpr uint32_t kIrregularPluralBit = 1u << 3;
constexpr uint32_t kStativeBit = 1u << 4;
constexpr uint32_t kHeadwordInKey = 1u << 5;

// A byte-at-a-time hash (FNV-1a), so that the hashes of all prefixes of a
// text come out of one pass over it, and a cheap final mix that spreads
// the low bits upwards: its top bits pick the slot (or the filter bit),
// bits 24 to 31 are the tag.
constexpr uint64_t kHashStart = 0xcbf29ce484222325ULL;

inline uint64_t HashStep(uint64_t hash, char byte) {
  return (hash ^ static_cast<unsigned char>(byte)) * 0x100000001b3ULL;
}

inline uint64_t HashFinish(uint64_t hash) {
  return (hash ^ (hash >> 29)) * 0x9e3779b97f4a7c15ULL;
}

uint64_t Hash(std::string_view text) {
  uint64_t hash = kHashStart;
  for (char byte : text) hash = HashStep(hash, byte);
  return HashFinish(hash);
}

inline uint8_t TagOf(uint64_t hash) {
  const uint8_t tag = static_cast<uint8_t>(hash >> 24);
  return tag == kEmptyTag ? 1 : tag;
}

// Maps the top half of a mixed hash onto [0, count) without a division.
// REQUIRES: count <= 2^32.
inline size_t Slot(uint64_t mixed, size_t count) {
  return static_cast<size_t>(((mixed >> 32) * count) >> 32);
}

// Linear probing from `hash`'s home slot: the first slot that is empty or
// whose tag and entry (tested by `matches`) fit. The tables are at most
// half full, so the probe ends.
template <typename Matches>
size_t ProbeSlot(const std::vector<uint8_t>& tags,
                 const std::vector<uint32_t>& positions, uint64_t hash,
                 Matches matches) {
  const size_t count = tags.size();
  const uint8_t tag = TagOf(hash);
  for (size_t slot = Slot(hash, count);;
       slot = slot + 1 == count ? 0 : slot + 1) {
    const uint8_t found = tags[slot];
    if (found == kEmptyTag || (found == tag && matches(positions[slot]))) {
      return slot;
    }
  }
}

inline int32_t Flag(uint32_t bits, uint32_t bit) {
  return (bits & bit) != 0 ? 1 : 0;
}

}  // namespace

bool CLexicon::Add(std::string_view key, const CTWord& word) {
  if (records_.size() >= kMaxEntries) return false;
  const std::string_view headword = word.m_strHeadword;
  const bool shared = key.substr(0, headword.size()) == headword;
  // No sum below can overflow: each text lies in memory.
  const size_t bytes = key.size() + (shared ? 0 : headword.size()) +
                       word.m_strDefinition.size() +
                       word.m_strIrregularPlural.size();
  if (text_limit_ < text_.size() || bytes > text_limit_ - text_.size()) {
    return false;
  }
  const uint64_t key_hash = Hash(key);
  if (keys_.used != 0 && keys_.tags[KeySlot(key, key_hash)] != kEmptyTag) {
    return false;
  }

  const uint32_t position = static_cast<uint32_t>(records_.size());
  uint32_t bits = 0;
  if (word.m_bLanguage) bits |= kLanguageBit;
  if (word.m_bBodyPart) bits |= kBodyPartBit;
  if (word.m_bInherentPlural) bits |= kInherentPluralBit;
  if (word.m_bIrregularPlural) bits |= kIrregularPluralBit;
  if (word.m_bStative) bits |= kStativeBit;
  if (shared) bits |= kHeadwordInKey;
  records_.push_back(Record{
      static_cast<uint32_t>(text_.size()), static_cast<uint32_t>(key.size()),
      static_cast<uint32_t>(headword.size()),
      static_cast<uint32_t>(word.m_strDefinition.size()), word.m_nPOS, bits});
  AppendText(key, word, shared);
  key = KeyOf(records_.back());  // the caller's key may have moved with it

  if (GrowTable(keys_.used + 1, false, &keys_)) RehashKeys();
  const size_t slot = KeySlot(key, key_hash);
  keys_.positions[slot] = position;
  keys_.tags[slot] = TagOf(key_hash);
  ++keys_.used;
  IndexHeadword(position);
  return true;
}

// Appends the entry's texts. When the storage has to grow, the old bytes
// are kept until the end, since `key` and `word` may view them.
void CLexicon::AppendText(std::string_view key, const CTWord& word,
                          bool shared) {
  const std::string_view pieces[] = {
      key, shared ? std::string_view() : word.m_strHeadword,
      word.m_strDefinition, word.m_strIrregularPlural};
  size_t bytes = 0;
  for (std::string_view piece : pieces) bytes += piece.size();
  std::vector<char> old;
  if (text_.capacity() - text_.size() < bytes) {
    std::vector<char> bigger;
    bigger.reserve(std::max(
        text_.size() + bytes,
        std::min(std::max(2 * text_.capacity(), kMinTextBytes), text_limit_)));
    bigger.assign(text_.begin(), text_.end());
    old.swap(text_);
    text_.swap(bigger);
  }
  size_t at = text_.size();
  text_.resize(at + bytes);
  for (std::string_view piece : pieces) {
    if (piece.empty()) continue;
    std::memcpy(text_.data() + at, piece.data(), piece.size());
    at += piece.size();
  }
}

std::string_view CLexicon::HeadwordOf(const Record& record) const {
  const uint32_t offset = (record.bits & kHeadwordInKey) != 0
                              ? record.start
                              : record.start + record.key_length;
  return Text(offset, record.headword_length);
}

// Where the texts of the entry at `position` end.
size_t CLexicon::EndOf(size_t position) const {
  return position + 1 < records_.size() ? records_[position + 1].start
                                        : text_.size();
}

CLexicon::Entry CLexicon::entry(size_t position) const {
  const Record& record = records_[position];
  Entry entry;
  entry.key = KeyOf(record);
  CTWord& word = entry.word;
  word.m_strHeadword = HeadwordOf(record);
  uint32_t at = record.start + record.key_length;
  if ((record.bits & kHeadwordInKey) == 0) at += record.headword_length;
  word.m_strDefinition = Text(at, record.definition_length);
  at += record.definition_length;
  word.m_strIrregularPlural =
      Text(at, static_cast<uint32_t>(EndOf(position) - at));
  word.m_nPOS = record.code;
  word.m_bLanguage = Flag(record.bits, kLanguageBit);
  word.m_bBodyPart = Flag(record.bits, kBodyPartBit);
  word.m_bInherentPlural = Flag(record.bits, kInherentPluralBit);
  word.m_bIrregularPlural = Flag(record.bits, kIrregularPluralBit);
  word.m_bStative = Flag(record.bits, kStativeBit);
  return entry;
}

std::optional<CTWord> CLexicon::Find(std::string_view key) const {
  const size_t position = PositionOf(key);
  if (position == kNotFound) return std::nullopt;
  return entry(position).word;
}

size_t CLexicon::PositionOf(std::string_view key) const {
  if (keys_.used == 0) return kNotFound;
  const size_t slot = KeySlot(key, Hash(key));
  return keys_.tags[slot] == kEmptyTag ? kNotFound : keys_.positions[slot];
}

// The slot that holds `key`'s position, or the empty slot where it would
// go. The table is at most half full, so an empty slot always exists.
size_t CLexicon::KeySlot(std::string_view key, uint64_t hash) const {
  return ProbeSlot(keys_.tags, keys_.positions, hash, [&](uint32_t position) {
    return KeyOf(records_[position]) == key;
  });
}

// The same for a non-empty headword in the headword table.
size_t CLexicon::HeadwordSlot(std::string_view headword, uint64_t hash) const {
  return ProbeSlot(headwords_.tags, headwords_.positions, hash,
                   [&](uint32_t position) {
                     const Record& record = records_[position];
                     return record.headword_length == headword.size() &&
                            HeadwordOf(record) == headword;
                   });
}

// Gives the table at least twice `wanted` slots, doubling it at least
// when it must grow (or, if `exact`, making it exactly that big), and
// empties it if that changes its size; returns whether it did, in which
// case the caller refills it.
bool CLexicon::GrowTable(size_t wanted, bool exact, HashTable* table) {
  const size_t size = table->tags.size();
  if (2 * wanted <= size) return false;
  const size_t grown = std::min(
      std::max(exact ? 2 * wanted : std::max(2 * wanted, 2 * size), kMinSlots),
      kMaxSlots);
  table->positions.assign(grown, kNone);
  table->tags.assign(grown, kEmptyTag);
  return true;
}

void CLexicon::RehashKeys() {
  for (uint32_t position = 0; position < keys_.used; ++position) {
    const std::string_view key = KeyOf(records_[position]);
    const uint64_t hash = Hash(key);
    const size_t slot = KeySlot(key, hash);
    keys_.positions[slot] = position;
    keys_.tags[slot] = TagOf(hash);
  }
}

// Refills the headword table from the first `count` entries: each
// headword's last entry goes in its slot; the chains stay as they are.
void CLexicon::RehashHeadwords(size_t count) {
  for (size_t position = count; position-- > 0;) {
    const std::string_view headword = HeadwordOf(records_[position]);
    if (headword.empty()) continue;
    const uint64_t hash = Hash(headword);
    const size_t slot = HeadwordSlot(headword, hash);
    if (headwords_.tags[slot] != kEmptyTag) continue;  // a later entry's
    headwords_.positions[slot] = static_cast<uint32_t>(position);
    headwords_.tags[slot] = TagOf(hash);
  }
}

void CLexicon::IndexHeadword(uint32_t position) {
  const std::string_view headword = HeadwordOf(records_[position]);
  previous_same_headword_.push_back(kNone);
  if (headword.empty()) {
    empty_headwords_.push_back(position);
    return;
  }
  const uint64_t hash = Hash(headword);
  if (headwords_.used != 0) {
    const size_t slot = HeadwordSlot(headword, hash);
    if (headwords_.tags[slot] != kEmptyTag) {
      previous_same_headword_[position] = headwords_.positions[slot];
      headwords_.positions[slot] = position;
      return;
    }
  }
  // A new headword, and perhaps a new length.
  if (GrowTable(headwords_.used + 1, false, &headwords_)) {
    RehashHeadwords(position);
  }
  const size_t slot = HeadwordSlot(headword, hash);
  headwords_.positions[slot] = position;
  headwords_.tags[slot] = TagOf(hash);
  ++headwords_.used;
  filtered_bytes_ += headword.size();
  GrowFilter();
  FilterHeadword(headword);
  const size_t length = headword.size();
  if (length < kShortLengths) {
    short_lengths_ |= uint64_t{1} << length;
  } else {
    const auto at =
        std::lower_bound(long_lengths_.begin(), long_lengths_.end(), length);
    if (at == long_lengths_.end() || *at != length) {
      long_lengths_.insert(at, length);
    }
  }
}

void CLexicon::Reserve(size_t count, size_t text_bytes) {
  count = std::min(count, kMaxEntries);
  records_.reserve(count);
  previous_same_headword_.reserve(count);
  text_.reserve(std::min(text_bytes, text_limit_));
  if (GrowTable(count, true, &keys_)) RehashKeys();
  if (GrowTable(count, true, &headwords_)) {
    RehashHeadwords(records_.size());
  }
}

void CLexicon::ShrinkToFit() {
  text_.shrink_to_fit();
  records_.shrink_to_fit();
  previous_same_headword_.shrink_to_fit();
  empty_headwords_.shrink_to_fit();
}

void CLexicon::FindHeadwordsIn(std::string_view word,
                               std::vector<uint32_t>* positions) const {
  positions->assign(empty_headwords_.begin(), empty_headwords_.end());
  if (headwords_.used == 0) return;
  for (size_t start = 0; start < word.size(); ++start) {
    AppendNonEmptyHeadwordPrefixes(word.substr(start), positions);
  }
  std::sort(positions->begin(), positions->end());
  positions->erase(std::unique(positions->begin(), positions->end()),
                   positions->end());
}

void CLexicon::FindHeadwordPrefixes(std::string_view text,
                                    std::vector<uint32_t>* positions) const {
  positions->insert(positions->end(), empty_headwords_.begin(),
                    empty_headwords_.end());
  if (headwords_.used != 0) AppendNonEmptyHeadwordPrefixes(text, positions);
}

// Walks the prefixes of `text`, longest last, while the filter says that
// some headword starts with them, and probes the table for those whose
// length some headword has.
void CLexicon::AppendNonEmptyHeadwordPrefixes(
    std::string_view text, std::vector<uint32_t>* positions) const {
  auto next_long = long_lengths_.begin();
  const uint64_t* const filter = prefix_filter_.data();
  const size_t filter_bits = prefix_filter_.size() * 64;
  uint64_t hash = kHashStart;
  for (size_t length = 1; length <= text.size(); ++length) {
    hash = HashStep(hash, text[length - 1]);
    const uint64_t mixed = HashFinish(hash);
    const size_t bit = Slot(mixed, filter_bits);
    if (((filter[bit / 64] >> (bit % 64)) & 1) == 0) return;
    if (length < kShortLengths) {
      if (((short_lengths_ >> length) & 1) == 0) continue;
    } else {
      if (next_long == long_lengths_.end()) return;
      if (*next_long != length) continue;
      ++next_long;
    }
    const size_t slot = HeadwordSlot(text.substr(0, length), mixed);
    if (headwords_.tags[slot] == kEmptyTag) continue;
    for (uint32_t e = headwords_.positions[slot]; e != kNone;
         e = previous_same_headword_[e]) {
      positions->push_back(e);
    }
  }
}

void CLexicon::FilterHeadword(std::string_view headword) {
  uint64_t hash = kHashStart;
  for (char byte : headword) {
    hash = HashStep(hash, byte);
    const size_t bit = Slot(HashFinish(hash), prefix_filter_.size() * 64);
    prefix_filter_[bit / 64] |= uint64_t{1} << (bit % 64);
  }
}

// Keeps the filter at kFilterBitsPerByte bits per byte of the distinct
// headwords or more, doubling it when it must grow, and refills it then.
// The refill visits each headword's first entry, in storage order.
void CLexicon::GrowFilter() {
  const size_t bits = prefix_filter_.size() * 64;
  if (bits >= std::min(kFilterBitsPerByte * filtered_bytes_, kMaxFilterBits)) {
    return;
  }
  const size_t grown = std::min(std::max({kFilterBitsPerByte * filtered_bytes_,
                                          2 * bits, kMinFilterBits}),
                                kMaxFilterBits);
  prefix_filter_.assign((grown + 63) / 64, 0);
  for (size_t position = 0; position < records_.size(); ++position) {
    if (previous_same_headword_[position] == kNone) {
      FilterHeadword(HeadwordOf(records_[position]));
    }
  }
}

void CLexicon::Clear() {
  text_.clear();
  records_.clear();
  keys_ = HashTable();
  headwords_ = HashTable();
  prefix_filter_.clear();
  filtered_bytes_ = 0;
  previous_same_headword_.clear();
  short_lengths_ = 0;
  long_lengths_.clear();
  empty_headwords_.clear();
}

}  // namespace tesvar
