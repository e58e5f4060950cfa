#pragma once

#include <functional>
#include <vector>

namespace keyloom {

using StartupStep = std::function<void()>;

// Runs the start-up steps in order. A step that fails (throws) is passed over silently and
// the steps after it still run: a program always comes up, whatever one step met.
void RunStartupSteps(const std::vector<StartupStep>& steps);

}  // namespace keyloom
