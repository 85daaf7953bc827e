// Appending to the compact entry storage. Growth happens in MakeRoom,
// before anything changes, so that running out of memory leaves the
// entries as they were; Append itself only copies into reserved room.
// Tested by lexicon_test.cc.

#include "wordvault/entry_store.h"

#include <algorithm>
#include <cstring>

#include "wordvault/slot_table.h"

namespace tesvar {
namespace wordvault {

namespace {

// The text storage starts at this size, so that tiny lexicons do not
// reallocate on every entry.
constexpr size_t kMinTextBytes = 256;

}  // namespace

void EntryStore::MakeRoom(size_t bytes, size_t text_limit,
                          std::vector<char>* old) {
  MakeRoomForOne(&records_);
  if (text_.capacity() - text_.size() >= bytes) return;
  std::vector<char> bigger;
  bigger.reserve(std::max(
      text_.size() + bytes,
      std::min(std::max(2 * text_.capacity(), kMinTextBytes), text_limit)));
  bigger.assign(text_.begin(), text_.end());
  old->swap(text_);
  text_.swap(bigger);
}

uint32_t EntryStore::Append(std::string_view key, const CTWord& word,
                            bool shared) noexcept {
  uint32_t bits = 0;
  if (word.m_bLanguage) bits |= kLanguageBit;
  if (word.m_bBodyPart) bits |= kBodyPartBit;
  if (word.m_bInherentPlural) bits |= kInherentPluralBit;
  if (word.m_bIrregularPlural) bits |= kIrregularPluralBit;
  if (word.m_bStative) bits |= kStativeBit;
  if (shared) bits |= kHeadwordInKey;
  bits |= static_cast<uint32_t>(
              std::min<size_t>(word.m_strIrregularPlural.size(), kLongPlural))
          << kPluralShift;
  const uint32_t position = static_cast<uint32_t>(records_.size());
  records_.push_back(Record{
      static_cast<uint32_t>(text_.size()), static_cast<uint32_t>(key.size()),
      static_cast<uint32_t>(word.m_strHeadword.size()),
      static_cast<uint32_t>(word.m_strDefinition.size()), word.m_nPOS, bits});
  const std::string_view pieces[] = {
      key, shared ? std::string_view() : word.m_strHeadword,
      word.m_strDefinition, word.m_strIrregularPlural};
  size_t at = text_.size();
  size_t bytes = 0;
  for (std::string_view piece : pieces) bytes += piece.size();
  text_.resize(at + bytes);  // within the capacity MakeRoom made
  for (std::string_view piece : pieces) {
    if (piece.empty()) continue;
    std::memcpy(text_.data() + at, piece.data(), piece.size());
    at += piece.size();
  }
  return position;
}

uint32_t EntryStore::SummaryOf(size_t position) const {
  const Record& record = records_[position];
  const uint32_t kind = static_cast<uint32_t>(record.code) < kOtherKind
                            ? static_cast<uint32_t>(record.code)
                            : kOtherKind;
  // The plural ends where the entry's texts end.
  const size_t stored = EndOf(position) - record.start - record.key_length;
  const size_t texts = (record.bits & kHeadwordInKey) != 0
                           ? stored + record.headword_length
                           : stored;
  return static_cast<uint32_t>(std::min<size_t>(texts, kManyTextBytes)) << 8 |
         kind;
}

void EntryStore::Reserve(size_t count, size_t text_bytes) {
  records_.reserve(count);
  text_.reserve(text_bytes);
}

void EntryStore::ShrinkToFit() {
  text_.shrink_to_fit();
  records_.shrink_to_fit();
}

void EntryStore::Clear() {
  text_.clear();
  records_.clear();
}

}  // namespace wordvault
}  // namespace tesvar
