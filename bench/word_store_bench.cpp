// Opening the shipped store and looking up prefixes of 1, 2, 3 and 5 letters in it, as the
// completer does after each typed character. Besides the mean over all prefixes of a length,
// each lookup benchmark reports the median and the slowest prefix (counters median_ns and
// slowest_ns): every prefix is timed on its own, its best batch taken to leave out the noise
// of a shared machine.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "completion/word_store.h"
#include "platform/text.h"

namespace keyloom {
namespace {

constexpr std::size_t kShownWords = 15;

std::string ReadWholeFile(const char* path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

const std::string& StoreBytes() {
  static const std::string bytes = ReadWholeFile(KEYLOOM_WORDS_MDB);
  return bytes;
}

const WordStore& Store() {
  static const WordStore store = WordStore::Open(StoreBytes()).value();
  return store;
}

// The lower-case prefixes of `length` code points that the store's words begin with, as the
// current word is typed in lower case.
std::vector<std::string> TypedPrefixes(std::size_t length) {
  std::set<std::string> prefixes;
  for (std::size_t row = 0; row < Store().size(); ++row) {
    const std::string_view word = Store().Row(row);
    if (CodePointCount(word) < length) continue;
    const std::string_view rest = DropCodePoints(word, length);
    prefixes.insert(ToLower(word.substr(0, word.size() - rest.size())));
  }
  return {prefixes.begin(), prefixes.end()};
}

double BestNanosecondsPerLookup(const std::string& prefix) {
  constexpr int kBatches = 5;
  constexpr int kCallsPerBatch = 40;
  double best = 1e18;
  for (int batch = 0; batch < kBatches; ++batch) {
    const auto start = std::chrono::steady_clock::now();
    for (int call = 0; call < kCallsPerBatch; ++call) {
      benchmark::DoNotOptimize(Store().Lookup(prefix, kShownWords));
    }
    const std::chrono::duration<double, std::nano> spent = std::chrono::steady_clock::now() - start;
    best = std::min(best, spent.count() / kCallsPerBatch);
  }
  return best;
}

void BM_OpenShippedStore(benchmark::State& state) {
  const std::string& bytes = StoreBytes();
  std::size_t memory = 0;
  for (auto _ : state) {
    std::optional<WordStore> store = WordStore::Open(bytes);
    if (!store) state.SkipWithError("the shipped store does not open");
    memory = store ? store->MemoryBytes() : 0;
    benchmark::DoNotOptimize(store);
  }
  const double list_size = static_cast<double>(ReadWholeFile(KEYLOOM_WORD_LIST).size());
  state.counters["words"] = static_cast<double>(Store().size());
  state.counters["memory_bytes"] = static_cast<double>(memory);
  state.counters["memory_per_list_byte"] = static_cast<double>(memory) / list_size;
}
BENCHMARK(BM_OpenShippedStore)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_LookupPrefix(benchmark::State& state) {
  const std::vector<std::string> prefixes = TypedPrefixes(static_cast<std::size_t>(state.range(0)));
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(Store().Lookup(prefixes[next], kShownWords));
    next = next + 1 == prefixes.size() ? 0 : next + 1;
  }
  std::vector<double> times;
  for (const std::string& prefix : prefixes) times.push_back(BestNanosecondsPerLookup(prefix));
  std::sort(times.begin(), times.end());
  state.counters["prefixes"] = static_cast<double>(prefixes.size());
  state.counters["median_ns"] = times[times.size() / 2];
  state.counters["slowest_ns"] = times.back();
}
BENCHMARK(BM_LookupPrefix)->Arg(1)->Arg(2)->Arg(3)->Arg(5)->Unit(benchmark::kNanosecond);

}  // namespace
}  // namespace keyloom

BENCHMARK_MAIN();
