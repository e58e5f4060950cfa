# Keyloom completes the word typed in the sink: three letters show the pop-up, which never
# takes the focus; Down moves its selection and Tab types the rest of the chosen word. Both
# keys are withheld from the sink only while the pop-up shows, and the clipboard is left as it
# was. Run as: keyloom_completion.sh KEYLOOM SINK WORDSTORE_TOOL.
source "$(dirname "$0")/lib.sh"
KEYLOOM_BINARY=$1
WORDSTORE=$3

mkdir -p "$E2E_DIR/app"
printf 'zest\nzebra\nzero\nzebu\n' >"$E2E_DIR/words.txt"
"$WORDSTORE" build "$E2E_DIR/words.txt" "$E2E_DIR/app/words.mdb" --iterations 1000 >/dev/null

start_display
start_tray
start_sink "earlier text"
start_keyloom "$KEYLOOM_BINARY"

type_in_sink "zeb"
wait_until 5 popup_shown || fail "no pop-up after three letters"
focus_in_sink || fail "the pop-up took the focus"
# The candidates stand in alphabetical order, the first one chosen: zebra, then zebu.
xdotool key --delay 100 Down Tab
expect_file "$E2E_DIR/sink.txt" "zebu"
grep -qxE "Down|Tab" "$E2E_DIR/keys.txt" && fail "the sink saw a key that the pop-up took"
expect_clipboard_untouched "earlier text"

# With the pop-up gone, Tab is the sink's again.
expect_popup_gone "after the completion"
xdotool key Tab
expect_file "$E2E_DIR/sink.txt" $'zebu\t'
