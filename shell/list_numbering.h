#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace keyloom {

// The items of a numbered list that one key can pick: the first nine.
inline constexpr std::size_t kNumberedItems = 9;

// What a numbered list box shows for `item` at `index`: "1. word" up to "9. word", and the
// item indented as far after them.
std::string NumberedItemText(std::size_t index, std::string_view item);

}  // namespace keyloom
