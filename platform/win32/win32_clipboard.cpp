#include "platform/win32/win32_clipboard.h"

#include <windows.h>

#include <cstring>

#include "platform/win32/wide_text.h"

namespace keyloom {
namespace {

// Another program may hold the clipboard for a moment; a few quick tries, never a long wait,
// since the clipboard is used on the keyboard hook's path.
constexpr int kOpenTries = 5;

}  // namespace

Win32Clipboard::Win32Clipboard()
    : window_(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              GetModuleHandleW(nullptr), nullptr)) {}

Win32Clipboard::~Win32Clipboard() {
  if (window_ != nullptr) DestroyWindow(static_cast<HWND>(window_));
}

bool Win32Clipboard::Open() {
  for (int i = 0; i < kOpenTries; ++i) {
    if (OpenClipboard(static_cast<HWND>(window_))) return true;
    Sleep(0);
  }
  return false;
}

std::optional<std::string> Win32Clipboard::GetText() {
  if (!Open()) return std::nullopt;
  std::string text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* wide = static_cast<const wchar_t*>(GlobalLock(data))) {
      // The data need not end with a zero where its block ends.
      const std::size_t limit = GlobalSize(data) / sizeof(wchar_t);
      std::size_t length = 0;
      while (length < limit && wide[length] != L'\0') ++length;
      text = WideToUtf8(std::wstring_view(wide, length));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

bool Win32Clipboard::SetText(std::string_view text) {
  const std::wstring wide = Utf8ToWide(text);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
  if (block == nullptr) return false;
  if (void* target = GlobalLock(block)) {
    std::memcpy(target, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(block);
  }
  if (!Open()) {
    GlobalFree(block);
    return false;
  }
  EmptyClipboard();
  const bool placed = SetClipboardData(CF_UNICODETEXT, block) != nullptr;
  // Once placed, the block belongs to the system.
  if (!placed) GlobalFree(block);
  CloseClipboard();
  return placed;
}

}  // namespace keyloom
