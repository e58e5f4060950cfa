// How long the input method engine holds a key while the programs decide it: one round trip
// over the local socket to each program, which answers at once. The programs' own work on the
// key is app_key_bench's.
#include <benchmark/benchmark.h>
#include <sys/socket.h>

#include <memory>
#include <thread>
#include <vector>

#include "platform/ibus/engine/program_relay.h"

namespace keyloom {
namespace {

// A program that answers every key at once without withholding it, until its socket closes.
void AnswerKeys(int socket) {
  LineChannel channel(socket);
  while (channel.AwaitData(-1)) {
    while (std::optional<std::string> line = channel.TakeLine()) {
      if (const std::optional<KeyReport> key = ParseKeyLine(*line)) {
        channel.Write(DoneLine(key->sequence, false));
      }
    }
  }
}

void BM_KeyRoundTrip(benchmark::State& state) {
  ProgramRelay relay([](const ProgramMessage&) {});
  std::vector<std::thread> programs;
  for (int i = 0; i < state.range(0); ++i) {
    int ends[2];
    if (socketpair(AF_UNIX, SOCK_STREAM, 0, ends) != 0) {
      state.SkipWithError("no socket pair");
      return;
    }
    relay.AddProgram(ends[0]);
    programs.emplace_back(AnswerKeys, ends[1]);
  }
  const KeyReport key{0, 'a', 30, 0, false, false, false, "gedit"};
  for (auto _ : state) benchmark::DoNotOptimize(relay.Report(key));
  state.SetLabel(std::to_string(state.range(0)) + " programs");
  // Closing the relay's ends lets the programs' threads end.
  relay = ProgramRelay([](const ProgramMessage&) {});
  for (std::thread& program : programs) program.join();
}
BENCHMARK(BM_KeyRoundTrip)->Arg(1)->Arg(2)->UseRealTime();

}  // namespace
}  // namespace keyloom

BENCHMARK_MAIN();
