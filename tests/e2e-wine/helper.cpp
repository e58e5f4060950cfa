// What the end-to-end scripts ask of the Windows side under Wine, one question per run:
//
//   e2e_helper wait TITLE SECONDS     waits for a visible window whose title begins with TITLE
//   e2e_helper activate TITLE         brings that window to the front and gives it the focus
//   e2e_helper foreground             prints the title of the foreground window
//   e2e_helper visible CLASS          exit 0 when a window of that class is visible
//   e2e_helper rect TITLE             prints the window's left, top, width and height
//   e2e_helper class-rect CLASS       the same for the visible window of that class
//   e2e_helper move TITLE LEFT TOP    moves the window there on the screen
//   e2e_helper work-area              prints the work area's left, top, width and height
//   e2e_helper close TITLE            closes the window as its close box does
//   e2e_helper texts TITLE            prints the text of each of the window's controls
//   e2e_helper registry               prints every value under HKCU\Software\Keyloom as
//                                     "Section\Name=Value", sorted
//   e2e_helper clipboard TEXT         puts TEXT on the clipboard
//   e2e_helper copy-picture           puts a small bitmap, HTML and text on the clipboard at
//                                     once, as a browser copying a picture does
//   e2e_helper clipboard-formats      prints, for the bitmap, the HTML and the text, the
//                                     format's name and a checksum of its bytes
//   e2e_helper forget                 deletes HKCU\Software\Keyloom: the user's first start
//   e2e_helper store SECTION NAME VALUE
//                                     writes one string value under HKCU\Software\Keyloom
//
// Exit status 0 for yes or done, 1 for no or not found, 2 for a wrong call.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

namespace {

std::string Utf8(const std::wstring& wide) {
  if (wide.empty()) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), size,
                      nullptr, nullptr);
  return utf8;
}

std::wstring TitleOf(HWND window) {
  wchar_t title[512] = L"";
  GetWindowTextW(window, title, 512);
  return title;
}

struct Search {
  std::wstring prefix;
  HWND found = nullptr;
};

