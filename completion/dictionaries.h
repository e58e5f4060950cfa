#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "platform/platform.h"
#include "shell/window_design.h"

namespace keyloom {

// The settings value that names the chosen dictionary's file; words.mdb when missing.
inline constexpr std::string_view kDictionarySetting = "Dictionary";
// Menu items of the Dictionary menu are this prefix and the store's file name.
inline constexpr std::string_view kDictionaryItemPrefix = "Dictionary:";

struct Dictionary {
  std::string file_name;  // "words-de.mdb"
  std::string caption;    // "German (Deutsch)"
  friend bool operator==(const Dictionary&, const Dictionary&) = default;
};

// The caption of a store: the language of a shipped one, else the file name without ".mdb".
std::string DictionaryCaption(std::string_view file_name);

// The word stores (*.mdb) of the program folder, the installed data folder and the per-user
// data folder, each name once: words.mdb first, the others by caption.
std::vector<Dictionary> FindDictionaries(const AppFolders& folders, FileSystem& files);

// The Dictionary menu: one item per store, none checked yet.
MenuDesign DictionaryMenu(const std::vector<Dictionary>& dictionaries);

// The language model of a store, beside it: words.mdb has words.model.
std::string ModelFileName(std::string_view store_file_name);

// The file name that a Dictionary menu item stands for; empty for other commands.
std::string_view DictionaryOfItem(std::string_view id);

}  // namespace keyloom
