#include "tools/wordstore/wordstore_tool.h"

#include <charconv>
#include <optional>
#include <string_view>

#include "platform/text.h"

#include "completion/language_model.h"
#include "completion/language_model_counts.h"
#include "completion/word_store.h"
#include "tools/wordstore/word_list.h"

namespace keyloom {
namespace {

constexpr int kFailure = 1;
constexpr int kUsageError = 2;
constexpr std::size_t kDefaultCount = 15;

constexpr std::string_view kUsage =
    "usage: wordstore build LIST OUT [--iterations N]   seal a word list (one entry a line,\n"
    "                                                   most frequent first) into a store\n"
    "       wordstore list STORE                        print every word in store order\n"
    "       wordstore query STORE PREFIX [COUNT]        print the first COUNT (15) words that\n"
    "                                                   begin with PREFIX, ignoring case\n"
    "       wordstore model COUNTS OUT                  build a language model from counts\n"
    "       wordstore predict MODEL [WORD...] PREFIX    print the 15 likeliest words after\n"
    "                                                   WORDs that begin with PREFIX\n";

template <typename Number>
std::optional<Number> ParseNumber(std::string_view text) {
  Number value{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

class Tool {
 public:
  Tool(FileSystem& files, std::ostream& out, std::ostream& err)
      : files_(files), out_(out), err_(err) {}

  int Build(const std::string& list_path, const std::string& store_path, std::uint32_t iterations) {
    const std::optional<std::string> text = files_.ReadFile(list_path);
    if (!text) return Fail("cannot read " + list_path);
    const WordList list = ParseWordList(*text);
    if (list.bad_line != 0) {
      return Fail(list_path + ":" + std::to_string(list.bad_line) + ": not UTF-8");
    }
    const std::optional<std::string> store =
        SealWordStore(list.words, kWordStorePassword, iterations);
    if (!store) return Fail("cannot seal the store");
    if (!files_.ReplaceFile(store_path, *store)) return Fail("cannot write " + store_path);
    out_ << list.words.size() << " words written to " << store_path;
    if (list.duplicates != 0) out_ << " (" << list.duplicates << " repeated entries left out)";
    out_ << '\n';
    return 0;
  }

  int List(const std::string& store_path) {
    const std::optional<WordStore> store = OpenStore(store_path);
    if (!store) return kFailure;
    for (std::size_t row = 0; row < store->size(); ++row) out_ << store->Row(row) << '\n';
    return 0;
  }

  int Query(const std::string& store_path, std::string_view prefix, std::size_t count) {
    const std::optional<WordStore> store = OpenStore(store_path);
    if (!store) return kFailure;
    for (std::string_view word : store->Lookup(prefix, count)) out_ << word << '\n';
    return 0;
  }

  int Model(const std::string& counts_path, const std::string& model_path) {
    const std::optional<std::string> text = files_.ReadFile(counts_path);
    if (!text) return Fail("cannot read " + counts_path);
    std::string error;
    const std::optional<LanguageModelData> model = BuildLanguageModel(*text, error);
    if (!model) return Fail(counts_path + ": " + error);
    if (!files_.ReplaceFile(model_path, EncodeLanguageModel(*model))) {
      return Fail("cannot write " + model_path);
    }
    out_ << model->counts.size() << " words, " << model->pair_followers.size() << " pairs and "
         << model->triple_followers.size() << " triples written to " << model_path << '\n';
    return 0;
  }

  int Predict(const std::string& model_path, const std::vector<std::string>& words,
              std::string_view prefix) {
    const std::optional<std::string> bytes = files_.ReadFile(model_path);
    if (!bytes) return Fail("cannot read " + model_path);
    const std::optional<LanguageModel> model = LanguageModel::Open(*bytes);
    if (!model) return Fail(model_path + ": not a language model, or damaged");
    WordContext context;
    for (const std::string& word : words) context.Push(ToLower(word));
    for (std::string_view word : model->Predict(context, prefix, kDefaultCount)) {
      out_ << word << '\n';
    }
    return 0;
  }

  int Usage(std::string_view problem) {
    err_ << "wordstore: " << problem << '\n' << kUsage;
    return kUsageError;
  }

 private:
  std::optional<WordStore> OpenStore(const std::string& path) {
    const std::optional<std::string> bytes = files_.ReadFile(path);
    if (!bytes) {
      Fail("cannot read " + path);
      return std::nullopt;
    }
    std::optional<WordStore> store = WordStore::Open(*bytes);
    if (!store) Fail(path + ": not a word store, damaged, or sealed with another password");
    return store;
  }

  int Fail(const std::string& problem) {
    err_ << "wordstore: " << problem << '\n';
    return kFailure;
  }

  FileSystem& files_;
  std::ostream& out_;
  std::ostream& err_;
};

}  // namespace

int RunWordStoreTool(const std::vector<std::string>& args, FileSystem& files, std::ostream& out,
                     std::ostream& err) {
  Tool tool(files, out, err);
  const std::string_view command = args.empty() ? std::string_view() : std::string_view(args[0]);
  if (command == "build" && (args.size() == 3 || args.size() == 5)) {
    std::uint32_t iterations = kWordStoreDefaultIterations;
    if (args.size() == 5) {
      const std::optional<std::uint32_t> parsed = ParseNumber<std::uint32_t>(args[4]);
      if (args[3] != "--iterations" || !parsed || *parsed == 0 ||
          *parsed > kWordStoreMaxIterations) {
        return tool.Usage("--iterations takes a count from 1 to " +
                          std::to_string(kWordStoreMaxIterations));
      }
      iterations = *parsed;
    }
    return tool.Build(args[1], args[2], iterations);
  }
  if (command == "list" && args.size() == 2) return tool.List(args[1]);
  if (command == "query" && (args.size() == 3 || args.size() == 4)) {
    std::optional<std::size_t> count = kDefaultCount;
    if (args.size() == 4) count = ParseNumber<std::size_t>(args[3]);
    if (!count) return tool.Usage("COUNT must be a whole number");
    return tool.Query(args[1], args[2], *count);
  }
  if (command == "model" && args.size() == 3) return tool.Model(args[1], args[2]);
  if (command == "predict" && args.size() >= 3) {
    return tool.Predict(args[1], {args.begin() + 2, args.end() - 1}, args.back());
  }
  return tool.Usage(command.empty() ? "no command" : "unknown command or wrong arguments");
}

}  // namespace keyloom
