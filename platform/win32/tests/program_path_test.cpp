// Run under Windows or Wine: programs are found by full path, never in the current folder.
#include "platform/win32/program_path.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace keyloom {
namespace {

namespace fs = std::filesystem;

class ProgramPathTest : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / L"program path test";
    fs::remove_all(folder_);
    fs::create_directories(folder_ / L"App Folder");
    Touch(folder_ / L"App Folder" / L"tool.exe");
    // What someone planted where a careless resolution would look first.
    Touch(folder_ / L"App.exe");
    Touch(folder_ / L"notepad.exe");
    wchar_t current[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, current);
    previous_ = current;
    SetCurrentDirectoryW(folder_.c_str());
  }
  void TearDown() override {
    SetCurrentDirectoryW(previous_.c_str());
    fs::remove_all(folder_);
  }
  static void Touch(const fs::path& path) { std::ofstream(path) << "MZ"; }
  std::wstring In(const std::wstring& name) const { return (folder_ / name).wstring(); }

  fs::path folder_;
  std::wstring previous_;
};

TEST_F(ProgramPathTest, TheProgramIsFoundAsTheUserMeantIt) {
  const std::wstring tool = In(L"App Folder\\tool.exe");
  struct Case {
    const char* what;
    std::wstring line;
    std::wstring program;  // empty: not started
    std::wstring arguments;
  };
  const Case cases[] = {
      {"quoted with spaces", L"\"" + tool + L"\" -n file.txt", tool, L"-n file.txt"},
      {"unquoted with spaces, not the planted prefix", tool + L" -n", tool, L"-n"},
      {"unquoted, no extension", In(L"App Folder\\tool"), tool, L""},
      {"quoted, no extension", L"\"" + In(L"App Folder\\tool") + L"\" x", tool, L"x"},
      {"relative to the current folder", L"App.exe", L"", L""},
      {"relative with a folder", L".\\App.exe", L"", L""},
      {"a missing program", In(L"App Folder\\none.exe"), L"", L""},
      {"an unclosed quote", L"\"" + tool, L"", L""},
  };
  for (const Case& c : cases) {
    const std::optional<ResolvedCommand> command = ResolveCommand(c.line);
    if (c.program.empty()) {
      EXPECT_FALSE(command.has_value()) << c.what;
      continue;
    }
    ASSERT_TRUE(command.has_value()) << c.what;
    EXPECT_EQ(fs::path(command->program), fs::path(c.program)) << c.what;
    EXPECT_EQ(command->arguments, c.arguments) << c.what;
  }
}

TEST_F(ProgramPathTest, ABareNameComesFromTheSystemNotTheCurrentFolder) {
  const std::optional<ResolvedCommand> command = ResolveCommand(L"notepad readme.txt");
  ASSERT_TRUE(command.has_value());
  EXPECT_NE(fs::path(command->program).parent_path(), folder_);
  EXPECT_EQ(fs::path(command->program).filename(), L"notepad.exe");
  EXPECT_EQ(command->arguments, L"readme.txt");
}

}  // namespace
}  // namespace keyloom
