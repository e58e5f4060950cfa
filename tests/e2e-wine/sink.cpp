// The end-to-end tests' focused window under Wine: a plain Win32 text box that records what it
// receives.
//
//   e2e_sink TEXT_FILE CHARS_FILE KEYS_FILE [CLIPBOARD_TEXT CLIPBOARD_FILE]
//
// TEXT_FILE always holds the text box's whole text in UTF-8 with "\n" line ends (replaced after
// each change), so typed keys, Backspace and pastes show as a user would see them. CHARS_FILE
// gets every character of WM_CHAR as it arrives, in UTF-8; KEYS_FILE one line per key press
// (WM_KEYDOWN, WM_SYSKEYDOWN) that reaches the window, named like xdotool names keys ("F9",
// "Tab", "A"). With the last two arguments the sink puts CLIPBOARD_TEXT on the clipboard at
// start and writes the clipboard's text to CLIPBOARD_FILE whenever it changes. With
// KEYLOOM_SINK_CONTROL=richedit in the environment the text box is a RichEdit control, with
// KEYLOOM_SINK_CONTROL=password a password edit control, with KEYLOOM_SINK_CONTROL=protected a
// plain edit control whose accessible object tells it is a password field, as the fields that
// browsers and toolkits draw themselves do. With KEYLOOM_SINK_CARET=FILE the sink
// writes the text box's caret there after each change, as "LEFT TOP WIDTH HEIGHT" in screen
// pixels, once the control has moved it.
#include <windows.h>
// Needs windows.h first.
#include <commctrl.h>
#include <shellapi.h>

#include <richedit.h>

#include "tests/e2e-wine/protected_accessible.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr wchar_t kTitle[] = L"Keyloom E2E Sink";
// Posted after a change: by then the control has moved its caret.
constexpr UINT kSaveCaretMessage = WM_APP + 1;

std::wstring text_file;
std::wstring chars_file;
std::wstring keys_file;
std::wstring clipboard_file;
std::wstring caret_file;
bool tells_protected = false;
HWND edit = nullptr;
wchar_t pending_high_surrogate = 0;

std::string Utf8(const std::wstring& wide) {
  if (wide.empty()) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), size,
                      nullptr, nullptr);
  return utf8;
}

// The whole file at once, so that a test never reads half of it.
void WriteWhole(const std::wstring& path, const std::string& bytes) {
  const std::wstring temp = path + L".tmp";
  if (FILE* file = _wfopen(temp.c_str(), L"wb")) {
    fwrite(bytes.data(), 1, bytes.size(), file);
    fclose(file);
    MoveFileExW(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
  }
}

void Append(const std::wstring& path, const std::string& bytes) {
  if (FILE* file = _wfopen(path.c_str(), L"ab")) {
    fwrite(bytes.data(), 1, bytes.size(), file);
    fclose(file);
  }
}

std::string KeyName(WPARAM key) {
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::string(1, char(key));
  if (key >= VK_F1 && key <= VK_F24) return "F" + std::to_string(key - VK_F1 + 1);
  switch (key) {
    case VK_TAB:
      return "Tab";
    case VK_RETURN:
      return "Return";
    case VK_SPACE:
      return "space";
    case VK_BACK:
      return "BackSpace";
    case VK_UP:
      return "Up";
    case VK_DOWN:
      return "Down";
    case VK_INSERT:
      return "Insert";
    case VK_SHIFT:
      return "Shift";
    case VK_CONTROL:
      return "Control";
    case VK_MENU:
      return "Alt";
    case VK_PACKET:
      return "Packet";
    default:
      return "VK" + std::to_string(key);
  }
}

void SaveText() {
  const int length = GetWindowTextLengthW(edit);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(edit, text.data(), length + 1)));
  // An edit control ends lines with CR LF, a RichEdit control with CR.
  std::wstring unix_lines;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') continue;
    unix_lines += text[i] == L'\r' ? L'\n' : text[i];
  }
  WriteWhole(text_file, Utf8(unix_lines));
}

void SaveCaret() {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetCurrentThreadId(), &info) || info.hwndCaret == nullptr) return;
  RECT caret = info.rcCaret;
  MapWindowPoints(info.hwndCaret, nullptr, reinterpret_cast<POINT*>(&caret), 2);
  WriteWhole(caret_file, std::to_string(caret.left) + " " + std::to_string(caret.top) + " " +
                             std::to_string(caret.right - caret.left) + " " +
                             std::to_string(caret.bottom - caret.top));
}

