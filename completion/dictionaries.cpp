#include "completion/dictionaries.h"

#include <algorithm>
#include <array>
#include <utility>

#include "completion/word_store_locate.h"
#include "platform/text.h"

namespace keyloom {
namespace {

constexpr std::string_view kStoreExtension = ".mdb";

struct ShippedStore {
  std::string_view file_name;
  std::string_view caption;
};

constexpr std::array<ShippedStore, 10> kShippedStores = {{
    {"words.mdb", "English"},
    {"words-de.mdb", "German (Deutsch)"},
    {"words-es.mdb", "Spanish (Español)"},
    {"words-fr.mdb", "French (Français)"},
    {"words-it.mdb", "Italian (Italiano)"},
    {"words-nl.mdb", "Dutch (Nederlands)"},
    {"words-pl.mdb", "Polish (Polski)"},
    {"words-pt.mdb", "Portuguese (Português)"},
    {"words-ru.mdb", "Russian (Русский)"},
    {"words-sv.mdb", "Swedish (Svenska)"},
}};

bool IsStoreName(std::string_view name) {
  return name.size() > kStoreExtension.size() &&
         ToLower(name.substr(name.size() - kStoreExtension.size())) == kStoreExtension;
}

}  // namespace

std::string DictionaryCaption(std::string_view file_name) {
  for (const ShippedStore& store : kShippedStores) {
    if (store.file_name == file_name) return std::string(store.caption);
  }
  return std::string(IsStoreName(file_name)
                         ? file_name.substr(0, file_name.size() - kStoreExtension.size())
                         : file_name);
}

std::vector<Dictionary> FindDictionaries(const AppFolders& folders, FileSystem& files) {
  std::vector<Dictionary> found;
  for (const std::string* folder :
       {&folders.program, &folders.installed_data, &folders.user_data}) {
    if (folder->empty()) continue;
    for (std::string& name : files.ListFiles(*folder)) {
      const bool known = std::any_of(found.begin(), found.end(),
                                     [&](const Dictionary& d) { return d.file_name == name; });
      if (!IsStoreName(name) || known) continue;
      std::string caption = DictionaryCaption(name);
      found.push_back({std::move(name), std::move(caption)});
    }
  }
  std::sort(found.begin(), found.end(), [](const Dictionary& a, const Dictionary& b) {
    const bool a_default = a.file_name == kWordStoreFileName;
    const bool b_default = b.file_name == kWordStoreFileName;
    if (a_default != b_default) return a_default;
    return LessNoCase(a.caption, b.caption);
  });
  return found;
}

MenuDesign DictionaryMenu(const std::vector<Dictionary>& dictionaries) {
  MenuDesign menu{"&Dictionary", {}};
  for (const Dictionary& dictionary : dictionaries) {
    menu.items.push_back(
        {std::string(kDictionaryItemPrefix) + dictionary.file_name, dictionary.caption});
  }
  return menu;
}

std::string_view DictionaryOfItem(std::string_view id) {
  return id.starts_with(kDictionaryItemPrefix) ? id.substr(kDictionaryItemPrefix.size())
                                               : std::string_view();
}

std::string ModelFileName(std::string_view store_file_name) {
  if (IsStoreName(store_file_name)) store_file_name.remove_suffix(kStoreExtension.size());
  return std::string(store_file_name) + ".model";
}

}  // namespace keyloom
