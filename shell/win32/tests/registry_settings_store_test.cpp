#include "shell/win32/registry_settings_store.h"

#include <gtest/gtest.h>

#include "shell/win32/win32_api.h"

namespace keyloom {
namespace {

constexpr char kTestRoot[] = "Software\\KeyloomTests";

class RegistrySettingsStoreTest : public ::testing::Test {
 protected:
  void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\KeyloomTests"); }
  void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\KeyloomTests"); }

  RegistrySettingsStore store_{kTestRoot};
};

TEST_F(RegistrySettingsStoreTest, AValueNeverWrittenDoesNotExist) {
  EXPECT_EQ(store_.Read("Options", "Boost"), std::nullopt);
  // Reading created nothing.
  HKEY key = nullptr;
  EXPECT_NE(RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\KeyloomTests\\Options", 0, KEY_READ, &key),
            ERROR_SUCCESS);
}

TEST_F(RegistrySettingsStoreTest, WrittenValuesReadBackAsStringValues) {
  ASSERT_TRUE(store_.Write("Options", "Boost", "1"));
  ASSERT_TRUE(store_.Write("File", "Import", "C:\\Lists\\caf\xC3\xA9 \xD0\x96.kyl"));
  EXPECT_EQ(store_.Read("Options", "Boost"), "1");
  EXPECT_EQ(store_.Read("File", "Import"), "C:\\Lists\\caf\xC3\xA9 \xD0\x96.kyl");

  DWORD type = 0;
  EXPECT_EQ(RegGetValueW(HKEY_CURRENT_USER, L"Software\\KeyloomTests\\Options", L"Boost",
                         RRF_RT_ANY, &type, nullptr, nullptr),
            ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
}

TEST_F(RegistrySettingsStoreTest, AnEmptyValueExists) {
  ASSERT_TRUE(store_.Write("File", "Save", ""));
  EXPECT_EQ(store_.Read("File", "Save"), "");
}

TEST_F(RegistrySettingsStoreTest, AValueOfAnotherTypeReadsAsMissing) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\KeyloomTests\\Options", 0, nullptr, 0,
                            KEY_SET_VALUE, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  const DWORD number = 1;
  RegSetValueExW(key, L"Boost", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number),
                 sizeof number);
  RegCloseKey(key);
  EXPECT_EQ(store_.Read("Options", "Boost"), std::nullopt);
}

}  // namespace
}  // namespace keyloom
