// TextArena keeps the texts of one parser call (the suggestions that the
// suggestion check passes between its levels, and the words it parses)
// back to back in large blocks, so that a text is written once and then
// handed around as a view. A block never moves: views stay valid until
// Clear, which keeps the first block for the next call.
//
// Owned by one ParseScratch; not thread-safe.
// Tested by text_arena_test.cc.

#ifndef TESVAR_PARSER_TEXT_ARENA_H_
#define TESVAR_PARSER_TEXT_ARENA_H_

#include <cstddef>
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
  // Room for `size` bytes that live until Clear, for a text written in
  // place.
  char* Allocate(size_t size) { return Reserve(size); }

  // Forgets every text.
  void Clear();

 private:
  struct Block {
    std::unique_ptr<char[]> bytes;
    size_t size;
  };
  // Room for `size` more bytes in the last block, making a new one if
  // needed; returns where they go.
  char* Reserve(size_t size);

  std::vector<Block> blocks_;
  size_t used_ = 0;  // in the last block
};

}  // namespace tesvar

#endif  // TESVAR_PARSER_TEXT_ARENA_H_
