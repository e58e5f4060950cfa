// The fake backend's factory, in a file of its own so that tests that link the fakes beside a
// real backend pull it in only when nothing else defines CreateShell.
#include "shell/fake/fake_shell.h"

namespace keyloom {

std::unique_ptr<Shell> CreateShell(std::string& /*error*/) { return std::make_unique<FakeShell>(); }

}  // namespace keyloom
