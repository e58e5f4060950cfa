// One of the two programs of the shared-settings test, standing for Quipcast or Keyloom:
// settings_writer FILE WRITER COUNT writes COUNT values into the shared settings file, each to a
// value both writers share and to one of its own, and reads both back after every write. The
// shared value must always be one that was written, and its own the one it wrote last.
// Exit code 0 when every read was so, 1 otherwise.
#include <iostream>
#include <optional>
#include <string>

#include "shell/qt/qt_settings_store.h"
#include "shell/qt/tests/settings_values.h"

int main(int argc, char** argv) {
  using namespace keyloom;
  if (argc != 4) {
    std::cerr << "usage: settings_writer FILE A|B COUNT\n";
    return 2;
  }
  const char writer = argv[2][0];
  const int count = std::stoi(argv[3]);
  const std::string own = std::string("Own") + writer;
  QtSettingsStore store(argv[1]);
  int failed_writes = 0;
  for (int i = 0; i < count; ++i) {
    const std::string value = SettingsValue(writer, i);
    if (!store.Write("Options", "Shared", value) || !store.Write("Options", own, value)) {
      ++failed_writes;
      continue;
    }
    const std::optional<std::string> shared = store.Read("Options", "Shared");
    if (!shared || !IsWrittenSettingsValue(*shared, count)) {
      std::cerr << writer << ": the shared value read back as \"" << shared.value_or("(none)")
                << "\" after write " << i << "\n";
      return 1;
    }
    if (store.Read("Options", own) != value) {
      std::cerr << writer << ": its own value was lost after write " << i << "\n";
      return 1;
    }
  }
  if (failed_writes > 0) {
    std::cerr << writer << ": " << failed_writes << " writes were refused\n";
    return 1;
  }
  return 0;
}
