# Keyloom completes the word typed in the sink: three letters show the pop-up, which never
# takes the focus; Down moves its selection and Tab pastes the rest of the chosen word. Both
# keys are withheld from the sink only while the pop-up shows, the clipboard's earlier text is
# back afterwards, and the program writes nothing to the settings store.
source "$(dirname "$0")/lib.sh"
build_word_store zest zebra zero zebu
start_sink "earlier text"
start_program keyloom "Keyloom Word Complete"

type_in_sink "zeb"
wait_until 5 popup_shown || fail "no pop-up after three letters"
[ "$(helper foreground)" == "Keyloom E2E Sink" ] || fail "the pop-up took the focus"
# The candidates stand in alphabetical order, the first one chosen: zebra, then zebu.
xdotool key --delay 150 Down Tab
expect_file "$E2E_DIR/sink.txt" "zebu"
grep -qxE "Down|Tab" "$E2E_DIR/keys.txt" && fail "the sink saw a key that the pop-up took"
expect_file "$E2E_DIR/clipboard.txt" "earlier text"

# With the pop-up gone, Tab is the sink's again.
wait_until 8 popup_hidden ||
  fail "the pop-up stayed"
xdotool key Tab
expect_file "$E2E_DIR/sink.txt" $'zebu\t'
[ -z "$(helper registry)" ] || fail "Keyloom wrote settings: $(helper registry)"
