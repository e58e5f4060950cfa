#include "completion/word_store_range_min.h"

#include <bit>

namespace keyloom {
namespace {

constexpr std::uint32_t kBlock = 32;

std::uint32_t HighestBit(std::uint32_t bits) { return std::bit_width(bits) - 1; }

}  // namespace

RangeMinimum::RangeMinimum(std::vector<std::uint32_t> values)
    : values_(std::move(values)), masks_(values_.size()) {
  const auto size = static_cast<std::uint32_t>(values_.size());
  for (std::uint32_t start = 0; start < size; start += kBlock) {
    std::uint32_t bits = 0;
    for (std::uint32_t at = start; at < std::min(start + kBlock, size); ++at) {
      while (bits != 0 && values_[start + HighestBit(bits)] > values_[at]) {
        bits &= ~(1u << HighestBit(bits));
      }
      bits |= 1u << (at - start);
      masks_[at] = bits;
    }
  }

  const std::uint32_t blocks = (size + kBlock - 1) / kBlock;
  for (std::uint32_t block = 0; block < blocks; ++block) {
    sparse_.push_back(InBlock(block * kBlock, std::min(block * kBlock + kBlock, size) - 1));
  }
  level_starts_.push_back(0);
  for (std::uint32_t span = 2; span <= blocks; span *= 2) {
    const std::uint32_t below = level_starts_.back();
    level_starts_.push_back(static_cast<std::uint32_t>(sparse_.size()));
    for (std::uint32_t block = 0; block + span <= blocks; ++block) {
      sparse_.push_back(Smaller(sparse_[below + block], sparse_[below + block + span / 2]));
    }
  }
  sparse_.shrink_to_fit();
}

std::uint32_t RangeMinimum::ArgMin(std::uint32_t first, std::uint32_t last) const {
  const std::uint32_t back = last - 1;
  const std::uint32_t first_block = first / kBlock;
  const std::uint32_t last_block = back / kBlock;
  if (first_block == last_block) return InBlock(first, back);
  std::uint32_t best = Smaller(InBlock(first, first_block * kBlock + kBlock - 1),
                               InBlock(last_block * kBlock, back));
  if (last_block - first_block > 1) {
    best = Smaller(best, AcrossBlocks(first_block + 1, last_block - 1));
  }
  return best;
}

std::uint32_t RangeMinimum::InBlock(std::uint32_t first, std::uint32_t back) const {
  const std::uint32_t marked = masks_[back] & (~0u << (first % kBlock));
  return back - back % kBlock + static_cast<std::uint32_t>(std::countr_zero(marked));
}

std::uint32_t RangeMinimum::AcrossBlocks(std::uint32_t first_block,
                                         std::uint32_t last_block) const {
  const std::uint32_t level = HighestBit(last_block - first_block + 1);
  const std::uint32_t start = level_starts_[level];
  return Smaller(sparse_[start + first_block], sparse_[start + last_block - (1u << level) + 1]);
}

std::size_t RangeMinimum::MemoryBytes() const {
  return (values_.capacity() + masks_.capacity() + sparse_.capacity() + level_starts_.capacity()) *
         sizeof(std::uint32_t);
}

}  // namespace keyloom