BOOL CALLBACK MatchTitle(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  if (IsWindowVisible(window) && TitleOf(window).rfind(search->prefix, 0) == 0) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND FindByTitle(const std::wstring& prefix) {
  Search search{prefix};
  EnumWindows(MatchTitle, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void Print(const std::string& text) {
  fwrite(text.data(), 1, text.size(), stdout);
  fputc('\n', stdout);
}

void DumpKey(HKEY key, const std::wstring& path, std::vector<std::string>& lines) {
  wchar_t name[512];
  for (DWORD i = 0;; ++i) {
    DWORD name_size = 512;
    BYTE data[4096];
    DWORD data_size = sizeof data - sizeof(wchar_t);
    DWORD type = 0;
    if (RegEnumValueW(key, i, name, &name_size, nullptr, &type, data, &data_size) !=
        ERROR_SUCCESS) {
      break;
    }
    std::wstring value = L"(not a string)";
    if (type == REG_SZ) {
      data[data_size] = 0;
      data[data_size + 1] = 0;
      value = reinterpret_cast<const wchar_t*>(data);
    }
    const std::wstring full = path.empty() ? std::wstring(name) : path + L"\\" + name;
    lines.push_back(Utf8(full + L"=" + value));
  }
  for (DWORD i = 0;; ++i) {
    DWORD name_size = 512;
    if (RegEnumKeyExW(key, i, name, &name_size, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS) {
      break;
    }
    HKEY child = nullptr;
    if (RegOpenKeyExW(key, name, 0, KEY_READ, &child) == ERROR_SUCCESS) {
      DumpKey(child, path.empty() ? name : path + L"\\" + name, lines);
      RegCloseKey(child);
    }
  }
}

int Registry() {
  HKEY root = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Keyloom", 0, KEY_READ, &root) != ERROR_SUCCESS) {
    return 0;
  }
  std::vector<std::string> lines;
  DumpKey(root, L"", lines);
  RegCloseKey(root);
  std::sort(lines.begin(), lines.end());
  for (const std::string& line : lines) Print(line);
  return 0;
}

int SetClipboard(const std::wstring& text) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  memcpy(GlobalLock(block), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
  GlobalUnlock(block);
  // The clipboard needs an owner window to keep the data once this program has ended.
  HWND owner = CreateWindowW(L"STATIC", L"", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
  if (!OpenClipboard(owner)) return 1;
  EmptyClipboard();
  SetClipboardData(CF_UNICODETEXT, block);
  CloseClipboard();
  return 0;
}

constexpr UINT kUnicodeText = CF_UNICODETEXT;

UINT HtmlFormat() { return RegisterClipboardFormatW(L"HTML Format"); }

void Place(UINT format, const void* bytes, size_t size) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
  memcpy(GlobalLock(block), bytes, size);
  GlobalUnlock(block);
  SetClipboardData(format, block);
}

int CopyPicture() {
  BITMAPINFOHEADER header{sizeof(BITMAPINFOHEADER), 2, 2, 1, 32, BI_RGB, 16, 2835, 2835, 0, 0};
  std::string dib(reinterpret_cast<const char*>(&header), sizeof(header));
  for (int i = 0; i < 16; ++i) dib.push_back(static_cast<char>(i * 17));
  const std::string html =
      "Version:0.9\r\nStartHTML:0000000105\r\nEndHTML:0000000177\r\nStartFragment:0000000141"
      "\r\nEndFragment:0000000163\r\n<html><body><!--StartFragment--><img src=a.png>"
      "<!--EndFragment--></body></html>";
  const std::wstring text = L"a.png \u00e9\u0416";
  HWND owner = CreateWindowW(L"STATIC", L"", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
  if (!OpenClipboard(owner)) return 1;
  EmptyClipboard();
  Place(CF_DIB, dib.data(), dib.size());
  Place(HtmlFormat(), html.c_str(), html.size() + 1);
  Place(kUnicodeText, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
  CloseClipboard();
  return 0;
}

int PrintClipboardFormats() {
  if (!OpenClipboard(nullptr)) return 1;
  for (const auto& [name, format] : {std::pair<const char*, UINT>{"DIB", CF_DIB},
                                     {"HTML Format", HtmlFormat()},
                                     {"Unicode text", kUnicodeText}}) {
    std::string line = name;
    if (HANDLE handle = GetClipboardData(format)) {
      const auto* bytes = static_cast<const unsigned char*>(GlobalLock(handle));
      // FNV-1a over the bytes, with their count.
      unsigned long long hash = 14695981039346656037ull;
      const SIZE_T size = GlobalSize(handle);
      for (SIZE_T i = 0; bytes != nullptr && i < size; ++i)
        hash = (hash ^ bytes[i]) * 1099511628211ull;
      GlobalUnlock(handle);
      char figures[64];
      snprintf(figures, sizeof(figures), " %llu bytes, %016llx",
               static_cast<unsigned long long>(size), hash);
      line += figures;
    } else {
      line += " missing";
    }
    Print(line);
  }
  CloseClipboard();
  return 0;
}

struct ClassSearch {
  std::wstring name;
  HWND found = nullptr;
};

BOOL CALLBACK MatchClass(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<ClassSearch*>(data);
  wchar_t name[256] = L"";
  GetClassNameW(window, name, 256);
  if (IsWindowVisible(window) && search->name == name) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK PrintText(HWND control, LPARAM) {
  const std::wstring text = TitleOf(control);
  if (!text.empty()) Print(Utf8(text));
  return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  // Lines end with "\n" alone, as the scripts read them.
  _setmode(_fileno(stdout), _O_BINARY);
  if (argc < 2) return 2;
  const std::wstring command = argv[1];
  const std::wstring argument = argc > 2 ? argv[2] : L"";

  if (command == L"wait" && argc == 4) {
    const DWORD deadline = GetTickCount() + static_cast<DWORD>(_wtoi(argv[3])) * 1000;
    while (FindByTitle(argument) == nullptr) {
      if (static_cast<int>(GetTickCount() - deadline) > 0) return 1;
      Sleep(50);
    }
    return 0;
  }
  if (command == L"activate" && argc == 3) {
    HWND window = FindByTitle(argument);
    if (window == nullptr) return 1;
    for (int attempt = 0; attempt < 50 && GetForegroundWindow() != window; ++attempt) {
      SetForegroundWindow(window);
      Sleep(20);
    }
    return GetForegroundWindow() == window ? 0 : 1;
  }
  if (command == L"foreground" && argc == 2) {
    Print(Utf8(TitleOf(GetForegroundWindow())));
    return 0;
  }
  if (command == L"visible" && argc == 3) {
    ClassSearch search{argument};
    EnumWindows(MatchClass, reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr ? 0 : 1;
  }
  if ((command == L"rect" || command == L"class-rect") && argc == 3) {
    HWND window = FindByTitle(argument);
    if (command == L"class-rect") {
      ClassSearch search{argument};
      EnumWindows(MatchClass, reinterpret_cast<LPARAM>(&search));
      window = search.found;
    }
    RECT rect{};
    if (window == nullptr || !GetWindowRect(window, &rect)) return 1;
    Print(std::to_string(rect.left) + " " + std::to_string(rect.top) + " " +
          std::to_string(rect.right - rect.left) + " " + std::to_string(rect.bottom - rect.top));
    return 0;
  }
  if (command == L"move" && argc == 5) {
    HWND window = FindByTitle(argument);
    return window != nullptr && SetWindowPos(window, nullptr, _wtoi(argv[3]), _wtoi(argv[4]), 0, 0,
                                             SWP_NOSIZE | SWP_NOZORDER)
               ? 0
               : 1;
  }
  if (command == L"work-area" && argc == 2) {
    RECT area{};
    if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0)) return 1;
    Print(std::to_string(area.left) + " " + std::to_string(area.top) + " " +
          std::to_string(area.right - area.left) + " " + std::to_string(area.bottom - area.top));
    return 0;
  }
  if (command == L"close" && argc == 3) {
    HWND window = FindByTitle(argument);
    if (window == nullptr) return 1;
    PostMessageW(window, WM_CLOSE, 0, 0);
    return 0;
  }
  if (command == L"texts" && argc == 3) {
    HWND window = FindByTitle(argument);
    if (window == nullptr) return 1;
    EnumChildWindows(window, PrintText, 0);
    return 0;
  }
  if (command == L"registry" && argc == 2) return Registry();
  if (command == L"forget" && argc == 2) {
    const LSTATUS status = RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Keyloom");
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND ? 0 : 1;
  }
  if (command == L"store" && argc == 5) {
    const std::wstring path = std::wstring(L"Software\\Keyloom\\") + argv[2];
    const std::wstring value = argv[4];
    return RegSetKeyValueW(HKEY_CURRENT_USER, path.c_str(), argv[3], REG_SZ, value.c_str(),
                           static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))) ==
                   ERROR_SUCCESS
               ? 0
               : 1;
  }
  if (command == L"clipboard" && argc == 3) return SetClipboard(argument);
  if (command == L"copy-picture" && argc == 2) return CopyPicture();
  if (command == L"clipboard-formats" && argc == 2) return PrintClipboardFormats();
  return 2;
}
