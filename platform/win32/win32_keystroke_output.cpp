#include "platform/win32/win32_keystroke_output.h"

#include <windows.h>

#include <vector>

#include "platform/win32/key_input_plan.h"

namespace keyloom {
namespace {

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

}  // namespace

bool Win32KeystrokeOutput::Send(std::span<const KeyAction> actions) {
  const KeyInputPlan plan = PlanKeyInputs(actions, SystemKeyboard(held_), tags_);
  std::vector<INPUT> inputs;
  inputs.reserve(plan.inputs.size());
  for (const KeyInput& key : plan.inputs) inputs.push_back(ToInput(key));
  if (inputs.empty()) return plan.complete;
  const UINT sent =
      SendInput(static_cast<UINT>(inputs.size()), inputs.data(), static_cast<int>(sizeof(INPUT)));
  return plan.complete && sent == inputs.size();
}

}  // namespace keyloom
