#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace keyloom {

// The words of several sources as one list of candidates: the sources in the order given, each
// word once (compared without regard to case; the first spelling stays), at most `limit`.
std::vector<std::string> MergeCandidates(std::span<const std::vector<std::string_view>> sources,
                                         std::size_t limit);

// At most `limit` items of `sorted` (in the one case-insensitive order) that begin with
// `prefix`, without regard to case.
std::vector<std::string_view> ItemsWithPrefix(const std::vector<std::string>& sorted,
                                              std::string_view prefix, std::size_t limit);

}  // namespace keyloom
