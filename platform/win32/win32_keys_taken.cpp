#include "platform/win32/win32_keys_taken.h"

namespace keyloom {
namespace {

// Owns the mutex if it is free (or was left by a program that ended) without waiting.
bool TryOwn(HANDLE mutex) {
  const DWORD result = WaitForSingleObject(mutex, 0);
  return result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
}

}  // namespace

Win32KeysTaken::Win32KeysTaken()
    : mutex_(CreateMutexW(nullptr, FALSE, L"Local\\KeyloomKeysTaken")) {}

Win32KeysTaken::~Win32KeysTaken() {
  if (mutex_ == nullptr) return;
  if (held_) ReleaseMutex(mutex_);
  CloseHandle(mutex_);
}

void Win32KeysTaken::Take(bool taken) {
  if (mutex_ == nullptr || taken == held_) return;
  if (taken) {
    held_ = TryOwn(mutex_);
  } else {
    ReleaseMutex(mutex_);
    held_ = false;
  }
}

bool Win32KeysTaken::TakenElsewhere() {
  if (held_ || mutex_ == nullptr) return false;
  if (!TryOwn(mutex_)) return true;
  ReleaseMutex(mutex_);
  return false;
}

}  // namespace keyloom
