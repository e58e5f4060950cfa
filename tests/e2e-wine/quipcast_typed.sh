# With Boost off phrases are typed key by key: launch letters ended by Space or by Tab in the
# sink give the phrase in place of the letters and the ending key, accented letters, Cyrillic
# and an emoji included.
source "$(dirname "$0")/lib.sh"
write_phrase_list "{S} - ty - Thank you" "{T} - ca - café Жук 😀"
helper store Options Boost 0
start_quipcast
start_sink
type_in_sink "ty "
expect_file "$E2E_DIR/sink.txt" "Thank you"
# Space alone does not launch a Tab entry.
sleep 0.6
xdotool key --delay 60 c a space
expect_file "$E2E_DIR/sink.txt" "Thank youca "
sleep 0.6
xdotool key --delay 60 c a Tab
expect_file "$E2E_DIR/sink.txt" "Thank youca café Жук 😀"
grep -q "ca	" "$E2E_DIR/chars.txt" || fail "the sink did not see the Tab before the erasing"
