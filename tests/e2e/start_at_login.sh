# Options > Start at Login writes an autostart entry; the program that the entry's command
# starts comes up in the tray with its window hidden; a click on the icon shows the window, and
# choosing the item again removes the entry.
source "$(dirname "$0")/lib.sh"
start_display
start_tray
start_quipcast
entry="$XDG_CONFIG_HOME/autostart/quipcast.desktop"

quipcast_menu alt+o Up Up Up Up Return  # Options > Start at Login, before Quipcast's own three
wait_until 5 test -f "$entry" || fail "Start at Login wrote no $entry"
command=$(sed -n 's/^Exec=//p' "$entry")
[ "$command" == "\"$E2E_DIR/app/quipcast\" --in-tray" ] || fail "the entry starts: $command"
kill "$QUIPCAST_PID"
wait "$QUIPCAST_PID" 2>/dev/null || true

eval "$command" >"$E2E_DIR/quipcast-login.log" 2>&1 &
E2E_PIDS+=($!)
icon_colours() { import -window root -crop 22x22+1+1 png:- | convert png:- -format %k info:; }
wait_until 10 bash -c "[ \"\$($(declare -f icon_colours); icon_colours)\" -gt 4 ]" ||
  fail "the program started at login shows no tray icon"
sleep 0.5
! xdotool search --onlyvisible --name 'Keyloom Quipcast' >/dev/null ||
  fail "the program started at login showed its window"
click_at 10 12
QUIPCAST_WINDOW=$(wait_until 5 xdotool search --onlyvisible --name 'Keyloom Quipcast' | head -n1) ||
  fail "a click on the tray icon did not show the window"
quipcast_menu alt+o Up Up Up Up Return
wait_until 5 test ! -e "$entry" || fail "choosing Start at Login again left $entry"
