// Blocks are at least kBlockBytes, and a text longer than that gets a
// block of its own size, so no text is ever split. Most calls fit in the
// first block, which Clear keeps. A text takes its size rounded up to
// eight bytes, after the eight of its hash, so that every hash is
// aligned.
// Tested by text_arena_test.cc.

#include "parser/text_arena.h"

#include <algorithm>

#include "words/first_byte_index.h"

namespace tesvar {

namespace {

constexpr size_t kBlockBytes = size_t{1} << 16;
constexpr size_t kChunk = sizeof(uint64_t);

uint64_t LoadChunk(const char* at) {
  uint64_t chunk;
  std::memcpy(&chunk, at, sizeof chunk);
  return chunk;
}

// TextArena::Hash, here so that Copy takes it inline.
inline uint64_t HashBytes(std::string_view text) {
  const size_t n = text.size();
  const char* from = text.data();
  uint64_t h = (n + 1) * 0x9e3779b97f4a7c15u;
  // Three instructions a chunk; the rotation brings the bits that the
  // multiplication carried up back down for the next chunk.
  const auto mix = [&h](uint64_t chunk) {
    h = (h ^ chunk) * 0xbf58476d1ce4e5b9u;
    h = h << 29 | h >> 35;
  };
  if (n > 0) {
    const size_t last = (n - 1) / kChunk * kChunk;
    size_t at = 0;
    for (; at + 2 * kChunk <= last; at += 2 * kChunk) {
      mix(LoadChunk(from + at));
      mix(LoadChunk(from + at + kChunk));
    }
    if (at < last) mix(LoadChunk(from + at));
    // The last one to eight bytes, in one load with the bytes before them
    // when there are enough; the shift leaves out bytes already mixed in
    // (the lowest ones on little-endian machines, others elsewhere, which
    // only weakens the hash there).
    mix(n >= kChunk ? LoadChunk(from + n - kChunk) >> (8 * (last + kChunk - n))
                    : LoadPackedBytes(text));
  }
  h ^= h >> 31;
  h *= 0x94d049bb133111ebu;
  h ^= h >> 29;
  return h;
}

}  // namespace

uint64_t TextArena::Hash(std::string_view text) { return HashBytes(text); }

std::string_view TextArena::Copy(std::string_view text) {
  if (text.empty()) return std::string_view();
  char* at = Allocate(text.size());
  std::memcpy(at, text.data(), text.size());
  const uint64_t hash = HashBytes(text);
  std::memcpy(at - kChunk, &hash, sizeof hash);
  return std::string_view(at, text.size());
}

char* TextArena::Allocate(size_t size) {
  const size_t padded = (size + kChunk - 1) / kChunk * kChunk;
  char* at = Reserve(kChunk + padded);
  std::memcpy(at, &kNotHashed, sizeof kNotHashed);
  return at + kChunk;
}

uint64_t TextArena::HashAndKeep(std::string_view text) {
  const uint64_t hash = HashBytes(text);
  // The bytes are the arena's own, handed out writable by Allocate.
  std::memcpy(const_cast<char*>(text.data()) - kChunk, &hash, sizeof hash);
  return hash;
}

void TextArena::NewBlock(size_t size) {
  const size_t block_size = std::max(kBlockBytes, size);
  // Not zeroed: the bytes of a text and of its hash are written before
  // they are read.
  blocks_.push_back(
      Block{std::unique_ptr<char[]>(new char[block_size]), block_size});
  next_ = blocks_.back().bytes.get();
  end_ = next_ + block_size;
}

void TextArena::Clear() {
  if (blocks_.size() > 1) blocks_.resize(1);
  // A first block made for one long text is no use to the next call.
  if (!blocks_.empty() && blocks_[0].size != kBlockBytes) blocks_.clear();
  next_ = blocks_.empty() ? nullptr : blocks_[0].bytes.get();
  end_ = blocks_.empty() ? nullptr : next_ + blocks_[0].size;
}

}  // namespace tesvar
