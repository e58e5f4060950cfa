#include "tools/wordstore/wordstore_tool.h"

#include <gtest/gtest.h>

#include <sstream>

#include "completion/word_store.h"
#include "platform/fake/fake_file_system.h"

namespace keyloom {
namespace {

class WordStoreToolTest : public ::testing::Test {
 protected:
  int Run(const std::vector<std::string>& args) {
    out_.str("");
    err_.str("");
    return RunWordStoreTool(args, files_, out_, err_);
  }

  void BuildStore(const std::string& list) {
    files_.SetFile("/list.txt", list);
    ASSERT_EQ(Run({"build", "/list.txt", "/words.mdb", "--iterations", "2"}), 0) << err_.str();
  }

  FakeFileSystem files_;
  std::ostringstream out_;
  std::ostringstream err_;
};

TEST_F(WordStoreToolTest, BuildsAStoreThatTheProgramOpens) {
  BuildStore("the\nof\nOf\nof\n");
  EXPECT_EQ(out_.str(), "3 words written to /words.mdb (1 repeated entries left out)\n");
  const std::optional<WordStore> store = WordStore::Open(files_.File("/words.mdb").value());
  ASSERT_TRUE(store.has_value());
  EXPECT_EQ(store->size(), 3u);
}

TEST_F(WordStoreToolTest, ListsInStoreOrder) {
  BuildStore("zoo\napple\nMango\n");
  EXPECT_EQ(Run({"list", "/words.mdb"}), 0);
  EXPECT_EQ(out_.str(), "zoo\napple\nMango\n");
}

TEST_F(WordStoreToolTest, QueriesWithAPrefixAndACount) {
  BuildStore("help\nhello\nHelsinki\nshell\n");
  EXPECT_EQ(Run({"query", "/words.mdb", "HEL"}), 0);
  EXPECT_EQ(out_.str(), "help\nhello\nHelsinki\n");
  EXPECT_EQ(Run({"query", "/words.mdb", "hel", "2"}), 0);
  EXPECT_EQ(out_.str(), "help\nhello\n");
  EXPECT_EQ(Run({"query", "/words.mdb", "x"}), 0);
  EXPECT_EQ(out_.str(), "");
}

TEST_F(WordStoreToolTest, ReportsFilesItCannotUse) {
  EXPECT_EQ(Run({"build", "/missing.txt", "/words.mdb"}), 1);
  EXPECT_NE(err_.str().find("cannot read /missing.txt"), std::string::npos);

  files_.SetFile("/bad.txt", "ok\nnot \xFF\n");
  EXPECT_EQ(Run({"build", "/bad.txt", "/words.mdb", "--iterations", "2"}), 1);
  EXPECT_NE(err_.str().find("/bad.txt:2: not UTF-8"), std::string::npos);
  EXPECT_FALSE(files_.File("/words.mdb").has_value());

  files_.SetFile("/damaged.mdb", "KLWORDS");
  EXPECT_EQ(Run({"list", "/damaged.mdb"}), 1);
  EXPECT_EQ(Run({"query", "/nothing.mdb", "a"}), 1);

  files_.SetFile("/list.txt", "a\n");
  files_.FailReplaceAt(ReplaceStep::kRename);
  EXPECT_EQ(Run({"build", "/list.txt", "/words.mdb", "--iterations", "2"}), 1);
  EXPECT_NE(err_.str().find("cannot write /words.mdb"), std::string::npos);
}

TEST_F(WordStoreToolTest, RejectsWrongArguments) {
  const std::vector<std::vector<std::string>> cases = {
      {},
      {"make", "a", "b"},
      {"build", "/list.txt"},
      {"build", "/list.txt", "/out", "--iterations", "0"},
      {"build", "/list.txt", "/out", "--iterations", "many"},
      {"build", "/list.txt", "/out", "--rounds", "5"},
      {"list"},
      {"query", "/words.mdb"},
      {"query", "/words.mdb", "a", "-1"},
      {"query", "/words.mdb", "a", "5x"},
  };
  for (const std::vector<std::string>& args : cases) {
    EXPECT_EQ(Run(args), 2) << (args.empty() ? "" : args[0]);
    EXPECT_NE(err_.str().find("usage:"), std::string::npos);
  }
}

}  // namespace
}  // namespace keyloom
