// The platform services that talk to the system, run under Windows or Wine.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/platform.h"
#include "platform/win32/dpapi_files.h"
#include "platform/win32/named_virtual_keys.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_clipboard.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_folders.h"
#include "platform/win32/win32_program_starter.h"

namespace keyloom {
namespace {

// What the clipboard holds in `format`, read as another program would; nullopt when nothing.
std::optional<std::string> Held(UINT format) {
  if (!OpenClipboard(nullptr)) return std::nullopt;
  std::optional<std::string> data;
  if (HANDLE handle = GetClipboardData(format)) {
    if (const void* bytes = GlobalLock(handle)) {
      data = std::string(static_cast<const char*>(bytes), GlobalSize(handle));
      GlobalUnlock(handle);
    }
  }
  CloseClipboard();
  return data;
}

void Put(const std::vector<std::pair<UINT, std::string>>& formats) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  for (const auto& [format, data] : formats) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, data.size());
    std::memcpy(GlobalLock(block), data.data(), data.size());
    GlobalUnlock(block);
    SetClipboardData(format, block);
  }
  CloseClipboard();
}

TEST(Win32ClipboardTest, PutsEveryFormatBackByteForByteAndMarksItsOwnText) {
  Win32Clipboard clipboard;
  const UINT html = RegisterClipboardFormatW(L"HTML Format");
  const UINT history = RegisterClipboardFormatW(L"CanIncludeInClipboardHistory");
  BITMAPINFOHEADER header{sizeof(BITMAPINFOHEADER), 2, 2, 1, 32, BI_RGB, 16, 0, 0, 0, 0};
  std::string dib(reinterpret_cast<const char*>(&header), sizeof(header));
  dib += std::string("\x01\x02\x03\x00\x04\x05\x06\x00\x07\x08\x09\x00\x0a\x0b\x0c\x00", 16);
  const std::string html_data = "Version:0.9\r\nStartHTML:0\r\n<b>caf\xC3\xA9</b>";
  const std::string text("c\0a\0f\0\xE9\0\0\0", 10);  // UTF-16 "café"
  Put({{CF_DIB, dib}, {html, html_data}, {CF_UNICODETEXT, text}});

  const std::unique_ptr<ClipboardSnapshot> saved = clipboard.Save();
  ASSERT_NE(saved, nullptr);
  EXPECT_FALSE(saved->Empty());
  ASSERT_TRUE(clipboard.SetText("caf\xC3\xA9 \xD0\x96 \xF0\x9F\x98\x80"));
  EXPECT_EQ(Held(CF_UNICODETEXT),
            std::string("c\0a\0f\0\xE9\0 \0\x16\x04 \0\x3D\xD8\x00\xDE\0\0", 20));
  EXPECT_EQ(Held(history), std::string(4, '\0'));
  EXPECT_EQ(Held(html), std::nullopt);

  ASSERT_TRUE(clipboard.Restore(*saved));
  EXPECT_EQ(Held(CF_DIB), dib);
  EXPECT_EQ(Held(html), html_data);
  EXPECT_EQ(Held(CF_UNICODETEXT), text);
  EXPECT_EQ(Held(history), std::nullopt);
}

TEST(Win32ClipboardTest, AnEmptyClipboardIsSavedAsEmptyAndPutBackEmpty) {
  Win32Clipboard clipboard;
  Put({});
  const std::unique_ptr<ClipboardSnapshot> saved = clipboard.Save();
  ASSERT_NE(saved, nullptr);
  EXPECT_TRUE(saved->Empty());
  ASSERT_TRUE(clipboard.SetText("x"));
  // Not before the paste has been fetched.
  EXPECT_FALSE(clipboard.Restore(*saved));
  EXPECT_EQ(Held(CF_UNICODETEXT), std::string("x\0\0\0", 4));
  ASSERT_TRUE(clipboard.Restore(*saved));
  EXPECT_EQ(CountClipboardFormats(), 0);
}

// Another program's window that has only promised its text and renders it once `release` is
// set, as an owner does that hangs.
struct HangingOwner {
  HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE thread = nullptr;

  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_RENDERFORMAT) {
      auto* owner = reinterpret_cast<HangingOwner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
      WaitForSingleObject(owner->release, INFINITE);
      HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 4);
      std::memcpy(GlobalLock(block), "h\0\0\0", 4);
      GlobalUnlock(block);
      SetClipboardData(CF_UNICODETEXT, block);
      return 0;
    }
    return DefWindowProcW(window, message, wparam, lparam);
  }
  static DWORD WINAPI Run(void* parameter) {
    auto* owner = static_cast<HangingOwner*>(parameter);
    WNDCLASSW window_class{};
    window_class.lpfnWndProc = Procedure;
    window_class.lpszClassName = L"KeyloomTestHangingOwner";
    RegisterClassW(&window_class);
    HWND window = CreateWindowW(L"KeyloomTestHangingOwner", L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                nullptr, nullptr, nullptr);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
    OpenClipboard(window);
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, nullptr);
    CloseClipboard();
    SetEvent(owner->ready);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    return 0;
  }
};

