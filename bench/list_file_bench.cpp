// Import and export of a list file of 10,000 items in each layout, on the real file system: the
// file is read, decoded and split, and its items merged into the sorted working list; or the
// list is encoded and the file replaced atomically.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/bench_fixtures.h"
#include "platform/file_system.h"
#include "shell/fake/fake_dialogs.h"
#include "shell/fake/fake_settings_store.h"
#include "shell/fake/fake_window.h"
#include "shell/list_file_commands.h"
#include "shell/working_list.h"

namespace keyloom {
namespace {

constexpr std::size_t kItems = 10000;

class NoEvents final : public WindowEvents {
 public:
  void OnCommand(std::string_view) override {}
};

std::vector<std::string> Items(ListLayout layout) {
  if (layout == ListLayout::kPhrases) return BenchEntryLines(kItems);
  std::vector<std::string> words;
  for (std::size_t i = 0; i < kItems; ++i) words.push_back("word" + std::to_string(i * 7919));
  return words;
}

// A main window's list and its File commands, with the list file in the temporary folder.
class ListFileBench {
 public:
  explicit ListFileBench(ListLayout layout)
      : window_(ListWindow(), events_),
        list_(window_, "List1"),
        path_((std::filesystem::temp_directory_path() /
               (layout == ListLayout::kPhrases ? "keyloom_bench.kyl" : "keyloom_bench.txt"))
                  .string()),
        commands_(Config(layout, path_), list_, dialogs_, settings_, StandardFileSystem(),
                  Windows1252()) {
    list_.AddAll(Items(layout));
    commands_.FileSave();
    list_.Clear();
  }
  ~ListFileBench() { std::filesystem::remove(path_); }

  WorkingList& list() { return list_; }
  ListFileCommands& commands() { return commands_; }
  const std::string& path() const { return path_; }

 private:
  static WindowDesign ListWindow() {
    WindowDesign design;
    design.id = "Form1";
    design.controls.push_back({ControlKind::kListBox, "List1", "", "", {}, 0});
    return design;
  }
  static ListFileConfig Config(ListLayout layout, const std::string& path) {
    ListFileConfig config;
    config.layout = layout;
    config.default_file = path;
    return config;
  }

  NoEvents events_;
  FakeWindow window_;
  WorkingList list_;
  FakeDialogs dialogs_;
  FakeSettingsStore settings_;
  std::string path_;
  ListFileCommands commands_;
};

void BM_ImportListFile(benchmark::State& state) {
  ListFileBench bench(static_cast<ListLayout>(state.range(0)));
  for (auto _ : state) {
    bench.commands().GetImportFile(bench.path());
    state.PauseTiming();
    if (bench.list().size() != kItems) state.SkipWithError("the import lost items");
    bench.list().Clear();
    state.ResumeTiming();
  }
}

void BM_ExportListFile(benchmark::State& state) {
  ListFileBench bench(static_cast<ListLayout>(state.range(0)));
  bench.commands().GetImportFile(bench.path());
  for (auto _ : state) {
    if (!bench.commands().ExportFile()) state.SkipWithError("the export failed");
  }
}

void LayoutArgs(benchmark::internal::Benchmark* b) {
  b->ArgName("layout")
      ->Arg(static_cast<int>(ListLayout::kPhrases))
      ->Arg(static_cast<int>(ListLayout::kWords))
      ->Unit(benchmark::kMillisecond);
}
BENCHMARK(BM_ImportListFile)->Apply(LayoutArgs);
BENCHMARK(BM_ExportListFile)->Apply(LayoutArgs);

}  // namespace
}  // namespace keyloom

BENCHMARK_MAIN();
