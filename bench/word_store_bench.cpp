// Opening a store and looking up prefixes of 1, 2, 3 and 5 letters in it, as the completer does
// after each typed character: the shipped store, and a store of 500,000 words that the build
// makes with the wordstore tool from a generated list. Besides the mean over all prefixes of a
// length, each lookup benchmark reports the median and the slowest prefix (counters median_ns
// and slowest_ns): every prefix is timed on its own, its best batch taken to leave out the
// noise of a shared machine. Where a length has very many prefixes, an evenly spread sample of
// them is timed. The learned-words benchmark times the whole lookup of a completer that has
// learned 10,000 words: the learned words, the store, and the two merged.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "completion/candidate_merge.h"
#include "completion/language_model.h"
#include "completion/learned_words.h"
#include "completion/word_store.h"
#include "platform/text.h"

namespace keyloom {
namespace {

constexpr std::size_t kShownWords = 15;

constexpr std::size_t kMostTimedPrefixes = 5000;

// A store to measure: its file and the word list it was built from.
struct StoreFiles {
  const char* store;
  const char* word_list;
};

const StoreFiles kShippedStore{KEYLOOM_WORDS_MDB, KEYLOOM_WORD_LIST};
#ifdef KEYLOOM_LARGE_WORDS_MDB
const StoreFiles kLargeStore{KEYLOOM_LARGE_WORDS_MDB, KEYLOOM_LARGE_WORD_LIST};
#endif

std::string ReadWholeFile(const char* path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

struct OpenedStore {
  std::string bytes;
  WordStore store;
};

// Each store is read and opened once, on first use.
const OpenedStore& Opened(const StoreFiles& files) {
  static std::map<const char*, std::unique_ptr<OpenedStore>> opened;
  std::unique_ptr<OpenedStore>& entry = opened[files.store];
  if (!entry) {
    std::string bytes = ReadWholeFile(files.store);
    std::optional<WordStore> store = WordStore::Open(bytes);
    if (!store) throw std::runtime_error(std::string("the store does not open: ") + files.store);
    entry.reset(new OpenedStore{std::move(bytes), std::move(*store)});
  }
  return *entry;
}

// The lower-case prefixes of `length` code points that the store's words begin with, as the
// current word is typed in lower case.
std::vector<std::string> TypedPrefixes(const WordStore& store, std::size_t length) {
  std::set<std::string> prefixes;
  for (std::size_t row = 0; row < store.size(); ++row) {
    const std::string_view word = store.Row(row);
    if (CodePointCount(word) < length) continue;
    const std::string_view rest = DropCodePoints(word, length);
    prefixes.insert(ToLower(word.substr(0, word.size() - rest.size())));
  }
  return {prefixes.begin(), prefixes.end()};
}

// At most kMostTimedPrefixes of `prefixes`, evenly spread over them.
std::vector<std::string> TimedPrefixes(const std::vector<std::string>& prefixes) {
  if (prefixes.size() <= kMostTimedPrefixes) return prefixes;
  std::vector<std::string> sample;
  for (std::size_t i = 0; i < kMostTimedPrefixes; ++i) {
    sample.push_back(prefixes[i * prefixes.size() / kMostTimedPrefixes]);
  }
  return sample;
}

template <typename Lookup>
double BestNanosecondsPerLookup(const Lookup& lookup, const std::string& prefix) {
  constexpr int kBatches = 5;
  constexpr int kCallsPerBatch = 40;
  double best = 1e18;
  for (int batch = 0; batch < kBatches; ++batch) {
    const auto start = std::chrono::steady_clock::now();
    for (int call = 0; call < kCallsPerBatch; ++call) benchmark::DoNotOptimize(lookup(prefix));
    const std::chrono::duration<double, std::nano> spent = std::chrono::steady_clock::now() - start;
    best = std::min(best, spent.count() / kCallsPerBatch);
  }
  return best;
}

void BM_OpenStore(benchmark::State& state, const StoreFiles& files) {
  const std::string& bytes = Opened(files).bytes;
  std::size_t memory = 0;
  for (auto _ : state) {
    std::optional<WordStore> store = WordStore::Open(bytes);
    if (!store) state.SkipWithError("the store does not open");
    memory = store ? store->MemoryBytes() : 0;
    benchmark::DoNotOptimize(store);
  }
  const double list_size = static_cast<double>(ReadWholeFile(files.word_list).size());
  state.counters["words"] = static_cast<double>(Opened(files).store.size());
  state.counters["memory_bytes"] = static_cast<double>(memory);
  state.counters["memory_per_list_byte"] = static_cast<double>(memory) / list_size;
}

// Opening a language's model, as Keyloom does when Predict Words is on: reading the file
// included, since the model is not held in memory before.
void BM_OpenModel(benchmark::State& state, const char* file_name) {
  const std::string path = std::string(KEYLOOM_STORES_DIR) + "/" + file_name;
  std::size_t memory = 0;
  std::size_t file_size = 0;
  for (auto _ : state) {
    const std::string bytes = ReadWholeFile(path.c_str());
    file_size = bytes.size();
    std::optional<LanguageModel> model = LanguageModel::Open(bytes);
    if (!model) state.SkipWithError("the model does not open");
    memory = model ? model->MemoryBytes() : 0;
    benchmark::DoNotOptimize(model);
  }
  state.counters["file_bytes"] = static_cast<double>(file_size);
  state.counters["memory_bytes"] = static_cast<double>(memory);
}

// Times `lookup` on every typed prefix of the store's words of state.range(0) letters.
template <typename Lookup>
void MeasurePrefixes(benchmark::State& state, const WordStore& store, const Lookup& lookup) {
  const std::vector<std::string> prefixes =
      TypedPrefixes(store, static_cast<std::size_t>(state.range(0)));
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(lookup(prefixes[next]));
    next = next + 1 == prefixes.size() ? 0 : next + 1;
  }
  std::vector<double> times;
  for (const std::string& prefix : TimedPrefixes(prefixes)) {
    times.push_back(BestNanosecondsPerLookup(lookup, prefix));
  }
  std::sort(times.begin(), times.end());
  state.counters["prefixes"] = static_cast<double>(prefixes.size());
  state.counters["timed_prefixes"] = static_cast<double>(times.size());
  state.counters["median_ns"] = times[times.size() / 2];
  state.counters["slowest_ns"] = times.back();
}

void BM_LookupPrefix(benchmark::State& state, const StoreFiles& files) {
  const WordStore& store = Opened(files).store;
  MeasurePrefixes(state, store, [&store](const std::string& prefix) {
    return store.Lookup(prefix, kShownWords);
  });
}

// 10,000 of the store's words learned, each used 3 to 9 times.
LearnedWords TenThousandLearned(const WordStore& store) {
  constexpr std::size_t kLearned = 10000;
  LearnedWords learned;
  for (std::size_t row = 0; row < store.size() && learned.size() < kLearned; row += 3) {
    const std::string_view word = store.Row(row);
    for (std::size_t use = 0; use < LearnedWords::kMinUses + row % 7; ++use) {
      if (!learned.CountUse(word)) break;
    }
  }
  return learned;
}

void BM_LookupWithLearnedWords(benchmark::State& state, const StoreFiles& files) {
  const WordStore& store = Opened(files).store;
  const LearnedWords learned = TenThousandLearned(store);
  MeasurePrefixes(state, store, [&](const std::string& prefix) {
    std::vector<std::vector<std::string_view>> sources;
    const std::size_t offered = sources.emplace_back(learned.Lookup(prefix, kShownWords)).size();
    sources.push_back(store.Lookup(prefix, kShownWords + offered));
    return MergeCandidates(sources, kShownWords);
  });
  state.counters["learned_words"] = static_cast<double>(learned.size());
}

void LookupArgs(benchmark::internal::Benchmark* b) {
  b->ArgName("letters")->Arg(1)->Arg(2)->Arg(3)->Arg(5)->Unit(benchmark::kNanosecond);
}

BENCHMARK_CAPTURE(BM_OpenStore, shipped, kShippedStore)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);
BENCHMARK_CAPTURE(BM_LookupPrefix, shipped, kShippedStore)->Apply(LookupArgs);
BENCHMARK_CAPTURE(BM_LookupWithLearnedWords, shipped, kShippedStore)
    ->ArgName("letters")
    ->Arg(3)
    ->Unit(benchmark::kNanosecond);
BENCHMARK_CAPTURE(BM_OpenModel, en, "words.model")->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK_CAPTURE(BM_OpenModel, de, "words-de.model")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);
#ifdef KEYLOOM_LARGE_WORDS_MDB
BENCHMARK_CAPTURE(BM_OpenStore, large, kLargeStore)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK_CAPTURE(BM_LookupPrefix, large, kLargeStore)->Apply(LookupArgs);
#endif

}  // namespace
}  // namespace keyloom

BENCHMARK_MAIN();
