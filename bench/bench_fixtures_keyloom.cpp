#include "bench/bench_fixtures.h"

#include <stdexcept>
#include <utility>

#include "completion/keyloom_app.h"
#include "keyloom/keyloom_window_design.h"

namespace keyloom {

KeyloomOnFakes::KeyloomOnFakes(std::string store_bytes) {
  platform_.files().SetFile(JoinPath(platform_.folders().program, "words.mdb"),
                            std::move(store_bytes));
  app_ =
      std::make_unique<KeyloomApp>(shell_, platform_, KeyloomWindowDesign(), KeyloomPopupDesign());
  app_->Start();
  if (!app_->store_open()) throw std::logic_error("the word store did not open");
}

KeyloomOnFakes::~KeyloomOnFakes() = default;

}  // namespace keyloom
