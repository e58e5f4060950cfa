// The steps of playback that do work in proportion to the send string: the erase keys, macro
// expansion and reading a key string into actions.
#include <benchmark/benchmark.h>

#include <string>

#include "phrases/macros.h"
#include "phrases/playback.h"
#include "platform/fake/fake_clock.h"
#include "platform/key_string.h"

namespace keyloom {
namespace {

void BM_EraseKeys(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(EraseKeys("signature"));
}
BENCHMARK(BM_EraseKeys);

void BM_ExpandMacros(benchmark::State& state) {
  FakeClock clock;
  clock.set_now({2026, 12, 7, 15, 4, 5});
  const std::string send_string =
      "Written on %(date)% at %(time)% (%(now)%), that is %(longdate)%; %(name)% stays.";
  for (auto _ : state) benchmark::DoNotOptimize(ExpandMacros(send_string, clock));
}
BENCHMARK(BM_ExpandMacros);

// Text, named keys with and without counts, modifiers on keys and on groups, Enter.
std::string KeyString1000() {
  const std::string piece = "Dear reader,{ENTER}+(hello) ^{HOME}{TAB 2}%{F4}{{}x{}}~";
  std::string text;
  while (text.size() + piece.size() <= 1000) text += piece;
  text.append(1000 - text.size(), 'z');
  return text;
}

void BM_ParseKeyString1000(benchmark::State& state) {
  const std::string key_string = KeyString1000();
  for (auto _ : state) benchmark::DoNotOptimize(ParseKeyString(key_string));
  state.counters["characters"] = static_cast<double>(key_string.size());
}
BENCHMARK(BM_ParseKeyString1000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace keyloom

BENCHMARK_MAIN();
