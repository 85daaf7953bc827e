// The lexicon and its loader when memory runs out, and what a load keeps
// live, measured with a replacement operator new (which is why this is a
// test binary of its own). Every allocation of a load is made to fail in
// turn: the load must report it and keep nothing, and Add must leave the
// lexicon as it was.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <new>
#include <string>
#include <vector>

#include "tesvar/lexicon_tsv.h"
#include "wordvault/lexicon_internal.h"

namespace {

// The allocator's state: this binary's only mutable global. Tests arm it
// around the call under test only, so that the test framework's own
// allocations never fail.
struct Heap {
  size_t live = 0;
  size_t peak = 0;
  long countdown = -1;        // allocations left before failing; -1: never fail
  bool keep_failing = false;  // after the first failure, or just that one
};
Heap heap;

constexpr size_t kSizeHeader = alignof(std::max_align_t);

void* TryAllocate(size_t size) noexcept {
  if (heap.countdown == 0) {
    if (!heap.keep_failing) heap.countdown = -1;
    return nullptr;
  }
  if (heap.countdown > 0) --heap.countdown;
  void* block = std::malloc(size + kSizeHeader);
  if (block == nullptr) return nullptr;
  *static_cast<size_t*>(block) = size;
  heap.live += size;
  if (heap.live > heap.peak) heap.peak = heap.live;
  return static_cast<char*>(block) + kSizeHeader;
}

void* Allocate(size_t size) {
  void* pointer = TryAllocate(size);
  if (pointer == nullptr) throw std::bad_alloc();
  return pointer;
}

void Free(void* pointer) noexcept {
  if (pointer == nullptr) return;
  void* block = static_cast<char*>(pointer) - kSizeHeader;
  heap.live -= *static_cast<size_t*>(block);
  std::free(block);
}

}  // namespace

void* operator new(size_t size) { return Allocate(size); }
void* operator new[](size_t size) { return Allocate(size); }
void* operator new(size_t size, const std::nothrow_t&) noexcept {
  return TryAllocate(size);
}
void* operator new[](size_t size, const std::nothrow_t&) noexcept {
  return TryAllocate(size);
}
void operator delete(void* pointer) noexcept { Free(pointer); }
void operator delete[](void* pointer) noexcept { Free(pointer); }
void operator delete(void* pointer, size_t) noexcept { Free(pointer); }
void operator delete[](void* pointer, size_t) noexcept { Free(pointer); }

