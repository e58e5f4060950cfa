# Minimize hides the window to the tray, where its icon is drawn, a click on the tray icon
# brings it back, and File > Exit ends the program at once.
source "$(dirname "$0")/lib.sh"
start_display
start_tray
start_quipcast

shown() { xwininfo -id "$QUIPCAST_WINDOW" | grep -q "Map State: IsViewable"; }
hidden() { ! shown; }

quipcast_click Command1  # Minimize
wait_until 5 hidden || fail "Minimize did not hide the window"
# The icon's square at the tray's start shows a picture, not one flat colour.
icon_colours() { import -window root -crop 22x22+1+1 png:- | convert png:- -format %k info:; }
wait_until 5 bash -c "[ \"\$($(declare -f icon_colours); icon_colours)\" -gt 4 ]" ||
  fail "the tray icon shows $(icon_colours) colours"
# The icon is docked at the start of the tray, at its top left.
click_at 10 12
wait_until 5 shown || fail "a click on the tray icon did not show the window"

quipcast_menu alt+f Up Return  # File > Exit, the last item
wait_until 5 bash -c "! kill -0 $QUIPCAST_PID 2>/dev/null" || fail "Exit did not end the program"
wait "$QUIPCAST_PID" || fail "Exit ended the program with status $?"
