// The excluded-applications setting as another program or a hand-edited settings file may have
// left it: every name read back is trimmed and non-empty, a saved list reads back as it was
// saved, and each name read excludes its application.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_support.h"
#include "shell/excluded_applications.h"
#include "shell/fake/fake_settings_store.h"
#include "shell/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace keyloom;
  if (size == 0) return 0;
  const Program program = data[0] % 2 == 0 ? Program::kQuipcast : Program::kKeyloom;
  const std::string value(AsText(data + 1, size - 1));
  FakeSettingsStore settings;
  settings.Set(kOptionsSection, "ExcludedApplications", value);
  ExcludedApplications excluded(program, settings);
  const ExcludedApplications::Choice choice = excluded.Load();
  for (const std::string& name : choice.names) {
    Check(!name.empty() && name.front() != ' ' && name.back() != ' ');
    Check(name.find('|') == std::string::npos);
    Check(excluded.Excludes(name));
  }
  Check(excluded.Save(choice));
  Check(ExcludedApplications(program, settings).Load().names == choice.names);
  return 0;
}
