#pragma once

#include <QIcon>

namespace keyloom {

// The programs' icon (the one the desktop files install), in every size it ships.
QIcon AppIcon();

}  // namespace keyloom
