#include "shell/win32/control_styles.h"

#include "shell/win32/win32_api.h"

namespace keyloom {

NativeControl NativeControlFor(const ControlDesign& control, bool group_start) {
  NativeControl native;
  // Frames lie beneath the controls they hold; siblings must not paint over each other.
  native.style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
  if (group_start) native.style |= WS_GROUP;
  if (control.tab_index >= 0) native.style |= WS_TABSTOP;
  switch (control.kind) {
    case ControlKind::kLabel:
      native.class_name = L"STATIC";
      native.style |= SS_LEFT | SS_NOPREFIX;
      break;
    case ControlKind::kTextBox:
      native.class_name = L"EDIT";
      native.style |= ES_LEFT | ES_AUTOHSCROLL;
      native.ex_style = WS_EX_CLIENTEDGE;
      break;
    case ControlKind::kMultiLineTextBox:
      native.class_name = L"EDIT";
      native.style |= ES_LEFT | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
      native.ex_style = WS_EX_CLIENTEDGE;
      break;
    case ControlKind::kListBox:
      // The program keeps the order itself; the height is exactly the designed one.
      native.class_name = L"LISTBOX";
      native.style |= LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
      native.ex_style = WS_EX_CLIENTEDGE;
      break;
    case ControlKind::kCheckBox:
      native.class_name = L"BUTTON";
      native.style |= BS_AUTOCHECKBOX;
      break;
    case ControlKind::kOptionButton:
      native.class_name = L"BUTTON";
      native.style |= BS_AUTORADIOBUTTON;
      break;
    case ControlKind::kFrame:
      native.class_name = control.borderless ? nullptr : L"BUTTON";
      native.style |= BS_GROUPBOX;
      native.style &= ~static_cast<std::uint32_t>(WS_TABSTOP);
      break;
    case ControlKind::kButton:
      native.class_name = L"BUTTON";
      native.style |= BS_PUSHBUTTON;
      break;
  }
  return native;
}

}  // namespace keyloom
