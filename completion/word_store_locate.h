#pragma once

#include <optional>
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

}  // namespace keyloom
