// The lexicon's entries, stored compactly. All texts of all entries lie
// back to back in one byte vector; each entry is a 24-byte record of
// offsets, lengths, the part-of-speech code and the flags as bits, which
// is all that reading an entry touches besides its texts. A
// headword that begins its key (the usual
// "headword:POS" keys) is not stored again: the record points into the key.
// Offsets are 32-bit, hence a limit on the bytes of text, which the lexicon
// checks before appending.
//
// Reading is inline, since the parser reads an entry for every candidate.

#ifndef TESVAR_WORDVAULT_ENTRY_STORE_H_
#define TESVAR_WORDVAULT_ENTRY_STORE_H_

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "tesvar/lexicon.h"

namespace tesvar {
namespace wordvault {

class EntryStore {
 public:
  // Whether the key starts with the headword, which is then not stored
  // again, and how many bytes appending the entry takes.
  static bool HeadwordInKey(std::string_view key, const CTWord& word) {
    return key.substr(0, word.m_strHeadword.size()) == word.m_strHeadword;
  }
  static size_t BytesOf(std::string_view key, const CTWord& word,
                        bool headword_in_key) {
    // No sum can overflow: each text lies in memory.
    return key.size() + (headword_in_key ? 0 : word.m_strHeadword.size()) +
           word.m_strDefinition.size() + word.m_strIrregularPlural.size();
  }

  size_t size() const { return records_.size(); }
  size_t text_bytes() const { return text_.size(); }

  // Makes room for one more entry of `bytes` bytes of text, so that Append
  // cannot fail. When the text moves, the old bytes are handed back in
  // *old, for the caller to keep while its key or entry may still view
  // them. Throws std::bad_alloc, changing nothing, when memory runs out.
  void MakeRoom(size_t bytes, size_t text_limit, std::vector<char>* old);
  // Appends the entry and returns its position.
  // REQUIRES: headword_in_key == HeadwordInKey(key, word), and MakeRoom
  // with BytesOf(key, word, headword_in_key) was called since the last
  // change.
  uint32_t Append(std::string_view key, const CTWord& word,
                  bool headword_in_key) noexcept;

  std::string_view KeyOf(size_t position) const {
    const Record& record = records_[position];
    return Text(record.start, record.key_length);
  }
  std::string_view HeadwordOf(size_t position) const {
    const Record& record = records_[position];
    const uint32_t offset = (record.bits & kHeadwordInKey) != 0
                                ? record.start
                                : record.start + record.key_length;
    return Text(offset, record.headword_length);
  }
  size_t HeadwordLengthOf(size_t position) const {
    return records_[position].headword_length;
  }
  // What the parser needs to know of an entry that a lookup finds, most of
  // which it never reads, in 4 bytes for the headword index to keep beside
  // its links: the bytes of the headword, definition and plural together
  // (capped at kManyTextBytes) above the kind (the part-of-speech code if
  // it is below 255, else 255).
  uint32_t SummaryOf(size_t position) const;
  static constexpr uint32_t kManyTextBytes = 0xffffff;
  static uint8_t KindIn(uint32_t summary) {
    return static_cast<uint8_t>(summary & 0xff);
  }
  // kManyTextBytes when the texts have that many bytes or more.
  static uint32_t TextBytesIn(uint32_t summary) { return summary >> 8; }
  CLexicon::Entry EntryAt(size_t position) const;
  // Asks for the record of the entry at `position` to be brought into the
  // cache, where a large lexicon's records seldom are, so that reading it a
  // little later does not wait for memory. Only a hint; reads nothing.
  void Prefetch(size_t position) const {
#if defined(__GNUC__) || defined(__clang__)
    __builtin_prefetch(records_.data() + position);
#else
    (void)position;
#endif
  }

  void Reserve(size_t count, size_t text_bytes);
  void ShrinkToFit();
  void Clear();

 private:
  // One entry. Its texts lie back to back in text_, starting at `start`:
  // key, headword (left out when the key starts with it), definition,
  // plural. The plural ends where the next entry's texts start.
  struct Record {
    uint32_t start;
    uint32_t key_length;
    uint32_t headword_length;
    uint32_t definition_length;
    int32_t code;
    // The flags and kHeadwordInKey, below the plural's length from
    // kPluralShift on (kLongPlural for one that long or longer).
    uint32_t bits;
  };

  // The kind of every code from 255 on, and of negative codes.
  static constexpr uint8_t kOtherKind = 255;

  // Record::bits.
  static constexpr uint32_t kLanguageBit = 1u << 0;
  static constexpr uint32_t kBodyPartBit = 1u << 1;
  static constexpr uint32_t kInherentPluralBit = 1u << 2;
  static constexpr uint32_t kIrregularPluralBit = 1u << 3;
  static constexpr uint32_t kStativeBit = 1u << 4;
  static constexpr uint32_t kHeadwordInKey = 1u << 5;
  // The plural's length is kept so that reading an entry need not look at
  // the next record, where it ends, which is often on another cache line.
  static constexpr int kPluralShift = 8;
  static constexpr uint32_t kLongPlural = UINT32_MAX >> kPluralShift;

  static int32_t Flag(uint32_t bits, uint32_t bit) {
    return (bits & bit) != 0 ? 1 : 0;
  }
  std::string_view Text(uint32_t offset, uint32_t length) const {
    return std::string_view(text_.data() + offset, length);
  }
  // Where the texts of the entry at `position` end.
  size_t EndOf(size_t position) const {
    return position + 1 < records_.size() ? records_[position + 1].start
                                          : text_.size();
  }

  std::vector<char> text_;
  std::vector<Record> records_;
};

inline CLexicon::Entry EntryStore::EntryAt(size_t position) const {
  const Record& record = records_[position];
  CLexicon::Entry entry;
  entry.key = Text(record.start, record.key_length);
  CTWord& word = entry.word;
  word.m_strHeadword = HeadwordOf(position);
  uint32_t at = record.start + record.key_length;
  if ((record.bits & kHeadwordInKey) == 0) at += record.headword_length;
  word.m_strDefinition = Text(at, record.definition_length);
  at += record.definition_length;
  const uint32_t plural = record.bits >> kPluralShift;
  word.m_strIrregularPlural = Text(
      at, plural != kLongPlural ? plural
                                : static_cast<uint32_t>(EndOf(position) - at));
  word.m_nPOS = record.code;
  word.m_bLanguage = Flag(record.bits, kLanguageBit);
  word.m_bBodyPart = Flag(record.bits, kBodyPartBit);
  word.m_bInherentPlural = Flag(record.bits, kInherentPluralBit);
  word.m_bIrregularPlural = Flag(record.bits, kIrregularPluralBit);
  word.m_bStative = Flag(record.bits, kStativeBit);
  return entry;
}

}  // namespace wordvault
}  // namespace tesvar

#endif  // TESVAR_WORDVAULT_ENTRY_STORE_H_
