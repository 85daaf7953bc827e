// The headword index: the trie of distinct headwords, the chains of
// homographs and the entries without a headword. See headword_index.h for
// the design. Every structure grows in MakeRoom, before the entry is
// appended, so that Insert only writes into room already made and running
// out of memory changes nothing.
//
// Rebuild sorts the entries into the trie from the root down, depth
// first: at each node the entries below it are split, stably, by their
// headword's byte at that depth (or by its end, code 0), so that
// homographs stay in entry order and chain as Insert would chain them.
// Tested by lexicon_test.cc.

#include "wordvault/headword_index.h"

#include <algorithm>
#include <utility>

namespace tesvar {
namespace wordvault {

namespace {

// Trie units per entry: the lexicons measured need two or a little more
// for each distinct headword.
constexpr size_t kUnitsPerEntry = 2;
// Groups of up to this many entries are split by insertion sort, larger
// ones by counting.
constexpr size_t kSmallGroup = 16;

// Codes for the bytes of `store`'s headwords, the most frequent first.
DoubleArray::Codes CodesByFrequency(const EntryStore& store) {
  uint64_t frequency[256] = {};
  for (size_t position = 0; position < store.size(); ++position) {
    for (const char byte : store.HeadwordOf(position)) {
      ++frequency[static_cast<unsigned char>(byte)];
    }
  }
  uint8_t bytes[256];
  for (int byte = 0; byte < 256; ++byte)
    bytes[byte] = static_cast<uint8_t>(byte);
  std::stable_sort(
      std::begin(bytes), std::end(bytes),
      [&](uint8_t a, uint8_t b) { return frequency[a] > frequency[b]; });
  DoubleArray::Codes codes{};
  for (int rank = 0; rank < 256 && frequency[bytes[rank]] != 0; ++rank) {
    codes[bytes[rank]] = static_cast<uint16_t>(rank + 1);
  }
  return codes;
}

// Lays out the trie of the entries of a store (see the file comment).
class TrieLayout {
 public:
  TrieLayout(const EntryStore& store, std::vector<HeadwordIndex::Link>* links)
      : store_(store), links_(*links) {}

  // REQUIRES: `entries` are positions of entries with headwords, ascending.
  DoubleArray Build(std::vector<uint32_t> entries);

 private:
  // The entries [begin, end) of entries_ all begin with the text of `node`,
  // `depth` bytes long.
  struct Group {
    uint32_t node;
    uint32_t begin;
    uint32_t end;
    uint32_t depth;
  };

  uint16_t CodeAt(uint32_t position, uint32_t depth) const {
    const std::string_view headword = store_.HeadwordOf(position);
    return depth == headword.size()
               ? 0
               : builder_codes_[static_cast<unsigned char>(headword[depth])];
  }
  void Split(const Group& group);
  void SortGroup(const Group& group);
  // Makes `node` hold the last of the homographs [begin, end) and chains
  // them.
  void Hold(uint32_t node, uint32_t begin, uint32_t end);
  // The one entry left below `node`: the rest of its headword as a chain
  // of single children.
  void Single(uint32_t node, uint32_t position, uint32_t depth);

