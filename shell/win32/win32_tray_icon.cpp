#include "shell/win32/win32_tray_icon.h"

#include <algorithm>

#include "platform/win32/wide_text.h"

namespace keyloom {
namespace {

template <std::size_t N>
void CopyText(wchar_t (&field)[N], const std::wstring& text) {
  const std::size_t length = std::min(text.size(), N - 1);
  std::copy_n(text.begin(), length, field);
  field[length] = L'\0';
}

}  // namespace

Win32TrayIcon::Win32TrayIcon(HWND window, UINT id, UINT callback_message, TrayEvents& events)
    : window_(window), id_(id), callback_message_(callback_message), events_(events) {
  // The program's icon, resource 1, at the size the notification area shows.
  icon_ = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON,
                                        GetSystemMetrics(SM_CXSMICON),
                                        GetSystemMetrics(SM_CYSMICON), 0));
  if (icon_ == nullptr) icon_ = LoadIconW(nullptr, IDI_APPLICATION);
}

Win32TrayIcon::~Win32TrayIcon() {
  if (!added_) return;
  NOTIFYICONDATAW record = Record();
  Shell_NotifyIconW(NIM_DELETE, &record);
}

NOTIFYICONDATAW Win32TrayIcon::Record() const {
  NOTIFYICONDATAW record{};
  record.cbSize = sizeof record;
  record.hWnd = window_;
  record.uID = id_;
  record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  record.uCallbackMessage = callback_message_;
  record.hIcon = icon_;
  CopyText(record.szTip, tip_);
  return record;
}

bool Win32TrayIcon::Add(std::string_view tip) {
  tip_ = Utf8ToWide(tip);
  NOTIFYICONDATAW record = Record();
  // The shell refuses a second add of the same icon; no second icon ever appears.
  if (!Shell_NotifyIconW(NIM_ADD, &record)) return false;
  added_ = true;
  return true;
}

bool Win32TrayIcon::Available() const { return FindWindowW(L"Shell_TrayWnd", nullptr) != nullptr; }

void Win32TrayIcon::ShowNotification(std::string_view title, std::string_view text) {
  NOTIFYICONDATAW record = Record();
  record.uFlags = NIF_INFO;
  CopyText(record.szInfoTitle, Utf8ToWide(title));
  CopyText(record.szInfo, Utf8ToWide(text));
  record.dwInfoFlags = NIIF_INFO;
  Shell_NotifyIconW(NIM_MODIFY, &record);
}

void Win32TrayIcon::OnTaskbarCreated() {
  if (!added_) return;
  NOTIFYICONDATAW record = Record();
  Shell_NotifyIconW(NIM_ADD, &record);
}

void Win32TrayIcon::OnNotify(LPARAM lparam) { events_.OnTrayMouse(LOWORD(lparam)); }

}  // namespace keyloom