namespace tesvar {
namespace {

void FailAfter(long allocations, bool keep_failing) {
  heap.countdown = allocations;
  heap.keep_failing = keep_failing;
}
void Disarm() { heap.countdown = -1; }

// Every field of every entry, to compare a lexicon with itself.
std::string Dump(const CLexicon& lexicon) {
  std::string out;
  for (const CLexicon::Entry& e : lexicon.entries()) {
    const CTWord& w = e.word;
    out += std::string(e.key) + "|" + std::string(w.m_strHeadword) + "|" +
           std::to_string(w.m_nPOS) + "|" + std::string(w.m_strDefinition) +
           "|" + std::string(w.m_strIrregularPlural) + "|" +
           std::to_string(w.m_bLanguage + 2 * w.m_bBodyPart +
                          4 * w.m_bInherentPlural + 8 * w.m_bIrregularPlural +
                          16 * w.m_bStative) +
           "\n";
  }
  return out;
}

// A lexicon text whose load takes every path that allocates: entries of
// every kind, homographs, a long headword, lint findings.
std::string Text() {
  std::string text = "# c\nkey\theadword\tpos\tdefinition\tflags\tplural\n";
  for (int i = 0; i < 60; ++i) {
    const std::string n = std::to_string(i);
    text += "k" + n + "\t" + (i % 3 == 0 ? "qet" : "h" + n) + "\t" +
            std::to_string(i % 9) + "\tsense " + n + "\tirregularplural\tpl" +
            n + "\n";
  }
  text += "long\t" + std::string(80, 'q') + "\tN\tx\t\t\nempty\t\tV\t \t\t\n";
  return text;
}

TEST(LexiconMemoryTest, LoadsReportRunningOutOfMemoryAndKeepNothing) {
  const std::string text = Text();
  const std::string path = "/tmp/tesvar-memory-" + std::to_string(getpid());
  std::ofstream(path, std::ios::binary) << text;
  for (const bool from_file : {false, true}) {
    for (const bool keep_failing : {false, true}) {
      long failures = 0;
      for (long n = 0;; ++n) {
        ASSERT_LT(n, 100000) << "a load that never finishes";
        CLexicon lexicon;
        lexicon.Add("stale", CTWord());
        std::vector<LexiconWarning> warnings;
        FailAfter(n, keep_failing);
        const Status status =
            from_file ? LoadLexiconTsvFile(path, &lexicon, {}, &warnings)
                      : ParseLexiconTsv(text, path, &lexicon, {}, &warnings);
        Disarm();
        if (status.ok()) {
          EXPECT_EQ(lexicon.size(), 62u);
          break;
        }
        ++failures;
        const std::string row = std::to_string(n) + (from_file ? " file" : "");
        ASSERT_EQ(status.code(), Status::Code::kOutOfMemory)
            << row << ": " << status.message();
        // With memory back, the message says where; without, it is short.
        if (keep_failing) {
          EXPECT_EQ(status.message(), "out of memory") << row;
        } else {
          EXPECT_EQ(status.message().find(path + ":"), 0u) << row;
          EXPECT_NE(status.message().find(": out of memory after "),
                    std::string::npos)
              << row;
        }
        EXPECT_TRUE(lexicon.empty()) << row;
      }
      EXPECT_GT(failures, 20) << "the load allocates, so it can fail";
    }
  }
  std::remove(path.c_str());
}

TEST(LexiconMemoryTest, AddChangesNothingWhenMemoryRunsOut) {
  CLexicon lexicon;
  std::vector<std::string> headwords;
  for (int i = 0; i < 300; ++i) {
    const std::string n = std::to_string(i);
    const std::string headword = i % 7 == 0   ? ""
                                 : i % 5 == 0 ? "qet"
                                 : i % 11 == 0
                                     ? std::string(64 + i % 5, 'a') + n
                                     : "h" + n;
    const std::string key = i % 2 == 0 ? headword + ":" + n : "k" + n;
    const std::string definition = "sense " + n;
    CTWord word;
    word.m_strHeadword = headword;
    word.m_strDefinition = definition;
    word.m_nPOS = i % 8;
    for (long n_fail = 0;; ++n_fail) {
      ASSERT_LT(n_fail, 100);
      const std::string before = Dump(lexicon);
      FailAfter(n_fail, false);
      try {
        const bool added = lexicon.Add(key, word);
        Disarm();
        ASSERT_TRUE(added) << key;
        break;
      } catch (const std::bad_alloc&) {
        Disarm();
        ASSERT_EQ(Dump(lexicon), before) << key << " failing at " << n_fail;
      }
    }
    headwords.push_back(headword);
  }
  // The indexes came through every failure intact.
  for (size_t i = 0; i < lexicon.size(); ++i) {
    EXPECT_EQ(lexicon.PositionOf(lexicon[i].key), i);
    std::vector<uint32_t> found;
    lexicon.FindHeadwordPrefixes(headwords[i], &found);
    size_t expected = 0;
    for (const std::string& other : headwords) {
      expected += headwords[i].compare(0, other.size(), other) == 0 ? 1 : 0;
    }
    EXPECT_EQ(found.size(), expected) << headwords[i];
  }
}

// Storage is reserved for the entries found, not for every line.
TEST(LexiconMemoryTest, BlankLinesCostNoMemory) {
  const std::string text = "key\theadword\tpos\tdefinition\n" +
                           std::string(10000000, '\n') + "k\tqet\tV\trun\n";
  const std::string path = "/tmp/tesvar-blank-" + std::to_string(getpid());
  std::ofstream(path, std::ios::binary) << text;
  for (const bool from_file : {false, true}) {
    CLexicon lexicon;
    heap.peak = heap.live;
    const size_t start = heap.live;
    const Status status = from_file
                              ? LoadLexiconTsvFile(path, &lexicon)
                              : ParseLexiconTsv(text, "blank.tsv", &lexicon);
    ASSERT_TRUE(status.ok()) << status.message();
    EXPECT_EQ(lexicon.size(), 1u);
    EXPECT_LT(heap.peak - start, size_t{1} << 20) << from_file;
  }
  std::remove(path.c_str());
}

}  // namespace
}  // namespace tesvar
