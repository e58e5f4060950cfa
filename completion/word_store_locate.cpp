#include "completion/word_store_locate.h"

#include <string>

namespace keyloom {

std::optional<WordStore> OpenWordStore(const AppFolders& folders, FileSystem& files,
                                       std::string_view file_name) {
  return OpenFromDataFolders(folders, files, file_name,
                             [](std::string_view bytes) { return WordStore::Open(bytes); });
}

}  // namespace keyloom
