# Backspace and Enter end the word and hide the pop-up: the letters after them count from
# nothing, so the pop-up shows again only once they reach the threshold of three. Space while
# the pop-up shows keeps the word, and the completion then follows the space.
# Run as: keyloom_word_end.sh KEYLOOM SINK WORDS_MDB WORDSTORE.
source "$(dirname "$0")/lib.sh"
WORDS_MDB=$3
WORDSTORE=$4
mapfile -t words < <(store_candidates hel)

start_display
start_tray
start_sink
start_keyloom "$1" "$WORDS_MDB"

# ends_word KEY TEXT: after h, e, l and KEY the sink holds TEXT; two more letters show no
# pop-up, the third does, and Tab completes the word that these three letters make. (The
# file's last line break does not count when it is compared.)
ends_word() {
  type_in_sink "hel"
  expect_popup "after h, e, l"
  xdotool key "$1"
  expect_popup_gone "after $1"
  expect_file "$E2E_DIR/sink.txt" "${2%$'\n'}"
  xdotool type --delay 40 "he"
  expect_file "$E2E_DIR/sink.txt" "$2he"
  expect_no_popup "two letters after $1"
  xdotool type "l"
  expect_popup "three letters after $1"
  xdotool key Tab
  expect_file "$E2E_DIR/sink.txt" "$2${words[0]}"
}

ends_word BackSpace "he"
ends_word Return "he${words[0]}hel"$'\n'

xdotool key Return
type_in_sink "hel"
expect_popup "after h, e, l on the third line"
xdotool key space
lines="he${words[0]}hel"$'\n'"${words[0]}"$'\n'
expect_file "$E2E_DIR/sink.txt" "${lines}hel "
popup_shown || fail "Space hid the pop-up"
xdotool key Tab
expect_file "$E2E_DIR/sink.txt" "${lines}hel ${words[0]:3}"
