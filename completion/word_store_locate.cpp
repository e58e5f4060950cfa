#include "completion/word_store_locate.h"

#include <string>

namespace keyloom {

std::optional<WordStore> OpenWordStore(const AppFolders& folders, FileSystem& files,
                                       std::string_view file_name) {
  for (const std::string* folder :
       {&folders.program, &folders.installed_data, &folders.user_data}) {
    if (folder->empty()) continue;
    const std::optional<std::string> bytes = files.ReadFile(JoinPath(*folder, file_name));
    if (!bytes) continue;
    std::optional<WordStore> store = WordStore::Open(*bytes);
    if (store) return store;
  }
  return std::nullopt;
}

}  // namespace keyloom
