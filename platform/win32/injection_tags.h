#pragma once

#include <cstdint>

namespace keyloom {

// The marks that this program puts on the input it injects (SendInput's dwExtraInfo), so that its
// own hook can tell them from the user's keys and from other programs' input. Restores of the
// user's held modifiers carry a mark of their own (see HookFilter), and so do the user's keys
// sent again after being held back, which count as the user's.
struct InjectionTags {
  std::uintptr_t typed = 0;
  std::uintptr_t restore = 0;
  std::uintptr_t replayed = 0;

  static InjectionTags ForProcess(std::uint32_t process_id) {
    const std::uintptr_t base = (std::uintptr_t{0x4B4C} << 48) | (std::uintptr_t{process_id} << 2);
    return {base, base | 1, base | 2};
  }
  bool Own(std::uintptr_t extra_info) const { return extra_info == typed || extra_info == restore; }
};

}  // namespace keyloom
