#pragma once

#include <windows.h>
// Needs windows.h first.
#include <oleacc.h>

// The accessible object of a control that draws a password field of its own, as browsers and
// toolkits do: the control's standard object, with STATE_SYSTEM_PROTECTED added to its state.
// Answers WM_GETOBJECT for the control's client object.
LRESULT AnswerProtectedObject(HWND control, WPARAM wparam);
