#include "platform/win32/win32_keystroke_output.h"

#include <windows.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/win32/key_input_plan.h"
#include "platform/win32/message_window.h"

namespace keyloom {
namespace {

constexpr wchar_t kWindowClass[] = L"KeyloomKeystrokeOutput";
constexpr UINT kSendWaitingMessage = WM_APP + 1;
constexpr UINT_PTR kInFlightTimer = 1;
// Input that has not come through the hook by then never will (another hook dropped it): the
// user's keys must not stay held back behind it.
constexpr UINT kInFlightLimitMs = 500;

class SystemKeyboard final : public KeyboardFacts {
 public:
  explicit SystemKeyboard(const HeldModifiers& held) : held_(held) {
    // Characters are looked up in the layout of the window that will receive them.
    const HWND target = GetForegroundWindow();
    layout_ = GetKeyboardLayout(target ? GetWindowThreadProcessId(target, nullptr) : 0);
  }

  bool LogicallyDown(int virtual_key) const override {
    return (GetAsyncKeyState(virtual_key) & 0x8000) != 0;
  }
  bool PhysicallyHeld(int virtual_key) const override { return held_.Held(virtual_key); }
  std::optional<int> KeyScan(char32_t c) const override {
    if (c > 0xFFFF) return std::nullopt;
    const SHORT scan = VkKeyScanExW(static_cast<WCHAR>(c), layout_);
    if (scan == -1) return std::nullopt;
    return static_cast<int>(static_cast<unsigned short>(scan));
  }

 private:
  const HeldModifiers& held_;
  HKL layout_ = nullptr;
};

INPUT ToInput(const KeyInput& key) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.dwExtraInfo = key.tag;
  if (key.kind == KeyInput::Kind::kUnicode) {
    input.ki.wScan = key.code;
    input.ki.dwFlags = KEYEVENTF_UNICODE;
  } else {
    input.ki.wVk = key.code;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key.code, MAPVK_VK_TO_VSC));
    if (key.extended) input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
  }
  if (key.up) input.ki.dwFlags |= KEYEVENTF_KEYUP;
  return input;
}

// A key event of the user's, held back while the program's input waited, sent again.
INPUT Replay(const LowLevelKey& key, std::uintptr_t tag) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.dwExtraInfo = tag;
  input.ki.wScan = static_cast<WORD>(key.scan_code);
  if (key.virtual_key == VK_PACKET) {
    input.ki.dwFlags = KEYEVENTF_UNICODE;
  } else {
    input.ki.wVk = static_cast<WORD>(key.virtual_key);
  }
  if (key.extended) input.ki.dwFlags |= KEYEVENTF_EXTENDEDKEY;
  if (!key.down) input.ki.dwFlags |= KEYEVENTF_KEYUP;
  return input;
}

LRESULT CALLBACK WindowProcedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* output = OwnerOf<Win32KeystrokeOutput>(hwnd);
  if (message == kSendWaitingMessage) {
    if (output != nullptr) output->SendWaiting();
    return 0;
  }
  if (message == WM_TIMER && wparam == kInFlightTimer) {
    KillTimer(hwnd, kInFlightTimer);
    if (output != nullptr) output->StopWaitingForInput();
    return 0;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

}  // namespace

Win32KeystrokeOutput::Win32KeystrokeOutput(KeyboardState& state, InjectionTags tags)
    : state_(state),
      tags_(tags),
      window_(CreateMessageWindow(kWindowClass, WindowProcedure, this)) {
  state_.send_held_back = [this] { PostSendWaiting(); };
}

Win32KeystrokeOutput::~Win32KeystrokeOutput() {
  state_.send_held_back = nullptr;
  if (window_ != nullptr) DestroyWindow(static_cast<HWND>(window_));
}

bool Win32KeystrokeOutput::PostSendWaiting() {
  if (state_.output_waiting) return true;
  state_.output_waiting =
      window_ != nullptr && PostMessageW(static_cast<HWND>(window_), kSendWaitingMessage, 0, 0);
  return state_.output_waiting;
}

void Win32KeystrokeOutput::StopWaitingForInput() {
  if (state_.in_flight == 0) return;
  state_.in_flight = 0;
  if (!state_.held_back.empty()) PostSendWaiting();
}

bool Win32KeystrokeOutput::Send(std::span<const KeyAction> actions) {
  if (!state_.handling_key || window_ == nullptr) {
    // What waits goes first, so that the order stays.
    SendWaiting();
    return SendNow(actions);
  }
  waiting_.insert(waiting_.end(), actions.begin(), actions.end());
  if (!PostSendWaiting()) {
    waiting_.clear();
    return false;
  }
  return true;
}

void Win32KeystrokeOutput::SendWaiting() {
  if (!state_.output_waiting) return;
  state_.output_waiting = false;
  const KeyActions actions = std::exchange(waiting_, {});
  SendNow(actions, std::exchange(state_.held_back, {}));
}

bool Win32KeystrokeOutput::SendNow(std::span<const KeyAction> actions,
                                   std::span<const LowLevelKey> held_back) {
  // The modifiers are read now: what the user holds when the keys go out is what matters.
  const KeyInputPlan plan = PlanKeyInputs(actions, SystemKeyboard(state_.held), tags_);
  std::vector<INPUT> inputs;
  inputs.reserve(plan.inputs.size() + held_back.size());
  for (const KeyInput& key : plan.inputs) inputs.push_back(ToInput(key));
  // In the same batch: the user's keys follow the program's, with nothing between.
  for (const LowLevelKey& key : held_back) inputs.push_back(Replay(key, tags_.replayed));
  if (inputs.empty()) return plan.complete;
  // Counted before they go: a hook may see them before SendInput has returned.
  const int count = static_cast<int>(inputs.size());
  state_.in_flight += count;
  const UINT sent =
      SendInput(static_cast<UINT>(count), inputs.data(), static_cast<int>(sizeof(INPUT)));
  state_.in_flight = std::max(0, state_.in_flight - (count - static_cast<int>(sent)));
  if (state_.in_flight > 0 && window_ != nullptr) {
    SetTimer(static_cast<HWND>(window_), kInFlightTimer, kInFlightLimitMs, nullptr);
  }
  return plan.complete && sent == inputs.size();
}

}  // namespace keyloom
