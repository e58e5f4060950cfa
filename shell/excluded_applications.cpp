#include "shell/excluded_applications.h"

#include <algorithm>

#include "platform/text.h"
#include "shell/settings.h"

namespace keyloom {
namespace {

constexpr std::string_view kSharedSetting = "ExcludedApplications";
// Names are kept in one value, separated by a character that no program file name holds.
constexpr std::string_view kSeparator = "|";

std::string_view OwnListSetting(Program program) {
  return program == Program::kQuipcast ? "QuipcastExcludedApplications"
                                       : "KeyloomExcludedApplications";
}
std::string_view OwnListChosenSetting(Program program) {
  return program == Program::kQuipcast ? "QuipcastOwnExcludedApplications"
                                       : "KeyloomOwnExcludedApplications";
}

// Lower-cased, without a program file's ".exe".
std::string Folded(std::string_view name) {
  constexpr std::string_view kExe = ".exe";
  std::string folded = ToLower(name);
  if (folded.size() > kExe.size() && folded.ends_with(kExe))
    folded.resize(folded.size() - kExe.size());
  return folded;
}

}  // namespace

bool SameApplication(std::string_view a, std::string_view b) { return Folded(a) == Folded(b); }

bool IsOwnApplication(std::string_view application) {
  return SameApplication(application, "quipcast") || SameApplication(application, "keyloom");
}

ExcludedApplications::ExcludedApplications(Program program, SettingsStore& settings)
    : program_(program), settings_(settings) {}

bool ExcludedApplications::Excludes(std::string_view application) {
  if (application.empty()) return false;
  if (application != checked_application_) {
    checked_application_ = std::string(application);
    const std::vector<std::string> names = Load().names;
    excluded_ = std::any_of(names.begin(), names.end(), [&](const std::string& name) {
      return SameApplication(name, application);
    });
  }
  return excluded_;
}

ExcludedApplications::Choice ExcludedApplications::Load() const {
  Choice choice;
  choice.own_list =
      ReadSetting(settings_, kOptionsSection, OwnListChosenSetting(program_), "0") == "1";
  choice.names =
      SplitTrimmed(ReadSetting(settings_, kOptionsSection,
                               choice.own_list ? OwnListSetting(program_) : kSharedSetting, ""),
                   kSeparator);
  return choice;
}

bool ExcludedApplications::Save(const Choice& choice) {
  // The list is read again at the next key.
  checked_application_.clear();
  std::vector<std::string> names;
  for (const std::string& name : choice.names) {
    for (std::string& part : SplitTrimmed(name, kSeparator)) names.push_back(std::move(part));
  }
  return WriteSetting(settings_, kOptionsSection,
                      choice.own_list ? OwnListSetting(program_) : kSharedSetting,
                      JoinWith(names, kSeparator)) &&
         WriteSetting(settings_, kOptionsSection, OwnListChosenSetting(program_),
                      choice.own_list ? "1" : "0");
}

}  // namespace keyloom
