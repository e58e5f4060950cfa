#pragma once

namespace keyloom {

// The tests' one QApplication, on the offscreen platform, created on first use.
void EnsureQtApp();

}  // namespace keyloom
