// Macro expansion on any send string: it ends, and the text grows by no more than the capped
// number of replacements can add, and the cursor mark stays inside it.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_support.h"
#include "phrases/macros.h"
#include "platform/fake/fake_clock.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace keyloom;
  // The longest text a macro stands for: "12/31/2026 12:59:59 PM".
  constexpr std::size_t kLongestValue = 22;
  static const FakeClock clock = [] {
    FakeClock c;
    c.set_now({2026, 12, 31, 12, 59, 59});
    return c;
  }();
  const ExpandedSendString expanded = ExpandMacros(AsText(data, size), clock);
  if (expanded.run_command) {
    Check(expanded.text.empty());
  } else {
    Check(expanded.text.size() <= size + (kMaxMacroReplacements + 1) * kLongestValue);
    // The text cursor's mark stands inside the text.
    Check(!expanded.cursor || *expanded.cursor <= expanded.text.size());
  }
  return 0;
}
