// The replaceable global allocation functions, counting the bytes in use. Each block carries
// its size in a header of the fundamental alignment, so that the unsized delete can count too.
// The aligned forms are left to the library: they never reach these.
#include "tests/soak/live_heap.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace keyloom {
namespace {

constexpr std::size_t kHeader = alignof(std::max_align_t);
std::atomic<std::size_t> live_bytes{0};

void* Allocate(std::size_t size) noexcept {
  void* block = std::malloc(size + kHeader);
  if (block == nullptr) return nullptr;
  *static_cast<std::size_t*>(block) = size;
  live_bytes.fetch_add(size, std::memory_order_relaxed);
  return static_cast<char*>(block) + kHeader;
}

void Free(void* pointer) noexcept {
  if (pointer == nullptr) return;
  void* block = static_cast<char*>(pointer) - kHeader;
  live_bytes.fetch_sub(*static_cast<std::size_t*>(block), std::memory_order_relaxed);
  std::free(block);
}

void* AllocateOrThrow(std::size_t size) {
  void* pointer = Allocate(size);
  if (pointer == nullptr) throw std::bad_alloc();
  return pointer;
}

}  // namespace

std::size_t LiveHeapBytes() { return live_bytes.load(std::memory_order_relaxed); }

}  // namespace keyloom

void* operator new(std::size_t size) { return keyloom::AllocateOrThrow(size); }
void* operator new[](std::size_t size) { return keyloom::AllocateOrThrow(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  return keyloom::Allocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
  return keyloom::Allocate(size);
}
void operator delete(void* pointer) noexcept { keyloom::Free(pointer); }
void operator delete[](void* pointer) noexcept { keyloom::Free(pointer); }
void operator delete(void* pointer, std::size_t) noexcept { keyloom::Free(pointer); }
void operator delete[](void* pointer, std::size_t) noexcept { keyloom::Free(pointer); }
void operator delete(void* pointer, const std::nothrow_t&) noexcept { keyloom::Free(pointer); }
void operator delete[](void* pointer, const std::nothrow_t&) noexcept { keyloom::Free(pointer); }
