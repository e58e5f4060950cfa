#include "completion/dictionaries.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/fake/fake_file_system.h"

namespace keyloom {
namespace {

using testing::ElementsAre;

TEST(DictionariesTest, FindsEveryStoreOnceTheShippedOneFirstThenByCaption) {
  FakeFileSystem files;
  const AppFolders folders{"/app", "/usr/share/keyloom", "/home/u/.local/share/Keyloom"};
  for (const char* path :
       {"/app/words-ru.mdb", "/app/keyloom", "/app/zoology.MDB", "/usr/share/keyloom/words.mdb",
        "/usr/share/keyloom/words-de.mdb", "/usr/share/keyloom/words-ru.mdb",
        "/home/u/.local/share/Keyloom/medical.mdb", "/home/u/.local/share/Keyloom/.mdb",
        "/home/u/.local/share/Keyloom/learned-words", "/elsewhere/words-fr.mdb"}) {
    files.SetFile(path, "");
  }
  EXPECT_THAT(FindDictionaries(folders, files),
              ElementsAre(Dictionary{"words.mdb", "English"},
                          Dictionary{"words-de.mdb", "German (Deutsch)"},
                          Dictionary{"medical.mdb", "medical"},
                          Dictionary{"words-ru.mdb", "Russian (Русский)"},
                          Dictionary{"zoology.MDB", "zoology"}));
}

TEST(DictionariesTest, MenuItemsNameTheirFiles) {
  const MenuDesign menu = DictionaryMenu({{"words.mdb", "English"}, {"my.mdb", "my"}});
  EXPECT_EQ(menu.caption, "&Dictionary");
  ASSERT_EQ(menu.items.size(), 2u);
  EXPECT_EQ(DictionaryOfItem(menu.items[1].id), "my.mdb");
  EXPECT_EQ(menu.items[1].caption, "my");
  EXPECT_EQ(DictionaryOfItem("LearnWords"), "");
}

}  // namespace
}  // namespace keyloom
