// Replacement global operator new and delete that count, per thread, the
// calls and the bytes. Each block carries its size in a header in front of
// it, so that delete knows what it frees without relying on sized delete
// (which the standard library does not always call). The header keeps the
// alignment that operator new promises. Over-aligned new and delete are
// not replaced; they keep their own allocation and are not counted.
//
// The counters are thread_local: a benchmark thread never contends with
// another for them. These are the only mutable globals in the project, and
// they exist only in the binaries that measure memory.

#include "bench/allocation_counter.h"

#include <cstddef>
#include <cstdlib>
#include <new>

namespace {

constexpr std::size_t kHeader = alignof(std::max_align_t);

thread_local tesvar::bench::AllocationCounts counts;

// nullptr when the system is out of memory.
void* TryAllocate(std::size_t size) {
  void* block = std::malloc(size + kHeader);
  if (block == nullptr) return nullptr;
  *static_cast<std::size_t*>(block) = size;
  ++counts.allocations;
  counts.bytes += static_cast<int64_t>(size);
  if (counts.live_bytes() > counts.peak_live_bytes) {
    counts.peak_live_bytes = counts.live_bytes();
  }
  return static_cast<char*>(block) + kHeader;
}

// The throwing forms must keep the contract of operator new, which reports
// exhaustion with std::bad_alloc.
void* Allocate(std::size_t size) {
  void* pointer = TryAllocate(size);
  if (pointer == nullptr) throw std::bad_alloc();
  return pointer;
}

void Free(void* pointer) {
  if (pointer == nullptr) return;
  void* block = static_cast<char*>(pointer) - kHeader;
  counts.freed_bytes += static_cast<int64_t>(*static_cast<std::size_t*>(block));
  std::free(block);
}

}  // namespace

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return TryAllocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return TryAllocate(size);
}
void operator delete(void* pointer) noexcept { Free(pointer); }
void operator delete[](void* pointer) noexcept { Free(pointer); }
void operator delete(void* pointer, std::size_t) noexcept { Free(pointer); }
void operator delete[](void* pointer, std::size_t) noexcept { Free(pointer); }
void operator delete(void* pointer, const std::nothrow_t&) noexcept {
  Free(pointer);
}
void operator delete[](void* pointer, const std::nothrow_t&) noexcept {
  Free(pointer);
}

namespace tesvar {
namespace bench {

AllocationCounts ThreadAllocationCounts() { return counts; }

void ResetThreadPeak() { counts.peak_live_bytes = counts.live_bytes(); }

AllocationCounts operator-(const AllocationCounts& after,
                           const AllocationCounts& before) {
  AllocationCounts difference;
  difference.allocations = after.allocations - before.allocations;
  difference.bytes = after.bytes - before.bytes;
  difference.freed_bytes = after.freed_bytes - before.freed_bytes;
  difference.peak_live_bytes = after.peak_live_bytes - before.live_bytes();
  return difference;
}

}  // namespace bench
}  // namespace tesvar
