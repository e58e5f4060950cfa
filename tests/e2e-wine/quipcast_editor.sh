# The editor by keyboard alone, as a user without a mouse works it: launch letters, Tab to the
# send string (pasted there, with accented letters, Cyrillic and an emoji), Tab and an arrow
# key to the Tab option, Tab twice to Add String and Space. The entry lands in the list file at
# once, in UTF-8 since the system's code page cannot hold it, and "zq" with Tab launches it.
# Help > Load Samples and File > File Save through the menu's access keys save all eleven.
source "$(dirname "$0")/lib.sh"
start_quipcast
start_sink

helper clipboard "Zebra é Ж 😀" || fail "the clipboard could not be set"
focus "Keyloom Quipcast"
xdotool type --delay 60 "zq"
xdotool key --delay 100 Tab ctrl+v Tab Right Tab Tab space
list_file="$E2E_DIR/app/defaultkeys.kyl"
expect_bytes "$list_file" \
  "efbbbf$(printf '{T} - zq - Zebra ' | od -An -tx1 | tr -d ' \n')c3a920d09620f09f988001"0d0a

type_in_sink "zq "
sleep 0.6
expect_file "$E2E_DIR/sink.txt" "zq "
xdotool key --delay 60 z q Tab
expect_file "$E2E_DIR/sink.txt" "zq Zebra é Ж 😀"

focus "Keyloom Quipcast"
xdotool key --delay 150 alt+h Return
sleep 0.3
xdotool key --delay 150 alt+f Down Return
wait_until 5 list_entries_are "$list_file" 11 ||
  fail "the list file does not hold the eleven entries"
