#include "shell/win32/win32_window.h"

#include <commctrl.h>

#include <stdexcept>
#include <utility>

#include "platform/win32/wide_text.h"
#include "shell/list_numbering.h"
#include "shell/win32/control_order.h"
#include "shell/win32/control_styles.h"
#include "shell/win32/twips.h"

namespace keyloom {
namespace {

constexpr wchar_t kMainClass[] = L"KeyloomMainWindow";
constexpr wchar_t kPopupClass[] = L"KeyloomPopupWindow";
constexpr wchar_t kDialogProperty[] = L"KeyloomDialogNavigation";
// Command ids above IDOK and IDCANCEL, which dialog navigation sends for Enter and Escape.
constexpr int kFirstControlCommand = 1000;
constexpr int kFirstMenuCommand = 5000;
// Posted by the first Show: the first layout runs once the window is on the screen.
constexpr UINT kFirstLayoutMessage = WM_APP + 1;
// Not WS_CLIPCHILDREN: group boxes leave their inside to the window's own background.
constexpr DWORD kMainStyle = WS_OVERLAPPEDWINDOW;
constexpr DWORD kMainExStyle = WS_EX_CONTROLPARENT;
constexpr DWORD kPopupStyle = WS_POPUP | WS_CLIPCHILDREN;
constexpr DWORD kPopupExStyle = WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;

HINSTANCE Instance() { return GetModuleHandleW(nullptr); }

// Holds back the events of changes that the program itself makes.
class Quiet {
 public:
  explicit Quiet(int& counter) : counter_(counter) { ++counter_; }
  ~Quiet() { --counter_; }
  Quiet(const Quiet&) = delete;
  Quiet& operator=(const Quiet&) = delete;

