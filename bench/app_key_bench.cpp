// Key events through each program's key handler, as the hook delivers them: the path that
// every key press of the desktop takes.
#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>

#include "bench/bench_fixtures.h"
#include "platform/key_event.h"

namespace keyloom {
namespace {

// Letters that extend the launch buffer, and Enter, which clears it without a search.
constexpr std::array<int, 8> kKeysWithoutLaunch = {'H', 'E', 'L', 'L', 'O', 'W', 'D', kVkEnter};

void BM_QuipcastKeyWithoutLaunch(benchmark::State& state) {
  QuipcastOnFakes quipcast(1000);
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(quipcast.Press(kKeysWithoutLaunch[next]));
    next = next + 1 == kKeysWithoutLaunch.size() ? 0 : next + 1;
  }
}
BENCHMARK(BM_QuipcastKeyWithoutLaunch);

// Space after launch keys that no entry has: the search walks the whole list. The three
// letters before it are part of each iteration.
void BM_QuipcastLaunchSearchOnSpace(benchmark::State& state) {
  QuipcastOnFakes quipcast(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    quipcast.Press('Z');
    quipcast.Press('Q');
    quipcast.Press('X');
    benchmark::DoNotOptimize(quipcast.Press(kVkSpace));
  }
}
BENCHMARK(BM_QuipcastLaunchSearchOnSpace)
    ->Arg(10)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMicrosecond);

// The phrase picker: its chord shows every entry, each of the two letters typed then ranks them
// all again, and Escape closes it.
void BM_QuipcastPickerKeys(benchmark::State& state) {
  QuipcastOnFakes quipcast(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    quipcast.Press(kVkSpace, kCtrlMask | kShiftMask);
    quipcast.Press('P');
    quipcast.Press('H');
    benchmark::DoNotOptimize(quipcast.Press(kVkEscape));
  }
}
BENCHMARK(BM_QuipcastPickerKeys)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

#ifdef KEYLOOM_WORDS_MDB
// Two letters stay below the lookup threshold; Enter ends the word.
void BM_KeyloomKeyWithoutLookup(benchmark::State& state) {
  KeyloomOnFakes keyloom(ReadBenchFile(KEYLOOM_WORDS_MDB));
  constexpr std::array<int, 3> kKeys = {'T', 'H', kVkEnter};
  std::size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(keyloom.Press(kKeys[next]));
    next = next + 1 == kKeys.size() ? 0 : next + 1;
  }
}
BENCHMARK(BM_KeyloomKeyWithoutLookup);

// "the" looks up the shipped store on its third letter and fills the pop-up; Enter hides it.
void BM_KeyloomWordWithLookup(benchmark::State& state) {
  KeyloomOnFakes keyloom(ReadBenchFile(KEYLOOM_WORDS_MDB));
  for (auto _ : state) {
    keyloom.Press('T');
    keyloom.Press('H');
    keyloom.Press('E');
    benchmark::DoNotOptimize(keyloom.Press(kVkEnter));
  }
}
BENCHMARK(BM_KeyloomWordWithLookup)->Unit(benchmark::kMicrosecond);
#endif

}  // namespace
}  // namespace keyloom

BENCHMARK_MAIN();
