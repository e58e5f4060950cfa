# F9 with no entry for it reaches the sink. With the samples, Ctrl+F9 types the two-line sample
# as text although Ctrl is still held, the sink never sees that F9, and Ctrl is not left down.
# Boost is off here, so the phrase is typed key by key rather than pasted.
source "$(dirname "$0")/lib.sh"
start_display
start_tray
start_quipcast
start_sink

focus "$SINK_WINDOW"
xdotool key F9
wait_until 5 grep -qx F9 "$E2E_DIR/keys.txt" || fail "F9 without an entry did not reach the sink"

quipcast_click Check8  # Boost off
wait_until 5 grep -qx "Boost=0" "$XDG_CONFIG_HOME/Keyloom/Keyloom.conf" || fail "Boost is still on"
quipcast_menu alt+h Return  # Help > Load Samples
sleep 0.3
focus "$SINK_WINDOW"
: >"$E2E_DIR/keys.txt"
xdotool keydown ctrl
xdotool key F9
sleep 0.3
xdotool keyup ctrl
expect_file "$E2E_DIR/sink.txt" $'This is a sample of Ctrl-F9 \nI hope you like it'
grep -qx F9 "$E2E_DIR/keys.txt" && fail "the sink saw the F9 of the chord"

# After the quiet period a plain key is plain again: no modifier stayed down.
sleep 0.7
xdotool type x
expect_file "$E2E_DIR/sink.txt" $'This is a sample of Ctrl-F9 \nI hope you like itx'
