#pragma once

#include <QIcon>
#include <string_view>

namespace keyloom {

// A program's icon (the one its desktop file installs), in every size it ships, by the
// program's name.
QIcon AppIcon(std::string_view program_name);

}  // namespace keyloom
