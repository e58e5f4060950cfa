#pragma once

// windows.h for the shell's Win32 backend. It defines CreateWindow as a macro, which would
// rename Shell::CreateWindow wherever both are seen.
#include <windows.h>
#undef CreateWindow
