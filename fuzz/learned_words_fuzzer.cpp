// The file of learned words and phrases (learned-words in the user's data folder), which the
// user or another program may have changed. What it learns must write back to a file that
// reads as the same words and phrases.
#include <cstddef>
#include <cstdint>
#include <string>

#include "completion/learned_phrases.h"
#include "completion/learned_words.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace keyloom;
  const std::string_view text = AsText(data, size);
  const LearnedWords words = LearnedWords::Parse(text);
  LearnedPhrases phrases;
  phrases.Parse(text);
  Check(phrases.size() <= LearnedPhrases::kMaxPhrases);
  const std::string written = words.Serialize() + phrases.Serialize();
  Check(LearnedWords::Parse(written).Serialize() == words.Serialize());
  LearnedPhrases again;
  again.Parse(written);
  Check(again.Serialize() == phrases.Serialize());
  return 0;
}