TEST(Win32ClipboardTest, AnOwnerThatNeverRendersLeavesTheClipboardBusyWithoutHoldingTheCaller) {
  Win32Clipboard clipboard;
  HangingOwner owner;
  owner.thread = CreateThread(nullptr, 0, HangingOwner::Run, &owner, 0, nullptr);
  ASSERT_EQ(WaitForSingleObject(owner.ready, 10000), WAIT_OBJECT_0);
  // Were the caller to wait for the owner, this would never return.
  EXPECT_EQ(clipboard.Save(), nullptr);
  EXPECT_EQ(clipboard.Save(), nullptr);  // the first read is still stuck: busy at once
  SetEvent(owner.release);
  std::unique_ptr<ClipboardSnapshot> saved;
  for (int i = 0; i < 100 && !saved; ++i) {
    Sleep(50);
    saved = clipboard.Save();
  }
  ASSERT_NE(saved, nullptr);
  EXPECT_FALSE(saved->Empty());
  PostThreadMessageW(GetThreadId(owner.thread), WM_QUIT, 0, 0);
  WaitForSingleObject(owner.thread, 10000);
  CloseHandle(owner.thread);
  CloseHandle(owner.release);
  CloseHandle(owner.ready);
}

TEST(DpapiFilesTest, SealsTheContentOnDiskAndReadsItBack) {
  wchar_t temp[MAX_PATH];
  ASSERT_GT(GetTempPathW(MAX_PATH, temp), 0u);
  const std::string path = JoinPath(WideToUtf8(temp), "keyloom-dpapi-test");
  PrivateFiles& files = DpapiFiles();
  ASSERT_TRUE(files.Replace(path, "3\tsecret\n"));
  const std::optional<std::string> on_disk = StandardFileSystem().ReadFile(path);
  ASSERT_TRUE(on_disk);
  EXPECT_EQ(on_disk->find("secret"), std::string::npos);
  EXPECT_EQ(files.Read(path), "3\tsecret\n");
  StandardFileSystem().ReplaceFile(path, "not sealed");
  EXPECT_EQ(files.Read(path), std::nullopt);
  EXPECT_TRUE(files.Remove(path));
  EXPECT_EQ(StandardFileSystem().ReadFile(path), std::nullopt);
}

TEST(Win32ClockTest, FormatsTheGivenTime) {
  const Win32Clock clock;
  const LocalDateTime t{2026, 12, 7, 15, 4, 5};
  EXPECT_NE(clock.FormatShortDate(t).find("2026"), std::string::npos);
  EXPECT_NE(clock.FormatTime(t).find("04"), std::string::npos);
  EXPECT_EQ(clock.FormatDateTime(t), clock.FormatShortDate(t) + " " + clock.FormatTime(t));
  EXPECT_GE(clock.Now().year, 2020);
}

TEST(Win32FoldersTest, ProgramFolderHoldsTheProgramAndUserDataIsKeyloom) {
  const AppFolders folders = Win32AppFolders();
  ASSERT_FALSE(folders.program.empty());
  EXPECT_TRUE(StandardFileSystem().ReadFile(JoinPath(folders.program, "platform_win32_tests.exe")));
  EXPECT_TRUE(folders.user_data.ends_with("\\Keyloom"));
  EXPECT_TRUE(folders.installed_data.empty());
}

TEST(Win32ProgramStarterTest, AMissingProgramOrAnEmptyLineIsNotStarted) {
  Win32ProgramStarter starter;
  EXPECT_FALSE(starter.Start("   "));
  EXPECT_FALSE(starter.Start("no-such-program-here.exe"));
}

TEST(NamedVirtualKeysTest, FunctionKeysFollowEachOther) {
  EXPECT_EQ(VirtualKeyOf(NamedKey::kF1).code, 0x70);
  EXPECT_EQ(VirtualKeyOf(NamedKey::kF12).code, 0x7B);
  EXPECT_EQ(VirtualKeyOf(NamedKey::kF16).code, 0x7F);
  EXPECT_TRUE(VirtualKeyOf(NamedKey::kInsert).extended);
  EXPECT_FALSE(VirtualKeyOf(NamedKey::kEnter).extended);
}

TEST(Win32PlatformTest, CreatesEveryService) {
  std::string error;
  const std::unique_ptr<Platform> platform = CreatePlatform(error);
  ASSERT_NE(platform, nullptr);
  EXPECT_EQ(platform->code_page().Encode("abc"), "abc");
  EXPECT_FALSE(platform->folders().program.empty());
}

}  // namespace
}  // namespace keyloom
