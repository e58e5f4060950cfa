#include "shell/win32/win32_shell.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "shell/win32/win32_timer.h"
#include "shell/win32/win32_tray_icon.h"
#include "shell/win32/win32_window.h"

namespace keyloom {
namespace {

constexpr wchar_t kShellClass[] = L"KeyloomShellWindow";
constexpr UINT kMaxTrayIcons = 100;

template <typename Event>
void Guarded(bool stopped, Event event) {
  if (stopped) return;
  // No fault of a handler may end the program or unwind through the system's frames.
  try {
    event();
  } catch (...) {
  }
}

}  // namespace

// A timer that the shell forgets when the program destroys it.
class Win32Shell::TimerHandle final : public Timer {
 public:
  TimerHandle(Win32Shell& shell, UINT_PTR id, std::function<void()> on_tick)
      : shell_(shell), id_(id), timer_(shell.hwnd_, id, std::move(on_tick)) {
    shell_.timers_[id_] = &timer_;
  }
  ~TimerHandle() override { shell_.timers_.erase(id_); }
  TimerHandle(const TimerHandle&) = delete;
  TimerHandle& operator=(const TimerHandle&) = delete;

  void SetInterval(int milliseconds) override { timer_.SetInterval(milliseconds); }
  int Interval() const override { return timer_.Interval(); }
  void SetEnabled(bool enabled) override { timer_.SetEnabled(enabled); }
  bool Enabled() const override { return timer_.Enabled(); }

 private:
  Win32Shell& shell_;
  UINT_PTR id_;
  Win32Timer timer_;
};

// A tray icon that the shell forgets when the program destroys it.
class Win32Shell::TrayHandle final : public TrayIcon {
 public:
  TrayHandle(Win32Shell& shell, UINT id, TrayEvents& events)
      : shell_(shell), id_(id), icon_(shell.hwnd_, id, kTrayMessageBase + id, events) {
    shell_.trays_[id_] = &icon_;
  }
  ~TrayHandle() override { shell_.trays_.erase(id_); }
  TrayHandle(const TrayHandle&) = delete;
  TrayHandle& operator=(const TrayHandle&) = delete;

  bool Add(std::string_view tip) override { return icon_.Add(tip); }
  bool Available() const override { return icon_.Available(); }
  void ShowNotification(std::string_view title, std::string_view text) override {
    icon_.ShowNotification(title, text);
  }
  void ShowState(std::string_view tip, bool paused) override { icon_.ShowState(tip, paused); }

 private:
  Win32Shell& shell_;
  UINT id_;
  Win32TrayIcon icon_;
};

Win32Shell::Win32Shell() : dialogs_([this] { return DialogOwner(); }) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  WNDCLASSEXW shell_class{};
  shell_class.cbSize = sizeof shell_class;
  shell_class.lpfnWndProc = Procedure;
  shell_class.hInstance = GetModuleHandleW(nullptr);
  shell_class.lpszClassName = kShellClass;
  RegisterClassExW(&shell_class);
  // A hidden top-level window, never shown: message-only windows miss the TaskbarCreated
  // broadcast.
  hwnd_ = CreateWindowExW(WS_EX_TOOLWINDOW, kShellClass, L"Keyloom", WS_POPUP, 0, 0, 0, 0, nullptr,
                          nullptr, GetModuleHandleW(nullptr), this);
  taskbar_created_ = RegisterWindowMessageW(L"TaskbarCreated");
}

Win32Shell::~Win32Shell() {
  if (hwnd_ != nullptr) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

std::unique_ptr<Window> Win32Shell::CreateWindow(const WindowDesign& design, WindowEvents& events) {
  auto window = std::make_unique<Win32Window>(design, events, stopped_);
  if (design.style == WindowStyle::kMain) main_windows_.push_back(window->handle());
  return window;
}

std::unique_ptr<Timer> Win32Shell::CreateTimer(std::function<void()> on_tick) {
  std::function<void()> guarded = [this, tick = std::move(on_tick)] { Guarded(stopped_, tick); };
  return std::make_unique<TimerHandle>(*this, next_timer_id_++, std::move(guarded));
}

std::unique_ptr<TrayIcon> Win32Shell::CreateTrayIcon(TrayEvents& events) {
  const UINT id = next_tray_id_;
  next_tray_id_ = next_tray_id_ % kMaxTrayIcons + 1;
  return std::make_unique<TrayHandle>(*this, id, events);
}

int Win32Shell::Run() {
  MSG message;
  while (!stopped_ && GetMessageW(&message, nullptr, 0, 0) > 0) {
    const HWND root = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (Win32Window::UsesDialogNavigation(root) && IsDialogMessageW(root, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return exit_code_;
}

void Win32Shell::Quit(int exit_code) {
  stopped_ = true;
  exit_code_ = exit_code;
  PostQuitMessage(exit_code);
}

HWND Win32Shell::DialogOwner() const {
  const HWND active = GetActiveWindow();
  if (active != nullptr &&
      std::find(main_windows_.begin(), main_windows_.end(), active) != main_windows_.end()) {
    return active;
  }
  for (const HWND window : main_windows_) {
    if (IsWindow(window)) return window;
  }
  return nullptr;
}

LRESULT CALLBACK Win32Shell::Procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lparam);
    auto* shell = static_cast<Win32Shell*>(create->lpCreateParams);
    shell->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(shell));
  }
  auto* shell = reinterpret_cast<Win32Shell*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (shell == nullptr) return DefWindowProcW(hwnd, message, wparam, lparam);
  return shell->OnMessage(message, wparam, lparam);
}

LRESULT Win32Shell::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_TIMER) {
    const auto it = timers_.find(wparam);
    if (it != timers_.end()) it->second->Tick();
    return 0;
  }
  if (message > kTrayMessageBase && message <= kTrayMessageBase + kMaxTrayIcons) {
    const auto it = trays_.find(message - kTrayMessageBase);
    if (it != trays_.end()) Guarded(stopped_, [&] { it->second->OnNotify(lparam); });
    return 0;
  }
  if (taskbar_created_ != 0 && message == taskbar_created_) {
    for (const auto& [id, tray] : trays_) tray->OnTaskbarCreated();
    return 0;
  }
  return DefWindowProcW(hwnd_, message, wparam, lparam);
}

}  // namespace keyloom
