#include "bench/bench_fixtures.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "completion/completion_options.h"
#include "completion/keyloom_app.h"
#include "keyloom/keyloom_window_design.h"
#include "shell/settings.h"

namespace keyloom {

KeyloomOnFakes::KeyloomOnFakes(std::string store_bytes, std::vector<std::string_view> options,
                               std::string model_bytes) {
  const std::string& program = platform_.folders().program;
  platform_.files().SetFile(JoinPath(program, "words.mdb"), std::move(store_bytes));
  const bool predicting =
      std::find(options.begin(), options.end(), kPredictWordsItem) != options.end();
  if (!model_bytes.empty()) {
    platform_.files().SetFile(JoinPath(program, "words.model"), std::move(model_bytes));
  }
  for (std::string_view item : options) shell_.settings().Set(kOptionsSection, item, "1");
  app_ =
      std::make_unique<KeyloomApp>(shell_, platform_, KeyloomWindowDesign(), KeyloomPopupDesign());
  app_->Start();
  if (!app_->store_open()) throw std::logic_error("the word store did not open");
  if (predicting && platform_.files().ReadFile(JoinPath(program, "words.model")) &&
      !app_->model_open()) {
    throw std::logic_error("the language model did not open");
  }
}

KeyloomOnFakes::~KeyloomOnFakes() = default;

}  // namespace keyloom
