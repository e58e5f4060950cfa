# Boost is on at a first start: phrases are pasted, the text arrives whole, accented letters,
# Cyrillic and an emoji included, and the clipboard's earlier text is back afterwards.
source "$(dirname "$0")/lib.sh"
write_phrase_list "{S} - ty - Thank you" "{T} - ca - café Жук 😀"
start_quipcast
start_sink "earlier text"
type_in_sink "ty "
expect_file "$E2E_DIR/sink.txt" "Thank you"
expect_file "$E2E_DIR/clipboard.txt" "earlier text"
sleep 0.3
xdotool key --delay 60 space c a Tab
expect_file "$E2E_DIR/sink.txt" "Thank you café Жук 😀"
expect_file "$E2E_DIR/clipboard.txt" "earlier text"
# Pasted, not typed: the sink got Ctrl+V, not the characters one by one.
grep -qx V "$E2E_DIR/keys.txt" || fail "the phrase was not pasted"
grep -q "Packet" "$E2E_DIR/keys.txt" && fail "the phrase was typed, not pasted"
true
