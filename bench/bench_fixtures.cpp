#include "bench/bench_fixtures.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "phrases/quipcast_app.h"
#include "quipcast/quipcast_window_design.h"
#include "shell/list_file.h"

namespace keyloom {

std::vector<std::string> BenchEntryLines(std::size_t count) {
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < count; ++i) {
    lines.push_back("{S} - a" + std::to_string(i) + " - Phrase number " + std::to_string(i) +
                    ", typed when its launch keys end with Space.");
  }
  return lines;
}

std::string ReadBenchFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

QuipcastOnFakes::QuipcastOnFakes(std::size_t entries) {
  platform_.files().SetFile(
      JoinPath(platform_.folders().program, "defaultkeys.kyl"),
      EncodeListFile(ListLayout::kPhrases, BenchEntryLines(entries), Windows1252()));
  app_ = std::make_unique<QuipcastApp>(shell_, platform_, QuipcastWindowDesign());
  app_->Start();
  if (app_->app_shell().list().size() != entries) throw std::logic_error("entries not loaded");
}

QuipcastOnFakes::~QuipcastOnFakes() = default;

}  // namespace keyloom
