# Options > Pause leaves every key to the window typed in: t, d, Space stay as typed and F9
# reaches the sink; the state survives a restart; Options > Resume brings the launches back.
source "$(dirname "$0")/lib.sh"
start_display
start_tray
start_quipcast
start_sink

quipcast_menu alt+h Return          # Help > Load Samples
quipcast_menu alt+f Down Return     # File > File Save
quipcast_menu alt+o Down Return     # Options > Pause
wait_until 5 grep -qx "QuipcastPaused=1" "$XDG_CONFIG_HOME/Keyloom/Keyloom.conf" ||
  fail "Pause was not kept"
type_in_sink "td "
xdotool key F9
wait_until 5 keys_seen F9 || fail "the sink did not get F9 while paused"
expect_file "$E2E_DIR/sink.txt" "td "

kill "$QUIPCAST_PID"
wait "$QUIPCAST_PID" 2>/dev/null || true
start_quipcast
type_in_sink "td "
sleep 0.5
expect_file "$E2E_DIR/sink.txt" "td td "

quipcast_menu alt+o Down Return     # Options > Resume
wait_until 5 grep -qx "QuipcastPaused=0" "$XDG_CONFIG_HOME/Keyloom/Keyloom.conf" ||
  fail "Resume was not kept"
type_in_sink "td "
wait_until 5 grep -q "Today" "$E2E_DIR/sink.txt" || fail "no launch after Resume: $(cat "$E2E_DIR/sink.txt")"
