#include "shell/working_list.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "shell/tests/test_window.h"

namespace keyloom {
namespace {

using Items = std::vector<std::string>;

class WorkingListTest : public testing::Test {
 protected:
  FakeWindow& window() { return test_window_.window(); }
  const Items& shown() { return window().ListItems("List1"); }

  TestWindow test_window_{ListOnlyDesign()};
  WorkingList list_{test_window_.window(), "List1"};
};

TEST_F(WorkingListTest, AddKeepsTheCaseInsensitiveOrderAndMirrorsTheListBox) {
  EXPECT_EQ(list_.Add("pear"), 0u);
  EXPECT_EQ(list_.Add("Apple"), 0u);
  EXPECT_EQ(list_.Add("banana"), 1u);
  EXPECT_EQ(list_.Add("Zebra"), 3u);
  EXPECT_EQ(list_.items(), (Items{"Apple", "banana", "pear", "Zebra"}));
  EXPECT_EQ(shown(), list_.items());
}

TEST_F(WorkingListTest, EqualItemLandsAfterItsEquals) {
  list_.Add("cat");
  list_.Add("dog");
  EXPECT_EQ(list_.Add("cat"), 1u);
  EXPECT_EQ(list_.items(), (Items{"cat", "cat", "dog"}));
}

TEST_F(WorkingListTest, AddKeepsTheSelectionOnItsItem) {
  list_.Add("b");
  window().SetSelectedListIndex("List1", 0);
  list_.Add("a");
  EXPECT_EQ(list_.SelectedIndex(), 1);
}

TEST_F(WorkingListTest, RemoveAtAndClear) {
  list_.AddAll({"c", "a", "b"});
  list_.RemoveAt(1);
  EXPECT_EQ(list_.items(), (Items{"a", "c"}));
  EXPECT_EQ(shown(), list_.items());
  list_.RemoveAt(7);  // no such item: nothing happens
  EXPECT_EQ(list_.size(), 2u);
  list_.Clear();
  EXPECT_TRUE(list_.items().empty());
  EXPECT_TRUE(shown().empty());
}

TEST_F(WorkingListTest, AddAllEqualsAddingOneByOneSelectionIncluded) {
  // Words that differ only by case compare unequal by their bytes but sit side by side; the
  // one-by-one result is the reference for every shuffle.
  const Items pool = {"a", "A", "b", "B", "a ", " a", "\xC3\xA9", "\xC3\x89", "e", "", "zz"};
  std::mt19937 random(7);
  std::uniform_int_distribution<std::size_t> pick(0, pool.size() - 1);
  for (int round = 0; round < 200; ++round) {
    Items existing;
    Items added;
    for (int i = 0; i < 6; ++i) existing.push_back(pool[pick(random)]);
    for (int i = 0; i < 8; ++i) added.push_back(pool[pick(random)]);

    TestWindow reference_window(ListOnlyDesign());
    WorkingList reference(reference_window.window(), "List1");
    TestWindow bulk_window(ListOnlyDesign());
    WorkingList bulk(bulk_window.window(), "List1");
    for (const std::string& item : existing) {
      reference.Add(item);
      bulk.Add(item);
    }
    const int selected = static_cast<int>(pick(random) % (existing.size() + 1)) - 1;
    reference_window.window().SetSelectedListIndex("List1", selected);
    bulk_window.window().SetSelectedListIndex("List1", selected);
    for (const std::string& item : added) reference.Add(item);
    bulk.AddAll(added);
    ASSERT_EQ(bulk.items(), reference.items()) << "round " << round;
    ASSERT_EQ(bulk.SelectedIndex(), reference.SelectedIndex()) << "round " << round;
    ASSERT_EQ(bulk_window.window().ListItems("List1"), bulk.items());
  }
}

TEST_F(WorkingListTest, AddAllKeepsTheSelectionOnItsItem) {
  list_.AddAll({"b", "d"});
  window().SetSelectedListIndex("List1", 1);
  list_.AddAll({"e", "d", "a", "c"});
  EXPECT_EQ(list_.items(), (Items{"a", "b", "c", "d", "d", "e"}));
  EXPECT_EQ(list_.SelectedIndex(), 3);
}

TEST_F(WorkingListTest, AddAllWithoutASelectionSelectsNothing) {
  list_.AddAll({"b"});
  list_.AddAll({"a"});
  EXPECT_EQ(list_.SelectedIndex(), -1);
}

TEST_F(WorkingListTest, AddAllOfNothingLeavesTheSelection) {
  list_.Add("a");
  window().SetSelectedListIndex("List1", 0);
  list_.AddAll({});
  EXPECT_EQ(list_.SelectedIndex(), 0);
}

}  // namespace
}  // namespace keyloom
