#include "completion/word_store_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "completion/word_store_seal.h"

namespace keyloom {
namespace {

constexpr std::string_view kPassword = "secret password";
constexpr std::uint32_t kFewIterations = 3;

std::vector<std::string> RowsInStoreOrder(const WordTable& table) {
  std::vector<std::string> rows;
  for (std::uint32_t row = 0; row < table.size(); ++row) rows.emplace_back(table.Row(row));
  return rows;
}

std::vector<std::string> RowsInSortedOrder(const WordTable& table) {
  std::vector<std::string> rows;
  for (std::uint32_t row : table.sorted) rows.emplace_back(table.Row(row));
  return rows;
}

std::string Seal(const std::vector<std::string>& words) {
  return SealWordStore(words, kPassword, kFewIterations).value();
}

TEST(WordStoreFileTest, RoundTripKeepsStoreOrderAndSortsTheIndexWithoutRegardToCase) {
  const std::vector<std::string> words = {"zebra", "Apple",  "apple", "éclair", "Ökonom",
                                          "",      "banana", "apple", "Éclat"};
  const std::optional<WordTable> table = UnsealWordStore(Seal(words), kPassword);
  ASSERT_TRUE(table.has_value());
  EXPECT_EQ(RowsInStoreOrder(*table), words);
  // Lower-cased code points first, then the exact bytes, and duplicates by store position.
  EXPECT_EQ(RowsInSortedOrder(*table),
            (std::vector<std::string>{"", "Apple", "apple", "apple", "banana", "zebra", "éclair",
                                      "Éclat", "Ökonom"}));
  EXPECT_EQ(table->sorted[2], 2u);
  EXPECT_EQ(table->sorted[3], 7u);
}

TEST(WordStoreFileTest, EmptyStoreRoundTrips) {
  const std::optional<WordTable> table = UnsealWordStore(Seal({}), kPassword);
  ASSERT_TRUE(table.has_value());
  EXPECT_EQ(table->size(), 0u);
}

TEST(WordStoreFileTest, WrongPasswordDoesNotOpen) {
  const std::string file = Seal({"one", "two"});
  EXPECT_FALSE(UnsealWordStore(file, "secret passworD").has_value());
  EXPECT_FALSE(UnsealWordStore(file, "").has_value());
}

TEST(WordStoreFileTest, EveryFlippedBitInHeaderCiphertextOrTagIsRejected) {
  const std::string file = Seal({"alpha", "beta", "Gamma"});
  for (std::size_t at = 0; at < file.size(); ++at) {
    for (int bit : {0, 7}) {
      std::string damaged = file;
      damaged[at] = static_cast<char>(damaged[at] ^ (1 << bit));
      EXPECT_FALSE(UnsealWordStore(damaged, kPassword).has_value()) << "byte " << at;
    }
  }
}

TEST(WordStoreFileTest, TruncatedOrExtendedFileIsRejected) {
  const std::string file = Seal({"alpha", "beta"});
  for (std::size_t size = 0; size < file.size(); ++size) {
    EXPECT_FALSE(UnsealWordStore(file.substr(0, size), kPassword).has_value()) << size;
  }
  EXPECT_FALSE(UnsealWordStore(file + '\0', kPassword).has_value());
}

TEST(WordStoreFileTest, SealRefusesWhatItCouldNotStore) {
  EXPECT_FALSE(SealWordStore({"ok", "bad\xFF"}, kPassword, kFewIterations).has_value());
  EXPECT_FALSE(SealWordStore({"ok"}, kPassword, 0).has_value());
  EXPECT_FALSE(SealWordStore({"ok"}, kPassword, kWordStoreMaxIterations + 1).has_value());
}

TEST(WordStoreFileTest, TwoSealsOfTheSameWordsDiffer) {
  // A fresh salt and nonce each time: equal plaintexts never share a nonce under one key.
  EXPECT_NE(Seal({"same"}), Seal({"same"}));
}

// Files sealed correctly around hand-made content, to check what the reader verifies after the
// tag has matched.
class CraftedStoreTest : public ::testing::Test {
 protected:
  static void Number(std::string& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((value >> shift) & 0xFF);
  }

