#include "shell/win32/win32_dialogs.h"

#include <commdlg.h>

#include <vector>

#include "platform/win32/wide_text.h"

namespace keyloom {
namespace {

// Room for a long path; the dialog fails rather than cut one short.
constexpr DWORD kPathCapacity = 32768;

std::string RunFileDialog(HWND owner, bool save) {
  std::vector<wchar_t> path(kPathCapacity, L'\0');
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = kPathCapacity;
  // No filter, default extension, folder or title: the system's defaults, as designed.
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (!save) dialog.Flags |= OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
  const BOOL chosen = save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
  return chosen ? WideToUtf8(path.data()) : std::string();
}

}  // namespace

std::string Win32Dialogs::ShowOpen() { return RunFileDialog(owner_(), false); }

std::string Win32Dialogs::ShowSave() { return RunFileDialog(owner_(), true); }

void Win32Dialogs::ShowMessage(std::string_view text, std::string_view title) {
  MessageBoxW(owner_(), Utf8ToWide(text).c_str(), Utf8ToWide(title).c_str(), MB_OK);
}

bool Win32Dialogs::AskYesNo(std::string_view text, std::string_view title) {
  return MessageBoxW(owner_(), Utf8ToWide(text).c_str(), Utf8ToWide(title).c_str(), MB_YESNO) ==
         IDYES;
}

}  // namespace keyloom
