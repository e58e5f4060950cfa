# Boost on pastes the phrase and gives the clipboard its earlier text back; Boost off types
# the phrase and leaves the clipboard alone. The choice is stored.
source "$(dirname "$0")/lib.sh"
start_display
start_tray
start_quipcast
start_sink "earlier text"
settings="$XDG_CONFIG_HOME/Keyloom/Keyloom.conf"
sample=$'This is a sample \nI hope you like it'

wait_until 5 grep -qx "Boost=1" "$settings" || fail "Boost is not on at a first start"
quipcast_menu alt+h Return  # Help > Load Samples
sleep 0.3
type_in_sink "sp "
expect_file "$E2E_DIR/sink.txt" "$sample"
expect_file "$E2E_DIR/clipboard.txt" "earlier text"

quipcast_click Check8  # Boost off
wait_until 5 grep -qx "Boost=0" "$settings" || fail "Boost did not go off"
rm "$E2E_DIR/clipboard.txt"
type_in_sink " sp "
expect_file "$E2E_DIR/sink.txt" "$sample $sample"
sleep 0.6
[ ! -e "$E2E_DIR/clipboard.txt" ] || fail "typing without Boost changed the clipboard"
