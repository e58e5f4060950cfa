#include "shell/qt/focus_return.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <cstdlib>
#include <utility>

namespace keyloom {
namespace {

xcb_connection_t* X11Connection() {
  const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  return x11 != nullptr ? x11->connection() : nullptr;
}

}  // namespace

void FocusReturn::Remember() {
  xcb_connection_t* connection = X11Connection();
  if (connection == nullptr) return;
  xcb_get_input_focus_reply_t* reply =
      xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr);
  if (reply == nullptr) return;
  // PointerRoot (1) and None (0) name no window to go back to.
  window_ = reply->focus > 1 ? reply->focus : 0;
  std::free(reply);
}

void FocusReturn::GiveBack() {
  xcb_connection_t* connection = X11Connection();
  const std::uint32_t window = std::exchange(window_, 0);
  if (connection == nullptr || window == 0) return;
  // A window closed meanwhile makes an error that Qt's event loop reads and drops. The round
  // trip after it: the server has moved the focus before the program types on another
  // connection.
  xcb_set_input_focus(connection, XCB_INPUT_FOCUS_PARENT, window, XCB_CURRENT_TIME);
  std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

}  // namespace keyloom
