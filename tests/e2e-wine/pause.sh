# Options > Pause leaves every key to the window typed in, and the state survives a restart;
# Options > Resume brings the launches back.
source "$(dirname "$0")/lib.sh"
write_phrase_list "{S} - td - Today is here."
start_sink
start_quipcast

focus "Keyloom Quipcast"
xdotool key --delay 150 alt+o Down Return  # Options > Pause
paused_is() { helper registry | grep -qxF "Options\QuipcastPaused=$1"; }
wait_until 5 paused_is 1 || fail "Pause was not kept: $(helper registry)"
type_in_sink "td "
sleep 0.6
expect_file "$E2E_DIR/sink.txt" "td "

helper close "Keyloom Quipcast" >/dev/null 2>&1 || true
sleep 0.5
start_quipcast
type_in_sink "td "
sleep 0.6
expect_file "$E2E_DIR/sink.txt" "td td "

focus "Keyloom Quipcast"
xdotool key --delay 150 alt+o Down Return  # Options > Resume
wait_until 5 paused_is 0 || fail "Resume was not kept: $(helper registry)"
type_in_sink "td "
expect_file "$E2E_DIR/sink.txt" "td td Today is here."
