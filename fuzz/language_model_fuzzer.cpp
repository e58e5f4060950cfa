// The language model's readers. The first byte chooses what the rest is:
//  - even: a model file, as words.model;
//  - odd: the counts text that `wordstore model` builds a model from; a model built from it must
//    read back from its own file.
// A model that opens must predict only words of the prefix, at most as many as asked for, and
// the same after a round trip through its file.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "completion/language_model.h"
#include "completion/language_model_counts.h"
#include "fuzz/fuzz_support.h"

namespace keyloom {
namespace {

std::vector<std::string_view> Predicted(const LanguageModel& model, const WordContext& context,
                                        std::string_view prefix, std::size_t limit) {
  const std::vector<std::string_view> words = model.Predict(context, prefix, limit);
  Check(words.size() <= limit);
  for (std::string_view word : words) Check(StartsWithNoCase(word, prefix));
  return words;
}

// After nothing, a sentence's start, and the first predicted words, with prefixes of them.
void CheckPredictions(const LanguageModel& model) {
  const std::vector<std::string_view> first = Predicted(model, {{}, true}, "", 3);
  std::vector<WordContext> contexts = {{{}, false}, {{}, true}};
  for (std::string_view word : first) {
    contexts.push_back({{ToLower(word)}, true});
    contexts.push_back({{ToLower(first.front()), ToLower(word)}, false});
  }
  for (const WordContext& context : contexts) {
    for (std::string_view word : first) {
      const std::string_view rest = DropCodePoints(word, 1);
      Predicted(model, context, word.substr(0, word.size() - rest.size()), 5);
    }
    Predicted(model, context, "", 15);
  }
}

}  // namespace
}  // namespace keyloom

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace keyloom;
  if (size == 0) return 0;
  const std::string_view rest = AsText(data + 1, size - 1);
  if (data[0] % 2 == 0) {
    if (const std::optional<LanguageModel> model = LanguageModel::Open(rest)) {
      CheckPredictions(*model);
    }
    return 0;
  }
  std::string error;
  const std::optional<LanguageModelData> built = BuildLanguageModel(rest, error);
  Check(built.has_value() || !error.empty());
  if (!built) return 0;
  const std::string file = EncodeLanguageModel(*built);
  const std::optional<LanguageModel> model = LanguageModel::Open(file);
  Check(model.has_value());
  Check(EncodeLanguageModel(DecodeLanguageModel(file).value()) == file);
  CheckPredictions(*model);
  return 0;
}