  static std::string Header(std::uint32_t version, std::uint32_t iterations) {
    std::string header("KLWORDS\x1A", 8);
    Number(header, version);
    Number(header, iterations);
    header += std::string(16, 's');
    header += std::string(kSealNonceSize, 'n');
    return header;
  }

  static std::string SealContent(const std::string& content, std::uint32_t version = 1,
                                 std::uint32_t iterations = kFewIterations) {
    const std::string header = Header(version, iterations);
    const SealKey key = DeriveSealKey(kPassword, std::string(16, 's'), iterations).value();
    return header + SealBytes(key, std::string(kSealNonceSize, 'n'), header, content).value();
  }

  struct Content {
    std::string table = "words";
    std::string column = "Field1";
    std::vector<std::string> rows = {"b", "a", "c"};
    std::vector<std::uint32_t> sorted = {1, 0, 2};
    std::string tail;
  };

  static std::string Encode(const Content& content) {
    std::string out;
    Number(out, static_cast<std::uint32_t>(content.table.size()));
    out += content.table;
    Number(out, static_cast<std::uint32_t>(content.column.size()));
    out += content.column;
    Number(out, static_cast<std::uint32_t>(content.rows.size()));
    for (const std::string& row : content.rows) Number(out, static_cast<std::uint32_t>(row.size()));
    for (const std::string& row : content.rows) out += row;
    for (std::uint32_t row : content.sorted) Number(out, row);
    return out + content.tail;
  }

  static bool Opens(const Content& content) {
    return UnsealWordStore(SealContent(Encode(content)), kPassword).has_value();
  }
};

TEST_F(CraftedStoreTest, WellFormedContentOpens) { EXPECT_TRUE(Opens(Content{})); }

TEST_F(CraftedStoreTest, ContentBreakingARuleDoesNotOpen) {
  struct Case {
    const char* what;
    void (*change)(Content&);
  };
  const Case cases[] = {
      {"other table", [](Content& c) { c.table = "Words"; }},
      {"other column", [](Content& c) { c.column = "Field2"; }},
      {"index out of order",
       [](Content& c) {
         c.sorted = {0, 1, 2};
       }},
      {"row twice in the index",
       [](Content& c) {
         c.sorted = {1, 1, 2};
       }},
      {"row past the end",
       [](Content& c) {
         c.sorted = {1, 0, 3};
       }},
      {"index too short",
       [](Content& c) {
         c.sorted = {1, 0};
       }},
      {"bytes after the index", [](Content& c) { c.tail = "x"; }},
      {"row not UTF-8", [](Content& c) { c.rows[2] = "c\xC3"; }},
  };
  for (const Case& test : cases) {
    Content content;
    test.change(content);
    EXPECT_FALSE(Opens(content)) << test.what;
  }
}

TEST_F(CraftedStoreTest, LengthsPastTheContentDoNotOpen) {
  std::string huge_count;
  Number(huge_count, 5);
  huge_count += "words";
  Number(huge_count, 6);
  huge_count += "Field1";
  Number(huge_count, 0xFFFFFFFF);
  EXPECT_FALSE(UnsealWordStore(SealContent(huge_count), kPassword).has_value());

  std::string long_row = huge_count.substr(0, huge_count.size() - 4);
  Number(long_row, 1);
  Number(long_row, 0xFFFFFFF0);
  long_row += "a";
  Number(long_row, 0);
  EXPECT_FALSE(UnsealWordStore(SealContent(long_row), kPassword).has_value());
}

TEST_F(CraftedStoreTest, HeaderOutsideTheFormatDoesNotOpen) {
  const std::string content = Encode(Content{});
  EXPECT_FALSE(UnsealWordStore(SealContent(content, 2), kPassword).has_value());
  // Iteration counts outside the format are refused before any key derivation, so a crafted
  // header cannot stall the program.
  for (std::uint32_t iterations : {0u, kWordStoreMaxIterations + 1, 0xFFFFFFFFu}) {
    EXPECT_FALSE(
        UnsealWordStore(Header(1, iterations) + std::string(64, 'x'), kPassword).has_value());
  }
}

}  // namespace
}  // namespace keyloom
