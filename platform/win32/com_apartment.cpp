#include "platform/win32/com_apartment.h"

#include <objbase.h>

namespace keyloom {

ComApartment::ComApartment() {
  started_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
}

ComApartment::~ComApartment() {
  if (started_) CoUninitialize();
}

}  // namespace keyloom