 private:
  int& counter_;
};

std::wstring WindowTextOf(HWND hwnd) {
  const int length = GetWindowTextLengthW(hwnd);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const int copied = GetWindowTextW(hwnd, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}

int CommandOf(HWND control) { return GetDlgCtrlID(control); }

}  // namespace

void Win32Window::RegisterClasses() {
  static const bool registered = [] {
    WNDCLASSEXW main{};
    main.cbSize = sizeof main;
    main.lpfnWndProc = Procedure;
    main.hInstance = Instance();
    main.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    main.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    // The program's icon is resource 1 of its resource file.
    main.hIcon = LoadIconW(Instance(), MAKEINTRESOURCEW(1));
    main.hIconSm = static_cast<HICON>(LoadImageW(Instance(), MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                 GetSystemMetrics(SM_CXSMICON),
                                                 GetSystemMetrics(SM_CYSMICON), 0));
    main.lpszClassName = kMainClass;
    RegisterClassExW(&main);

    WNDCLASSEXW popup = main;
    popup.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
    popup.hIcon = nullptr;
    popup.hIconSm = nullptr;
    popup.lpszClassName = kPopupClass;
    RegisterClassExW(&popup);
    return true;
  }();
  (void)registered;
}

bool Win32Window::UsesDialogNavigation(HWND root) {
  return root != nullptr && GetPropW(root, kDialogProperty) != nullptr;
}

Win32Window::Win32Window(const WindowDesign& design, WindowEvents& events, const bool& stopped)
    : events_(events),
      stopped_(stopped),
      style_(design.style),
      popup_rect_(design.popup_rect),
      default_button_(design.default_button),
      cancel_button_(design.cancel_button),
      returns_focus_(design.returns_focus) {
  RegisterClasses();
  const bool popup = style_ == WindowStyle::kPopup;
  Quiet quiet(quiet_);
  hwnd_ = CreateWindowExW(popup ? kPopupExStyle : kMainExStyle, popup ? kPopupClass : kMainClass,
                          Utf8ToWide(design.caption).c_str(), popup ? kPopupStyle : kMainStyle,
                          popup ? 0 : CW_USEDEFAULT, popup ? 0 : CW_USEDEFAULT, 0, 0, nullptr,
                          nullptr, Instance(), this);
  if (hwnd_ == nullptr) throw std::runtime_error("the window could not be created");
  dpi_ = static_cast<int>(GetDpiForWindow(hwnd_));
  if (dpi_ <= 0) dpi_ = 96;
  if (!popup) {
    SetPropW(hwnd_, kDialogProperty, reinterpret_cast<HANDLE>(1));
    CreateMenus(design);
  }
  UpdateFont();
  CreateControls(design);

  if (popup) {
    const PixelRect rect = TwipsToPixels(popup_rect_, dpi_);
    SetWindowPos(hwnd_, nullptr, rect.left, rect.top, rect.width, rect.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    RECT outer{0, 0, TwipsToPixels(design.client_size.width, dpi_),
               TwipsToPixels(design.client_size.height, dpi_)};
    AdjustWindowRectExForDpi(&outer, kMainStyle, menu_ != nullptr, kMainExStyle,
                             static_cast<UINT>(dpi_));
    SetWindowPos(hwnd_, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

Win32Window::~Win32Window() {
  {
    Quiet quiet(quiet_);
    if (GetPropW(hwnd_, kDialogProperty) != nullptr) RemovePropW(hwnd_, kDialogProperty);
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
  if (font_ != nullptr) DeleteObject(font_);
}

void Win32Window::CreateMenus(const WindowDesign& design) {
  if (design.menus.empty()) return;
  menu_ = CreateMenu();
  int command = kFirstMenuCommand;
  for (const MenuDesign& menu : design.menus) {
    HMENU popup = CreatePopupMenu();
    for (const MenuItemDesign& item : menu.items) {
      AppendMenuW(popup, MF_STRING | (item.checked ? MF_CHECKED : MF_UNCHECKED),
                  static_cast<UINT_PTR>(command), Utf8ToWide(item.caption).c_str());
      menu_commands_[item.id] = command;
      menu_ids_[command] = item.id;
      ++command;
    }
    AppendMenuW(menu_, MF_POPUP, reinterpret_cast<UINT_PTR>(popup),
                Utf8ToWide(menu.caption).c_str());
  }
  SetMenu(hwnd_, menu_);
}

void Win32Window::CreateControls(const WindowDesign& design) {
  const ControlOrder order = OrderControls(design.controls);
  controls_.resize(design.controls.size());
  for (std::size_t i = 0; i < design.controls.size(); ++i) {
    const ControlDesign& control = design.controls[i];
    Control& state = controls_[i];
    state.kind = control.kind;
    state.id = control.id;
    state.container = control.container;
    state.rect = control.rect;
    if (!by_id_.emplace(control.id, i).second) {
      throw std::invalid_argument("control " + control.id + " designed twice");
    }
    const NativeControl native = NativeControlFor(control, order.group_start[i]);
    if (native.class_name == nullptr) {
      state.caption = control.caption;
      continue;
    }
    state.hwnd = CreateWindowExW(
        native.ex_style, native.class_name, Utf8ToWide(control.caption).c_str(), native.style, 0, 0,
        0, 0, hwnd_, reinterpret_cast<HMENU>(kFirstControlCommand + i), Instance(), nullptr);
    if (state.hwnd == nullptr) continue;
    SendMessageW(state.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
    if (control.kind == ControlKind::kTextBox || control.kind == ControlKind::kMultiLineTextBox) {
      SendMessageW(state.hwnd, EM_SETLIMITTEXT, 0, 0);
    }
    if (control.kind == ControlKind::kCheckBox || control.kind == ControlKind::kOptionButton) {
      SendMessageW(state.hwnd, BM_SETCHECK, control.checked ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    if (control.kind == ControlKind::kListBox && style_ == WindowStyle::kPopup) {
      SetWindowSubclass(state.hwnd, PopupListProcedure, 1, reinterpret_cast<DWORD_PTR>(this));
    }
  }
  // The window order is the tab order of dialog navigation.
  HWND previous = HWND_TOP;
  for (const std::size_t index : order.order) {
    const HWND hwnd = controls_[index].hwnd;
    if (hwnd == nullptr) continue;
    SetWindowPos(hwnd, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    previous = hwnd;
  }
  PlaceAll();
}

void Win32Window::UpdateFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (!SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0,
                                  static_cast<UINT>(dpi_))) {
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  }
  HFONT font = CreateFontIndirectW(&metrics.lfMessageFont);
  if (font == nullptr) return;
  for (const Control& control : controls_) {
    if (control.hwnd) SendMessageW(control.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  }
  if (font_ != nullptr) DeleteObject(font_);
  font_ = font;
}

TwipRect Win32Window::AbsoluteRect(const Control& control) const {
  TwipRect rect = control.rect;
  // Containers come before what they hold, so the chain ends; the guard stops a designed loop.
  const Control* current = &control;
  for (std::size_t depth = 0; !current->container.empty() && depth < controls_.size(); ++depth) {
    current = &Find(current->container);
    rect.left += current->rect.left;
    rect.top += current->rect.top;
  }
  return rect;
}

void Win32Window::Place(const Control& control) {
  if (control.hwnd == nullptr) return;
  const PixelRect rect = TwipsToPixels(AbsoluteRect(control), dpi_);
  SetWindowPos(control.hwnd, nullptr, rect.left, rect.top, rect.width, rect.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Window::PlaceAll() {
  for (const Control& control : controls_) Place(control);
}

const Win32Window::Control& Win32Window::Find(std::string_view id) const {
  const auto it = by_id_.find(id);
  if (it == by_id_.end()) throw std::out_of_range("no control " + std::string(id));
  return controls_[it->second];
}

Win32Window::Control& Win32Window::Find(std::string_view id) {
  const auto it = by_id_.find(id);
  if (it == by_id_.end()) throw std::out_of_range("no control " + std::string(id));
  return controls_[it->second];
}

HWND Win32Window::Handle(std::string_view id) const { return Find(id).hwnd; }

HWND Win32Window::ControlHandle(std::string_view id) const { return Handle(id); }

int Win32Window::MenuCommand(std::string_view id) const {
  const auto it = menu_commands_.find(id);
  if (it == menu_commands_.end()) throw std::out_of_range("no menu item " + std::string(id));
  return it->second;
}

std::string Win32Window::Text(std::string_view id) const {
  const Control& control = Find(id);
  if (control.hwnd == nullptr) return control.caption;
  return WideToUtf8(WindowTextOf(control.hwnd));
}

void Win32Window::SetText(std::string_view id, std::string_view text) {
  Control& control = Find(id);
  if (control.hwnd == nullptr) {
    control.caption = std::string(text);
    return;
  }
  Quiet quiet(quiet_);
  SetWindowTextW(control.hwnd, Utf8ToWide(text).c_str());
}

bool Win32Window::Checked(std::string_view id) const {
  return SendMessageW(Handle(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32Window::SetChecked(std::string_view id, bool checked) {
  const Control& control = Find(id);
  if (checked && control.kind == ControlKind::kOptionButton) {
    for (const Control& other : controls_) {
      if (&other != &control && other.kind == ControlKind::kOptionButton &&
          other.container == control.container) {
        SendMessageW(other.hwnd, BM_SETCHECK, BST_UNCHECKED, 0);
      }
    }
  }
  SendMessageW(control.hwnd, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Win32Window::SetListItems(std::string_view id, const std::vector<std::string>& items) {
  Control& control = Find(id);
  if (control.numbered) {
    control.items = items;
    ShowNumberedItems(control);
    SendMessageW(control.hwnd, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    return;
  }
  const HWND list = control.hwnd;
  Quiet quiet(quiet_);
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  SendMessageW(list, LB_INITSTORAGE, items.size(), items.size() * 16);
  for (const std::string& item : items) {
    SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Utf8ToWide(item).c_str()));
  }
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

void Win32Window::InsertListItem(std::string_view id, std::size_t index, std::string_view text) {
  Control& control = Find(id);
  if (control.numbered) {
    if (index > control.items.size()) return;
    control.items.insert(control.items.begin() + static_cast<std::ptrdiff_t>(index),
                         std::string(text));
    // The selection stays on its item, as the list box keeps it.
    const LRESULT selected = SendMessageW(control.hwnd, LB_GETCURSEL, 0, 0);
    ShowNumberedItems(control);
    if (selected != LB_ERR && static_cast<std::size_t>(selected) >= index) {
      Quiet quiet(quiet_);
      SendMessageW(control.hwnd, LB_SETCURSEL, static_cast<WPARAM>(selected + 1), 0);
    }
    return;
  }
  Quiet quiet(quiet_);
  SendMessageW(control.hwnd, LB_INSERTSTRING, index,
               reinterpret_cast<LPARAM>(Utf8ToWide(text).c_str()));
}

void Win32Window::RemoveListItem(std::string_view id, std::size_t index) {
  Control& control = Find(id);
  if (control.numbered && index < control.items.size()) {
    control.items.erase(control.items.begin() + static_cast<std::ptrdiff_t>(index));
  }
  Quiet quiet(quiet_);
  SendMessageW(control.hwnd, LB_DELETESTRING, index, 0);
  if (control.numbered) ShowNumberedItems(control);
}

void Win32Window::SetListNumbered(std::string_view id, bool numbered) {
  Control& control = Find(id);
  if (control.numbered == numbered) return;
  if (numbered) {
    // The items as the list box holds them become the list's own.
    control.items.clear();
    const LRESULT count = SendMessageW(control.hwnd, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
      std::wstring text(static_cast<std::size_t>(
                            SendMessageW(control.hwnd, LB_GETTEXTLEN, static_cast<WPARAM>(i), 0)) +
                            1,
                        L'\0');
      SendMessageW(control.hwnd, LB_GETTEXT, static_cast<WPARAM>(i),
                   reinterpret_cast<LPARAM>(text.data()));
      text.resize(text.find(L'\0'));
      control.items.push_back(WideToUtf8(text));
    }
  }
  control.numbered = numbered;
  ShowNumberedItems(control);
  if (!numbered) control.items.clear();
}

void Win32Window::ShowNumberedItems(const Control& list) {
  Quiet quiet(quiet_);
  const LRESULT selected = SendMessageW(list.hwnd, LB_GETCURSEL, 0, 0);
  SendMessageW(list.hwnd, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list.hwnd, LB_RESETCONTENT, 0, 0);
  for (std::size_t i = 0; i < list.items.size(); ++i) {
    const std::string text = list.numbered ? NumberedItemText(i, list.items[i]) : list.items[i];
    SendMessageW(list.hwnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Utf8ToWide(text).c_str()));
  }
  if (selected != LB_ERR) SendMessageW(list.hwnd, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
  SendMessageW(list.hwnd, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list.hwnd, nullptr, TRUE);
}

int Win32Window::SelectedListIndex(std::string_view id) const {
  const LRESULT selected = SendMessageW(Handle(id), LB_GETCURSEL, 0, 0);
  return selected == LB_ERR ? -1 : static_cast<int>(selected);
}

void Win32Window::SetSelectedListIndex(std::string_view id, int index) {
  Quiet quiet(quiet_);
  SendMessageW(Handle(id), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

TwipRect Win32Window::Rect(std::string_view id) const { return Find(id).rect; }

void Win32Window::SetRect(std::string_view id, TwipRect rect) {
  Control& control = Find(id);
  control.rect = rect;
  Quiet quiet(quiet_);
  if (control.kind == ControlKind::kFrame) {
    PlaceAll();
  } else {
    Place(control);
  }
}

TwipSize Win32Window::Size() const {
  RECT outer{};
  GetWindowRect(hwnd_, &outer);
  return {PixelsToTwips(outer.right - outer.left, dpi_),
          PixelsToTwips(outer.bottom - outer.top, dpi_)};
}

void Win32Window::SetSize(TwipSize size) {
  Quiet quiet(quiet_);
  SetWindowPos(hwnd_, nullptr, 0, 0, TwipsToPixels(size.width, dpi_),
               TwipsToPixels(size.height, dpi_), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

ScreenRect Win32Window::ScreenFrame() const {
  RECT outer{};
  GetWindowRect(hwnd_, &outer);
  return {outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top};
}

void Win32Window::MoveOnScreen(int left, int top) {
  SetWindowPos(hwnd_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Window::Show() {
  if (style_ == WindowStyle::kPopup) {
    // Above the window the user types in, without taking its focus.
    SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    return;
  }
  if (returns_focus_ && !IsWindowVisible(hwnd_)) focus_before_ = GetForegroundWindow();
  ShowWindow(hwnd_, IsIconic(hwnd_) ? SW_RESTORE : SW_SHOWNORMAL);
  SetForegroundWindow(hwnd_);
  if (!shown_) {
    shown_ = true;
    PostMessageW(hwnd_, kFirstLayoutMessage, 0, 0);
  }
}

void Win32Window::Hide() {
  ShowWindow(hwnd_, SW_HIDE);
  if (HWND before = std::exchange(focus_before_, nullptr); before != nullptr && IsWindow(before)) {
    SetForegroundWindow(before);
  }
}

void Win32Window::Minimize() { ShowWindow(hwnd_, SW_MINIMIZE); }

bool Win32Window::Visible() const { return IsWindowVisible(hwnd_) != FALSE; }

bool Win32Window::MenuChecked(std::string_view id) const {
  return (GetMenuState(menu_, static_cast<UINT>(MenuCommand(id)), MF_BYCOMMAND) & MF_CHECKED) != 0;
}

void Win32Window::SetMenuChecked(std::string_view id, bool checked) {
  CheckMenuItem(menu_, static_cast<UINT>(MenuCommand(id)),
                MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void Win32Window::SetMenuText(std::string_view id, std::string_view caption) {
  std::wstring text = Utf8ToWide(caption);
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STRING;
  info.dwTypeData = text.data();
  SetMenuItemInfoW(menu_, static_cast<UINT>(MenuCommand(id)), FALSE, &info);
  DrawMenuBar(hwnd_);
}

template <typename Event>
void Win32Window::Raise(Event event) {
  if (stopped_ || quiet_ > 0) return;
  // No fault of a handler may end the program or unwind through the system's frames.
  try {
    event();
  } catch (...) {
  }
}

LRESULT CALLBACK Win32Window::Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
    auto* window = static_cast<Win32Window*>(create->lpCreateParams);
    window->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
  }
  auto* window = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (window == nullptr) return DefWindowProcW(hwnd, message, wparam, lparam);
  return window->OnMessage(message, wparam, lparam);
}

LRESULT CALLBACK Win32Window::PopupListProcedure(HWND hwnd, UINT message, WPARAM wparam,
                                                 LPARAM lparam, UINT_PTR /*id*/,
                                                 DWORD_PTR /*window*/) {
  // A click selects without taking the focus from the window the user types in: the list box
  // would otherwise take the focus and activate the pop-up.
  if (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) {
    const LRESULT hit = SendMessageW(hwnd, LB_ITEMFROMPOINT, 0, lparam);
    if (HIWORD(hit) == 0) {
      SendMessageW(hwnd, LB_SETCURSEL, LOWORD(hit), 0);
      SendMessageW(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), LBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(hwnd));
    }
    return 0;
  }
  if (message == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
  return DefSubclassProc(hwnd, message, wparam, lparam);
}

void Win32Window::OnControlCommand(int command, int notification) {
  const std::size_t index = static_cast<std::size_t>(command - kFirstControlCommand);
  if (command < kFirstControlCommand || index >= controls_.size()) return;
  const Control& control = controls_[index];
  const std::string id = control.id;
  switch (control.kind) {
    case ControlKind::kButton:
    case ControlKind::kCheckBox:
    case ControlKind::kOptionButton:
      if (notification == BN_CLICKED) Raise([&] { events_.OnCommand(id); });
      break;
    case ControlKind::kTextBox:
    case ControlKind::kMultiLineTextBox:
      if (notification == EN_CHANGE) Raise([&] { events_.OnTextChanged(id); });
      break;
    case ControlKind::kListBox:
      if (notification == LBN_SELCHANGE) Raise([&] { events_.OnListSelectionChanged(id); });
      if (notification == LBN_DBLCLK) Raise([&] { events_.OnListDoubleClicked(id); });
      break;
    default:
      break;
  }
}

void Win32Window::OnNextControl(WPARAM wparam, LPARAM lparam) {
  // What DefDlgProc does for dialog navigation, which sends this message to the window.
  HWND next = LOWORD(lparam) != 0 ? reinterpret_cast<HWND>(wparam)
                                  : GetNextDlgTabItem(hwnd_, GetFocus(), wparam != 0);
  if (next == nullptr) return;
  SetFocus(next);
  if (SendMessageW(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) {
    SendMessageW(next, EM_SETSEL, 0, -1);
  }
}

LRESULT Win32Window::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND: {
      const int command = LOWORD(wparam);
      // Dialog navigation's Enter and Escape.
      const std::string* clicked = command == IDOK       ? &default_button_
                                   : command == IDCANCEL ? &cancel_button_
                                                         : nullptr;
      if (clicked != nullptr && !clicked->empty()) {
        const std::string id = *clicked;
        Raise([&] { events_.OnCommand(id); });
      } else if (lparam == 0) {
        // A menu item (0) or an accelerator (1).
        const auto it = menu_ids_.find(command);
        if (it != menu_ids_.end()) {
          const std::string id = it->second;
          Raise([&] { events_.OnCommand(id); });
        }
      } else {
        OnControlCommand(CommandOf(reinterpret_cast<HWND>(lparam)), HIWORD(wparam));
      }
      return 0;
    }
    case WM_SIZE:
      if (shown_ && wparam != SIZE_MINIMIZED) Raise([&] { events_.OnResized(); });
      return 0;
    case kFirstLayoutMessage:
      Raise([&] { events_.OnResized(); });
      return 0;
    case WM_CLOSE:
      Raise([&] { events_.OnCloseRequested(); });
      return 0;
    case WM_NEXTDLGCTL:
      OnNextControl(wparam, lparam);
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus != nullptr && IsChild(hwnd_, focus)) last_focus_ = focus;
      } else if (style_ == WindowStyle::kMain) {
        // Back to the control that had the focus, as dialogs do.
        HWND target = last_focus_ != nullptr && IsWindow(last_focus_)
                          ? last_focus_
                          : GetNextDlgTabItem(hwnd_, nullptr, FALSE);
        if (target != nullptr) SetFocus(target);
        return 0;
      }
      break;
    case WM_MOUSEACTIVATE:
      if (style_ == WindowStyle::kPopup) return MA_NOACTIVATE;
      break;
    case WM_DPICHANGED: {
      dpi_ = HIWORD(wparam);
      UpdateFont();
      const auto* suggested = reinterpret_cast<const RECT*>(lparam);
      PlaceAll();
      SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top,
                   suggested->right - suggested->left, suggested->bottom - suggested->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    default:
      break;
  }
  return DefWindowProcW(hwnd_, message, wparam, lparam);
}

}  // namespace keyloom
