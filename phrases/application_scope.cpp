#include "phrases/application_scope.h"

#include <algorithm>

#include "platform/text.h"
#include "shell/excluded_applications.h"

namespace keyloom {
namespace {

constexpr std::string_view kOnlyMacro = "%(only=";
constexpr std::string_view kExceptMacro = "%(except=";
constexpr std::string_view kMacroEnd = ")%";
constexpr std::string_view kNameSeparator = "|";

bool Names(const std::vector<std::string>& names, std::string_view application) {
  return std::any_of(names.begin(), names.end(),
                     [&](const std::string& name) { return SameApplication(name, application); });
}

// Whether every name of `some` is among `names`.
bool AllNamed(const std::vector<std::string>& some, const std::vector<std::string>& names) {
  return std::all_of(some.begin(), some.end(),
                     [&](const std::string& name) { return Names(names, name); });
}

}  // namespace

ScopedSendString SplitScope(std::string_view send_string) {
  for (const auto& [macro, kind] : {std::pair{kOnlyMacro, ApplicationScope::Kind::kOnly},
                                    std::pair{kExceptMacro, ApplicationScope::Kind::kExcept}}) {
    if (!StartsWithNoCase(send_string, macro)) continue;
    const std::size_t end = send_string.find(kMacroEnd, macro.size());
    if (end == std::string_view::npos) break;
    std::vector<std::string> names =
        SplitTrimmed(send_string.substr(macro.size(), end - macro.size()), kNameSeparator);
    // A macro that names nothing limits nothing; it is text like any unknown macro.
    if (names.empty()) break;
    return {{kind, std::move(names)}, TrimSpaces(send_string.substr(end + kMacroEnd.size()))};
  }
  return {{}, send_string};
}

std::string WithScope(const ApplicationScope& scope, std::string_view send_string) {
  if (scope.kind == ApplicationScope::Kind::kEvery || scope.names.empty()) {
    return std::string(send_string);
  }
  std::string text(scope.kind == ApplicationScope::Kind::kOnly ? kOnlyMacro : kExceptMacro);
  text += JoinWith(scope.names, kNameSeparator);
  text += kMacroEnd;
  text += send_string;
  return text;
}

int ScopeFit(const ApplicationScope& scope, std::string_view application) {
  switch (scope.kind) {
    case ApplicationScope::Kind::kOnly:
      return Names(scope.names, application) ? kNamedFit : kNoFit;
    case ApplicationScope::Kind::kExcept:
      return Names(scope.names, application) ? kNoFit : kLeftOthersOutFit;
    case ApplicationScope::Kind::kEvery:
      return kEverywhereFit;
  }
  return kEverywhereFit;
}

bool SameScope(const ApplicationScope& a, const ApplicationScope& b) {
  return a.kind == b.kind && AllNamed(a.names, b.names) && AllNamed(b.names, a.names);
}

std::string ScopeNamesText(const std::vector<std::string>& names) { return JoinWith(names, ", "); }

std::vector<std::string> ScopeNamesFromText(std::string_view text) {
  return SplitTrimmed(text, ",|");
}

}  // namespace keyloom
