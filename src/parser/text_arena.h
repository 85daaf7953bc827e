// TextArena keeps the texts of one parser call (the suggestions that the
// suggestion check passes between its levels, and the words it parses)
// back to back in large blocks, so that a text is written once and then
// handed around as a view. A block never moves: views stay valid until
// Clear, which keeps the first block for the next call.
//
// Each text is stored with its hash just before it: the check looks a
// text up in several lists at every step, and the texts are long
// corrections that often agree at both ends, so the hash is taken once,
// while the text is copied in, and read back from there.
//
// Owned by one ParseScratch; not thread-safe.
// Tested by text_arena_test.cc.

#ifndef TESVAR_PARSER_TEXT_ARENA_H_
#define TESVAR_PARSER_TEXT_ARENA_H_

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

namespace tesvar {

class TextArena {
 public:
  TextArena() = default;
  TextArena(const TextArena&) = delete;
  TextArena& operator=(const TextArena&) = delete;

  // A copy of `text` that lives until Clear.
  std::string_view Copy(std::string_view text);
  // Room for a text of `size` bytes written in place, that lives until
  // Clear. Its hash is taken the first time HashOf asks for it: many
  // corrections are written and never looked up.
  char* Allocate(size_t size);

  // Hash(text), read from where Copy left it, or taken now and kept for a
  // text written into room from Allocate. REQUIRES: `text` is a view that
  // Copy returned or the room from Allocate, whole and written, and the
  // arena has not been cleared since.
  static uint64_t HashOf(std::string_view text) {
    if (text.empty()) return Hash(text);
    uint64_t hash;
    std::memcpy(&hash, text.data() - sizeof hash, sizeof hash);
    // A text whose hash happens to be the mark is hashed again each time,
    // which costs time only.
    return hash != kNotHashed ? hash : HashAndKeep(text);
  }

  // A hash of every byte of `text`, eight at a time.
  static uint64_t Hash(std::string_view text);

  // Forgets every text.
  void Clear();

 private:
  struct Block {
    std::unique_ptr<char[]> bytes;
    size_t size;
  };
  // Room for `size` more bytes in the last block, making a new one if
  // needed; returns where they go.
  char* Reserve(size_t size) {
    if (static_cast<size_t>(end_ - next_) < size) NewBlock(size);
    char* at = next_;
    next_ += size;
    return at;
  }
  void NewBlock(size_t size);
  // What the hash of a text written in place reads until it is taken.
  static constexpr uint64_t kNotHashed = 0;
  static uint64_t HashAndKeep(std::string_view text);

  std::vector<Block> blocks_;
  // The free part of the last block (both null before the first).
  char* next_ = nullptr;
  char* end_ = nullptr;
};

}  // namespace tesvar

#endif  // TESVAR_PARSER_TEXT_ARENA_H_
