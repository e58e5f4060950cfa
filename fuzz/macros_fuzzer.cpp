// Macro expansion on any send string: it ends, and the text grows by no more than the capped
// number of replacements can add, and the cursor mark stays inside it. The macros read before
// expansion too: the fill-in fields (capped, each mark filled) and the applications' scope (the
// rest lies within the send string, and written back the scope reads the same).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "phrases/application_scope.h"
#include "phrases/fill_ins.h"
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
  const std::string_view text = AsText(data, size);
  const std::vector<FillInField> fields = FillInFieldsOf(text);
  Check(fields.size() <= kMaxFillInFields);
  const std::string filled =
      FillMarks(MarkFillIns(text), std::vector<std::string>(fields.size(), std::string()));
  Check(filled.size() <= text.size());
  const ScopedSendString scoped = SplitScope(text);
  // The rest is the text behind the macro, trimmed.
  Check(scoped.rest.empty() ||
        (scoped.rest.data() >= text.data() &&
         scoped.rest.data() + scoped.rest.size() <= text.data() + text.size()));
  if (!scoped.scope.names.empty()) {
    Check(SameScope(SplitScope(WithScope(scoped.scope, scoped.rest)).scope, scoped.scope));
  }
  const ExpandedSendString expanded = ExpandMacros(text, clock);
  if (expanded.run_command) {
    Check(expanded.text.empty());
  } else {
    Check(expanded.text.size() <= size + (kMaxMacroReplacements + 1) * kLongestValue);
    // The text cursor's mark stands inside the text.
    Check(!expanded.cursor || *expanded.cursor <= expanded.text.size());
  }
  return 0;
}
