# With no notification area on the desktop, Minimize must not hide the window, or nothing
# could bring it back: the window stays on the screen (minimizing is the window manager's).
source "$(dirname "$0")/lib.sh"
start_display
start_quipcast

quipcast_click Command1  # Minimize
sleep 1
xwininfo -id "$QUIPCAST_WINDOW" | grep -q "Map State: IsViewable" ||
  fail "Minimize hid the window although there is no tray"
