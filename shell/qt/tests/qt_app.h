#pragma once

namespace keyloom {

// The tests' one QApplication, on the offscreen platform, created on first use.
void EnsureQtApp();

// For test fixtures whose members need the application: declare it first.
struct QtAppGuard {
  QtAppGuard() { EnsureQtApp(); }
};

}  // namespace keyloom
