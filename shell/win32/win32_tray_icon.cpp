#include "shell/win32/win32_tray_icon.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/win32/wide_text.h"

namespace keyloom {
namespace {

template <std::size_t N>
void CopyText(wchar_t (&field)[N], const std::wstring& text) {
  const std::size_t length = std::min(text.size(), N - 1);
  std::copy_n(text.begin(), length, field);
  field[length] = L'\0';
}

// A grey copy of `icon`, its transparency kept; nullptr when the copy fails.
HICON GreyedIcon(HICON icon) {
  ICONINFO info{};
  if (!GetIconInfo(icon, &info)) return nullptr;
  HICON greyed = nullptr;
  BITMAP bitmap{};
  if (info.hbmColor != nullptr && GetObjectW(info.hbmColor, sizeof bitmap, &bitmap) != 0) {
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = bitmap.bmWidth;
    format.bmiHeader.biHeight = -bitmap.bmHeight;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(bitmap.bmWidth) * bitmap.bmHeight *
                                     4);
    HDC screen = GetDC(nullptr);
    if (GetDIBits(screen, info.hbmColor, 0, static_cast<UINT>(bitmap.bmHeight), pixels.data(),
                  &format, DIB_RGB_COLORS) != 0) {
      for (std::size_t i = 0; i + 3 < pixels.size(); i += 4) {
        // Luminance, lightened so that the paused icon reads as inactive.
        const int grey = (pixels[i] * 29 + pixels[i + 1] * 150 + pixels[i + 2] * 77) / 256;
        const auto light = static_cast<std::uint8_t>(128 + grey / 2);
        pixels[i] = pixels[i + 1] = pixels[i + 2] = light;
      }
      SetDIBits(screen, info.hbmColor, 0, static_cast<UINT>(bitmap.bmHeight), pixels.data(),
                &format, DIB_RGB_COLORS);
      greyed = CreateIconIndirect(&info);
    }
    ReleaseDC(nullptr, screen);
  }
  if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
  if (info.hbmMask != nullptr) DeleteObject(info.hbmMask);
  return greyed;
}

}  // namespace

Win32TrayIcon::Win32TrayIcon(HWND window, UINT id, UINT callback_message, TrayEvents& events)
    : window_(window), id_(id), callback_message_(callback_message), events_(events) {
  // The program's icon, resource 1, at the size the notification area shows.
  icon_ = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1), IMAGE_ICON,
                                        GetSystemMetrics(SM_CXSMICON),
                                        GetSystemMetrics(SM_CYSMICON), 0));
  if (icon_ == nullptr) icon_ = LoadIconW(nullptr, IDI_APPLICATION);
  running_icon_ = icon_;
}

Win32TrayIcon::~Win32TrayIcon() {
  if (paused_icon_ != nullptr) DestroyIcon(paused_icon_);
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

void Win32TrayIcon::ShowState(std::string_view tip, bool paused) {
  tip_ = Utf8ToWide(tip);
  if (paused && paused_icon_ == nullptr) paused_icon_ = GreyedIcon(running_icon_);
  icon_ = paused && paused_icon_ != nullptr ? paused_icon_ : running_icon_;
  if (!added_) return;
  NOTIFYICONDATAW record = Record();
  Shell_NotifyIconW(NIM_MODIFY, &record);
}

void Win32TrayIcon::OnTaskbarCreated() {
  if (!added_) return;
  NOTIFYICONDATAW record = Record();
  Shell_NotifyIconW(NIM_ADD, &record);
}

void Win32TrayIcon::OnNotify(LPARAM lparam) { events_.OnTrayMouse(LOWORD(lparam)); }

}  // namespace keyloom
