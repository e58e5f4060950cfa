#include "shell/startup.h"

namespace keyloom {

void RunStartupSteps(const std::vector<StartupStep>& steps) {
  for (const StartupStep& step : steps) {
    try {
      step();
    } catch (...) {
      // Passed over on purpose: start-up shows no error and goes on with the next step.
    }
  }
}

}  // namespace keyloom
