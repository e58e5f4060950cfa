# Up and Down steer the pop-up only while they move its selection: Up on the first entry and
# Down on the last reach the sink, and the selection stays where it was.
# Run as: keyloom_list_ends.sh KEYLOOM SINK WORDS_MDB WORDSTORE.
source "$(dirname "$0")/lib.sh"
WORDS_MDB=$3
WORDSTORE=$4
mapfile -t words < <(store_candidates hel)

start_display
start_tray
start_sink
start_keyloom "$1" "$WORDS_MDB"

type_in_sink "hel"
expect_popup "after h, e, l"
xdotool key Up
wait_until 5 keys_seen Up || fail "Up on the first entry did not reach the sink"
popup_shown || fail "Up on the first entry hid the pop-up"

downs=()
for ((i = 1; i < ${#words[@]}; i++)); do downs+=(Down); done
xdotool key --delay 30 "${downs[@]}"
sleep 0.3
keys_seen Down && fail "Down reached the sink before the last entry"
xdotool key Down
wait_until 5 keys_seen Down || fail "Down on the last entry did not reach the sink"
[ "$(grep -cx Down "$E2E_DIR/keys.txt")" -eq 1 ] || fail "more than one Down reached the sink"

# The arrows may have moved the sink's cursor: End puts it back after the letters, and it is
# no key that the word capture or the pop-up acts on.
xdotool key End Tab
expect_file "$E2E_DIR/sink.txt" "hel${words[-1]:3}"
keys_seen Tab && fail "the Tab that completed reached the sink"
expect_popup_gone "after the completion"