void SaveClipboard(HWND owner) {
  if (clipboard_file.empty() || !OpenClipboard(owner)) return;
  std::wstring text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = chars;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  WriteWhole(clipboard_file, Utf8(text));
}

void PutOnClipboard(HWND owner, const std::wstring& text) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  memcpy(GlobalLock(block), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
  GlobalUnlock(block);
  if (OpenClipboard(owner)) {
    EmptyClipboard();
    SetClipboardData(CF_UNICODETEXT, block);
    CloseClipboard();
  }
}

LRESULT CALLBACK EditProcedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                               DWORD_PTR) {
  if (message == WM_GETOBJECT && tells_protected && static_cast<LONG>(lparam) == OBJID_CLIENT) {
    return AnswerProtectedObject(hwnd, wparam);
  }
  if (message == WM_SETFOCUS && tells_protected) {
    // A control that draws its own fields tells of their focus itself, as browsers do.
    const LRESULT result = DefSubclassProc(hwnd, message, wparam, lparam);
    NotifyWinEvent(EVENT_OBJECT_FOCUS, hwnd, OBJID_CLIENT, CHILDID_SELF);
    return result;
  }
  if (message == WM_KEYDOWN || message == WM_SYSKEYDOWN) Append(keys_file, KeyName(wparam) + "\n");
  if (message == WM_CHAR) {
    const auto unit = static_cast<wchar_t>(wparam);
    if (unit >= 0xD800 && unit < 0xDC00) {
      pending_high_surrogate = unit;
    } else {
      std::wstring chars;
      if (pending_high_surrogate != 0 && unit >= 0xDC00 && unit < 0xE000) {
        chars += pending_high_surrogate;
      }
      pending_high_surrogate = 0;
      chars += unit;
      Append(chars_file, Utf8(chars));
    }
  }
  return DefSubclassProc(hwnd, message, wparam, lparam);
}

LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wparam) == EN_CHANGE) {
        SaveText();
        if (!caret_file.empty()) PostMessageW(hwnd, kSaveCaretMessage, 0, 0);
      }
      return 0;
    case kSaveCaretMessage:
      SaveCaret();
      return 0;
    case WM_CLIPBOARDUPDATE:
      SaveClipboard(hwnd);
      return 0;
    case WM_SIZE:
      MoveWindow(edit, 0, 0, LOWORD(lparam), HIWORD(lparam), TRUE);
      return 0;
    case WM_SETFOCUS:
    case WM_ACTIVATE:
      SetFocus(edit);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(hwnd, message, wparam, lparam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argc != 4 && argc != 6) return 2;
  text_file = argv[1];
  chars_file = argv[2];
  keys_file = argv[3];
  WriteWhole(text_file, "");
  WriteWhole(chars_file, "");
  WriteWhole(keys_file, "");

  WNDCLASSW window_class{};
  window_class.lpfnWndProc = WindowProcedure;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.lpszClassName = L"KeyloomE2ESink";
  RegisterClassW(&window_class);
  HWND window = CreateWindowW(L"KeyloomE2ESink", kTitle, WS_OVERLAPPEDWINDOW, 420, 300, 520, 260,
                              nullptr, nullptr, instance, nullptr);
  const char* control = std::getenv("KEYLOOM_SINK_CONTROL");
  const bool rich = control != nullptr && std::string(control) == "richedit";
  const bool password = control != nullptr && std::string(control) == "password";
  if (const wchar_t* caret = _wgetenv(L"KEYLOOM_SINK_CARET")) caret_file = caret;
  tells_protected = control != nullptr && std::string(control) == "protected";
  if (rich) LoadLibraryW(L"msftedit.dll");
  // A password box is one line, as Windows makes them.
  const DWORD style =
      password ? ES_PASSWORD | ES_AUTOHSCROLL : ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
  edit = CreateWindowW(rich ? MSFTEDIT_CLASS : L"EDIT", L"", WS_CHILD | WS_VISIBLE | style, 0, 0, 0,
                       0, window, nullptr, instance, nullptr);
  SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);
  // A RichEdit control tells of changes only when asked to.
  if (rich) SendMessageW(edit, EM_SETEVENTMASK, 0, ENM_CHANGE);
  SetWindowSubclass(edit, EditProcedure, 1, 0);
  if (argc == 6) {
    clipboard_file = argv[5];
    AddClipboardFormatListener(window);
    PutOnClipboard(window, argv[4]);
    SaveClipboard(window);
  }
  ShowWindow(window, SW_SHOWNORMAL);
  SetForegroundWindow(window);
  SetFocus(edit);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
