# Escape hides the pop-up but keeps the word: while hidden, the pop-up lets Down through, and
# the next letter extends the same word and shows the pop-up again. Tab on a candidate that is
# the typed word itself pastes nothing, yet the Tab is still withheld.
# Run as: keyloom_escape.sh KEYLOOM SINK WORDS_MDB WORDSTORE.
source "$(dirname "$0")/lib.sh"
WORDS_MDB=$3
WORDSTORE=$4
mapfile -t words < <(store_candidates hel)
[ "$(store_candidates help | head -n1)" == "help" ] || fail "the store offers no help first"

start_display
start_tray
start_sink
start_keyloom "$1" "$WORDS_MDB"

type_in_sink "hel"
expect_popup "after h, e, l"
xdotool key Escape
expect_popup_gone "after Escape"
wait_until 5 keys_seen Esc || fail "Escape did not reach the sink"
xdotool key Down
wait_until 5 keys_seen Down || fail "Down did not reach the sink while the pop-up was hidden"

xdotool type "p"
expect_popup "after the letter that followed Escape"
xdotool key Tab
expect_popup_gone "after Tab on help"
sleep 0.3
keys_seen Tab && fail "the Tab that completed help reached the sink"
expect_file "$E2E_DIR/sink.txt" "help"

# The word ended with that Tab: the next letters start a new one.
xdotool key Return
type_in_sink "hel"
expect_popup "after h, e, l on a new line"
xdotool key --delay 30 Down Tab
expect_file "$E2E_DIR/sink.txt" $'help\n'"hel${words[1]:3}"
