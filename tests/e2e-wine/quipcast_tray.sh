# Minimize hides the window to the tray, which shows Quipcast's own icon; a click on the tray icon shows it again. Closing the
# window ends the program, which takes its tray icon away.
source "$(dirname "$0")/lib.sh"
start_quipcast
focus "Keyloom Quipcast"
# Minimize comes before the applications' options and names box, the last of the tab order.
xdotool key --delay 100 shift+Tab shift+Tab shift+Tab space
wait_until 5 window_hidden "Keyloom Quipcast" ||
  fail "Minimize did not hide the window"
wait_until 5 tray_shows '#1F8A5C' || fail "the tray does not show Quipcast's icon"
# The notification area is at the right end of the Wine desktop's taskbar, the only icon there.
xdotool mousemove 1270 1013 click 1
helper wait "Keyloom Quipcast" 5 || fail "a click on the tray icon did not show the window"
helper close "Keyloom Quipcast"
wait_until 10 program_ended "${E2E_PIDS[0]}" || fail "closing did not end Quipcast"
