#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

// Finds the smallest values of any range of a fixed array in constant time per value. The word
// store keeps its rows' store positions in sorted order here, so the rows that match a prefix
// form a range and the first N of them in store order are that range's N smallest values.
//
// Positions are grouped in blocks of 32. Within a block, a bit mask per position marks the values
// that are smaller than every later value of the block up to that position, so the minimum of a
// part of a block is the lowest marked bit. Across whole blocks a sparse table of block minima
// answers in two look-ups.
namespace keyloom {

class RangeMinimum {
 public:
  explicit RangeMinimum(std::vector<std::uint32_t> values);

  const std::vector<std::uint32_t>& values() const { return values_; }

  // The position of the smallest value in [first, last); requires first < last <= size.
  std::uint32_t ArgMin(std::uint32_t first, std::uint32_t last) const;

  // Calls visit(value) for the `count` smallest values of [first, last), smallest first.
  template <typename Visit>
  void VisitSmallest(std::uint32_t first, std::uint32_t last, std::size_t count, Visit visit) const;

  // Bytes held, for the memory budget of the open store.
  std::size_t MemoryBytes() const;

 private:
  // The minimum of a part of one block, both ends inclusive.
  std::uint32_t InBlock(std::uint32_t first, std::uint32_t back) const;
  // The minimum of whole blocks, both ends inclusive.
  std::uint32_t AcrossBlocks(std::uint32_t first_block, std::uint32_t last_block) const;
  std::uint32_t Smaller(std::uint32_t a, std::uint32_t b) const {
    return values_[b] < values_[a] ? b : a;
  }

  std::vector<std::uint32_t> values_;
  std::vector<std::uint32_t> masks_;         // one per position
  std::vector<std::uint32_t> sparse_;        // level k: minima of 2^k blocks from each block
  std::vector<std::uint32_t> level_starts_;  // where each level begins in sparse_
};

template <typename Visit>
void RangeMinimum::VisitSmallest(std::uint32_t first, std::uint32_t last, std::size_t count,
                                 Visit visit) const {
  if (first >= last || count == 0) return;
  // A part of the range not yet searched, keyed by its smallest value.
  struct Part {
    std::uint32_t value;
    std::uint32_t at;
    std::uint32_t first;
    std::uint32_t last;
  };
  auto later = [](const Part& a, const Part& b) { return a.value > b.value; };
  // Each visit replaces one part by at most two, so count + 1 parts are the most ever held;
  // short lists keep the heap on the stack.
  constexpr std::size_t kLocalParts = 32;
  std::array<Part, kLocalParts> local;
  std::vector<Part> spilled;
  const std::size_t needed = std::min<std::size_t>(count, last - first) + 1;
  Part* heap = local.data();
  if (needed > kLocalParts) {
    spilled.resize(needed);
    heap = spilled.data();
  }
  std::size_t size = 0;
  auto push = [&](std::uint32_t part_first, std::uint32_t part_last) {
    if (part_first >= part_last) return;
    const std::uint32_t at = ArgMin(part_first, part_last);
    heap[size++] = Part{values_[at], at, part_first, part_last};
    std::push_heap(heap, heap + size, later);
  };
  push(first, last);
  for (std::size_t visited = 0; visited < count && size > 0; ++visited) {
    std::pop_heap(heap, heap + size, later);
    const Part part = heap[--size];
    visit(part.value);
    push(part.first, part.at);
    push(part.at + 1, part.last);
  }
}

}  // namespace keyloom
