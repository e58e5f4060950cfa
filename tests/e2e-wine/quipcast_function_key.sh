# F9 without an entry reaches the sink. Ctrl+F9 types its phrase as text although Ctrl is still
# held, the sink never sees that F9, and afterwards no modifier is left down.
source "$(dirname "$0")/lib.sh"
write_phrase_list "{F} - {Ctrl}{F9} - Chord text" "{F} - {Shift}{F8} - Shifted"
helper store Options Boost 0
start_quipcast
start_sink

focus "Keyloom E2E Sink"
xdotool key F9
wait_until 5 grep -qx F9 "$E2E_DIR/keys.txt" || fail "F9 without an entry did not reach the sink"
: >"$E2E_DIR/keys.txt"

xdotool keydown ctrl
sleep 0.1
xdotool key F9
sleep 0.4
xdotool keyup ctrl
expect_file "$E2E_DIR/sink.txt" "Chord text"
grep -qx F9 "$E2E_DIR/keys.txt" && fail "the sink saw the F9 of the chord"

# After the quiet period a plain key is plain again.
sleep 0.7
xdotool type x
expect_file "$E2E_DIR/sink.txt" "Chord textx"
xdotool key shift+F8
expect_file "$E2E_DIR/sink.txt" "Chord textxShifted"
sleep 0.7
xdotool type y
expect_file "$E2E_DIR/sink.txt" "Chord textxShiftedy"
