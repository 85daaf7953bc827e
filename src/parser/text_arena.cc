// Blocks are at least kBlockBytes, and a text longer than that gets a
// block of its own size, so no text is ever split. Most calls fit in the
// first block, which Clear keeps.
// Tested by text_arena_test.cc.

#include "parser/text_arena.h"

#include <algorithm>
#include <cstring>

namespace tesvar {

namespace {
constexpr size_t kBlockBytes = size_t{1} << 16;
}  // namespace

std::string_view TextArena::Copy(std::string_view text) {
  if (text.empty()) return std::string_view();
  char* at = Reserve(text.size());
  std::memcpy(at, text.data(), text.size());
  return std::string_view(at, text.size());
}

char* TextArena::Reserve(size_t size) {
  if (blocks_.empty() || blocks_.back().size - used_ < size) {
    const size_t block_size = std::max(kBlockBytes, size);
    // Not zeroed: every byte is written before it is read.
    blocks_.push_back(
        Block{std::unique_ptr<char[]>(new char[block_size]), block_size});
    used_ = 0;
  }
  char* at = blocks_.back().bytes.get() + used_;
  used_ += size;
  return at;
}

void TextArena::Clear() {
  if (blocks_.size() > 1) blocks_.resize(1);
  // A first block made for one long text is no use to the next call.
  if (!blocks_.empty() && blocks_[0].size != kBlockBytes) blocks_.clear();
  used_ = 0;
}

}  // namespace tesvar
