#pragma once

#include <functional>
#include <string_view>

namespace keyloom {

// Calls take(count, rest) for every line "COUNT<TAB>REST" of `text` whose count is a whole
// number above zero; other lines are skipped. The learned words and phrases are kept so.
void ForEachCountLine(std::string_view text,
                      const std::function<void(int count, std::string_view rest)>& take);

// count + more, at most the largest int.
int AddCounts(int count, int more);

}  // namespace keyloom
