#include "phrases/launch_case.h"

#include <algorithm>

#include "platform/key_event.h"
#include "platform/text.h"

namespace keyloom {
namespace {

bool IsCasedLetter(char32_t c) { return LowerCodePoint(c) != UpperCodePoint(c); }

// Upper-cases, one character after another, those that `launch_case` asks for.
class CaseChanger {
 public:
  explicit CaseChanger(LaunchCase launch_case) : launch_case_(launch_case) {}
  char32_t Next(char32_t c) {
    if (launch_case_ == LaunchCase::kAsStored || done_ || !IsCasedLetter(c)) return c;
    if (launch_case_ == LaunchCase::kFirstCapital) done_ = true;
    return UpperCodePoint(c);
  }

 private:
  LaunchCase launch_case_;
  bool done_ = false;
};

}  // namespace

LaunchCase CaseOfLaunch(const std::vector<bool>& letters_capital) {
  if (letters_capital.empty() || !letters_capital.front()) return LaunchCase::kAsStored;
  const bool all = std::all_of(letters_capital.begin(), letters_capital.end(),
                               [](bool capital) { return capital; });
  return all && letters_capital.size() >= 2 ? LaunchCase::kAllCapitals : LaunchCase::kFirstCapital;
}

std::string ApplyLaunchCase(std::string_view text, LaunchCase launch_case) {
  if (launch_case == LaunchCase::kAsStored) return std::string(text);
  CaseChanger changer(launch_case);
  std::string out;
  out.reserve(text.size());
  std::size_t pos = 0;
  while (pos < text.size()) AppendUtf8(out, changer.Next(NextCodePoint(text, pos)));
  return out;
}

void ApplyLaunchCase(KeyActions& actions, LaunchCase launch_case) {
  CaseChanger changer(launch_case);
  for (KeyAction& action : actions) {
    if (action.kind != KeyAction::Kind::kCharacter) continue;
    if ((action.modifiers & (kCtrlMask | kAltMask)) != 0) continue;
    action.character = changer.Next(action.character);
  }
}

}  // namespace keyloom