  const EntryStore& store_;
  std::vector<HeadwordIndex::Link>& links_;
  DoubleArray::Codes builder_codes_{};
  DoubleArray::Builder* builder_ = nullptr;
  std::vector<uint32_t> entries_;
  std::vector<Group> stack_;
  // Working space of SortGroup.
  std::vector<uint16_t> codes_;
  std::vector<uint32_t> sorted_;
  std::vector<uint16_t> sorted_codes_;
  std::vector<uint32_t> counts_;
};

DoubleArray TrieLayout::Build(std::vector<uint32_t> entries) {
  builder_codes_ = CodesByFrequency(store_);
  DoubleArray::Builder builder(builder_codes_, kUnitsPerEntry * entries.size());
  builder_ = &builder;
  entries_ = std::move(entries);
  sorted_.resize(entries_.size());
  codes_.resize(entries_.size());
  sorted_codes_.resize(entries_.size());
  counts_.resize(DoubleArray::kMaxCodes + 1);
  if (!entries_.empty()) {
    stack_.push_back(Group{DoubleArray::Builder::kRoot, 0,
                           static_cast<uint32_t>(entries_.size()), 0});
  }
  while (!stack_.empty()) {
    const Group group = stack_.back();
    stack_.pop_back();
    if (group.end - group.begin == 1) {
      Single(group.node, entries_[group.begin], group.depth);
    } else {
      Split(group);
    }
  }
  return builder.Finish();
}

void TrieLayout::Split(const Group& group) {
  SortGroup(group);
  // The codes present, each with where its entries end.
  uint16_t present[DoubleArray::kMaxCodes];
  uint32_t ends[DoubleArray::kMaxCodes];
  size_t count = 0;
  for (uint32_t i = group.begin; i < group.end; ++i) {
    const uint16_t code = codes_[i];
    if (count == 0 || present[count - 1] != code) present[count++] = code;
    ends[count - 1] = i + 1;
  }
  if (count == 1 && present[0] == 0) {  // homographs ending here
    Hold(group.node, group.begin, group.end);
    return;
  }
  const uint32_t base = builder_->Place(group.node, present, count);
  // Children go on the stack last first, so that they are laid out in
  // order, each subtree before the next.
  for (size_t k = count; k-- > 0;) {
    const uint32_t begin = k == 0 ? group.begin : ends[k - 1];
    const uint32_t child = base + present[k];
    if (present[k] == 0) {
      Hold(child, begin, ends[k]);
    } else {
      stack_.push_back(Group{child, begin, ends[k], group.depth + 1});
    }
  }
}

// Sorts entries_[begin, end) stably by the code at the group's depth,
// leaving the codes in codes_[begin, end).
void TrieLayout::SortGroup(const Group& group) {
  const uint32_t begin = group.begin;
  const uint32_t end = group.end;
  for (uint32_t i = begin; i < end; ++i) {
    codes_[i] = CodeAt(entries_[i], group.depth);
  }
  if (end - begin <= kSmallGroup) {
    for (uint32_t i = begin + 1; i < end; ++i) {
      const uint16_t code = codes_[i];
      const uint32_t position = entries_[i];
      uint32_t j = i;
      for (; j > begin && codes_[j - 1] > code; --j) {
        codes_[j] = codes_[j - 1];
        entries_[j] = entries_[j - 1];
      }
      codes_[j] = code;
      entries_[j] = position;
    }
    return;
  }
  uint32_t top = 0;
  for (uint32_t i = begin; i < end; ++i)
    top = std::max<uint32_t>(top, codes_[i]);
  std::fill(counts_.begin(), counts_.begin() + top + 2, 0);
  for (uint32_t i = begin; i < end; ++i) ++counts_[codes_[i] + 1];
  for (uint32_t code = 1; code <= top + 1; ++code)
    counts_[code] += counts_[code - 1];
  for (uint32_t i = begin; i < end; ++i) {
    const uint32_t at = begin + counts_[codes_[i]]++;
    sorted_[at] = entries_[i];
    sorted_codes_[at] = codes_[i];
  }
  std::copy(sorted_.begin() + begin, sorted_.begin() + end,
            entries_.begin() + begin);
  std::copy(sorted_codes_.begin() + begin, sorted_codes_.begin() + end,
            codes_.begin() + begin);
}

void TrieLayout::Hold(uint32_t node, uint32_t begin, uint32_t end) {
  for (uint32_t i = begin + 1; i < end; ++i) {
    links_[entries_[i]].previous_same_headword = entries_[i - 1];
  }
  builder_->Hold(node, entries_[end - 1]);
}

void TrieLayout::Single(uint32_t node, uint32_t position, uint32_t depth) {
  const std::string_view headword = store_.HeadwordOf(position);
  for (; depth < headword.size(); ++depth) {
    const uint16_t code =
        builder_codes_[static_cast<unsigned char>(headword[depth])];
    node = builder_->Place(node, &code, 1) + code;
  }
  builder_->Hold(node, position);
}

}  // namespace

HeadwordIndex::Pending HeadwordIndex::MakeRoom(std::string_view headword) {
  MakeRoomForOne(&links_);
  Pending pending;
  if (headword.empty()) {
    MakeRoomForOne(&empty_headwords_);
    return pending;
  }
  pending.last_same = trie_.Find(headword);
  if (pending.last_same == DoubleArray::kNoValue) {
    pending.last_same = kNoPosition;
    trie_.MakeRoom(headword);
  }
  return pending;
}

void HeadwordIndex::Insert(uint32_t position, const Pending& pending,
                           const EntryStore& store) noexcept {
  const std::string_view headword = store.HeadwordOf(position);
  links_.push_back(Link{pending.last_same, store.SummaryOf(position)});
  if (headword.empty()) {
    empty_headwords_.push_back(position);
    return;
  }
  trie_.Set(headword, position);
}

void HeadwordIndex::Rebuild(const EntryStore& store) {
  HeadwordIndex built;
  built.links_.resize(store.size());
  std::vector<uint32_t> entries;
  entries.reserve(store.size());
  for (uint32_t position = 0; position < store.size(); ++position) {
    built.links_[position] = Link{kNoPosition, store.SummaryOf(position)};
    if (store.HeadwordLengthOf(position) == 0) {
      built.empty_headwords_.push_back(position);
    } else {
      entries.push_back(position);
    }
  }
  built.empty_headwords_.shrink_to_fit();
  built.trie_ = TrieLayout(store, &built.links_).Build(std::move(entries));
  *this = std::move(built);
}

void HeadwordIndex::Reserve(size_t count) {
  links_.reserve(count);
  trie_.Reserve(kUnitsPerEntry * count);
}

void HeadwordIndex::Clear() { *this = HeadwordIndex(); }

}  // namespace wordvault
}  // namespace tesvar
