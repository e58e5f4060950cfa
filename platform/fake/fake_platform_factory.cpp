// The fake backend's factory, in a file of its own so that tests that link the fakes beside a
// real backend pull it in only when nothing else defines CreatePlatform.
#include "platform/fake/fake_platform.h"

namespace keyloom {

std::unique_ptr<Platform> CreatePlatform(std::string& /*error*/) {
  return std::make_unique<FakePlatform>();
}

}  // namespace keyloom
