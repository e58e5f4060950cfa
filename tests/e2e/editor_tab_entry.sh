# An entry added through the editor's fields and Add String lands in the list file at once;
# it is ended by Tab, so "zq" and Tab launch it and "zq" and Space do not.
source "$(dirname "$0")/lib.sh"
start_display
start_tray
start_quipcast
start_sink

focus "$QUIPCAST_WINDOW"
quipcast_click Text10
xdotool type --delay 40 "zq"
quipcast_click Text7
xdotool type --delay 40 "Zebra quote"
quipcast_click Option2  # Tab
quipcast_click Command8  # Add String
list_file="$E2E_DIR/app/defaultkeys.kyl"
expect_file "$list_file" $'{T} - zq - Zebra quote\x01\r'

type_in_sink "zq "
sleep 0.6
expect_file "$E2E_DIR/sink.txt" "zq "
xdotool key --delay 40 z q Tab
expect_file "$E2E_DIR/sink.txt" "zq Zebra quote"
