// The phrase picker on any entries of a list file, found with any query, and the picker's chord
// as a settings value may hold it. The first byte says where the input splits into the launch
// keys, the send string and the query (at zero bytes).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "phrases/phrase_picker.h"
#include "phrases/phrase_ranking.h"
#include "phrases/picker_chord.h"
#include "platform/text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace keyloom;
  const std::string_view text = AsText(data, size);
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (std::size_t zero = text.find('\0'); zero != std::string_view::npos;
       zero = text.find('\0', start)) {
    parts.push_back(text.substr(start, zero - start));
    start = zero + 1;
  }
  parts.push_back(text.substr(start));
  const std::string_view query = parts.back();

  std::vector<PickableEntry> entries;
  for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
    entries.push_back({std::string(parts[i]), ReadablePhrase(parts[i + 1])});
    const std::string shown = PickerItemText(entries.back().launch_keys, entries.back().phrase, 60);
    Check(CodePointCount(shown) <= CodePointCount(entries.back().launch_keys) + 5 + 61);
  }
  const std::vector<std::size_t> ranked = RankEntries(entries, query);
  Check(ranked.size() <= entries.size());
  std::vector<bool> seen(entries.size(), false);
  for (const std::size_t index : ranked) {
    Check(index < entries.size() && !seen[index]);
    seen[index] = true;
  }
  if (TrimSpaces(query).empty()) Check(ranked.size() == entries.size());

  const ChordReading reading = ReadChordName(query);
  Check(!reading.chord || reading.problem.empty());
  if (reading.chord) Check(ReadChordName(ChordName(*reading.chord)).chord == reading.chord);
  return 0;
}
