#include "bench/bench_fixtures.h"

#include <stdexcept>
#include <utility>

#include "completion/keyloom_app.h"
#include "keyloom/keyloom_window_design.h"
#include "shell/settings.h"

namespace keyloom {

KeyloomOnFakes::KeyloomOnFakes(std::string store_bytes, std::vector<std::string_view> options) {
  platform_.files().SetFile(JoinPath(platform_.folders().program, "words.mdb"),
                            std::move(store_bytes));
  for (std::string_view item : options) shell_.settings().Set(kOptionsSection, item, "1");
  app_ =
      std::make_unique<KeyloomApp>(shell_, platform_, KeyloomWindowDesign(), KeyloomPopupDesign());
  app_->Start();
  if (!app_->store_open()) throw std::logic_error("the word store did not open");
}

KeyloomOnFakes::~KeyloomOnFakes() = default;

}  // namespace keyloom
