#include "shell/win32/win32_page_opener.h"

#include "shell/win32/win32_api.h"
// Needs windows.h first.
#include <shellapi.h>

#include "platform/win32/wide_text.h"

namespace keyloom {

bool Win32PageOpener::Open(std::string_view address) {
  if (address.empty()) return false;
  const auto result = reinterpret_cast<INT_PTR>(ShellExecuteW(
      nullptr, L"open", Utf8ToWide(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  // Values up to 32 are errors.
  return result > 32;
}

}  // namespace keyloom
