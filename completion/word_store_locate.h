#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "completion/word_store.h"
#include "platform/file_system.h"
#include "platform/platform.h"

namespace keyloom {

inline constexpr std::string_view kWordStoreFileName = "words.mdb";

// Opens the store `file_name` from the program folder, else the installed data folder, else the
// per-user data folder: the first of them whose file opens. nullopt when none does; the caller
// then runs without a store.
std::optional<WordStore> OpenWordStore(const AppFolders& folders, FileSystem& files,
                                       std::string_view file_name = kWordStoreFileName);

// What `open` makes of the file `file_name` in the first of those folders where it makes
// something.
template <typename Open>
auto OpenFromDataFolders(const AppFolders& folders, FileSystem& files, std::string_view file_name,
                         Open open) -> decltype(open(std::string_view())) {
  for (const std::string* folder :
       {&folders.program, &folders.installed_data, &folders.user_data}) {
    if (folder->empty()) continue;
    const std::optional<std::string> bytes = files.ReadFile(JoinPath(*folder, file_name));
    if (!bytes) continue;
    if (auto opened = open(*bytes)) return opened;
  }
  return std::nullopt;
}

}  // namespace keyloom
