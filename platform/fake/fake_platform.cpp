#include "platform/fake/fake_platform.h"

namespace keyloom {

FakePlatform::FakePlatform() : folders_{"/app", "", "/home/user/.local/share/Keyloom"} {}

const AnsiCodePage& FakePlatform::code_page() { return Windows1252(); }

}  // namespace keyloom
