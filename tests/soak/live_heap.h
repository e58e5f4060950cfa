#pragma once

#include <cstddef>

namespace keyloom {

// Bytes allocated through operator new and not yet freed, in this whole test program. The soak
// tests replace the global operator new and delete to count them.
std::size_t LiveHeapBytes();

}  // namespace keyloom
