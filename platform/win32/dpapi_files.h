#pragma once

#include "platform/private_files.h"

namespace keyloom {

// Private files sealed with the user's DPAPI key: only the same user on the same machine can
// unseal them, whatever the file's permissions.
PrivateFiles& DpapiFiles();

}  // namespace keyloom
