# Keyloom offers the store's words for the letters typed in the sink: three letters show the
# pop-up at the screen's top-left corner without taking the focus, the alphabetically first
# word chosen. Every candidate in turn, reached with Down and taken with Tab, leaves the typed
# letters and the rest of that word in the sink; neither key reaches it, and the clipboard is
# left as it was. A click on an entry chooses it too, and leaves the focus. Run as: keyloom_candidates.sh KEYLOOM SINK WORDS_MDB WORDSTORE.
source "$(dirname "$0")/lib.sh"
WORDS_MDB=$3
WORDSTORE=$4
mapfile -t words < <(store_candidates hel)
[ "${#words[@]}" -eq 15 ] || fail "the store offers ${#words[@]} words for hel, expected 15"

start_display
start_tray
start_sink "earlier text"
start_keyloom "$1" "$WORDS_MDB"

type_in_sink "hel"
expect_popup "after h, e, l"
focus_in_sink || fail "the pop-up took the focus"
eval "$(xdotool getwindowgeometry --shell "$(popup_window)")"
[ "$X,$Y" == "0,0" ] || fail "the pop-up stands at $X,$Y, not at the top-left corner"

# Round k takes the candidate k entries below the first; each ends with Enter for the next.
expected=""
for k in "${!words[@]}"; do
  if [ "$k" -gt 0 ]; then
    xdotool key Return
    expected+=$'\n'
    type_in_sink "hel"
    expect_popup "after hel in round $k"
  fi
  downs=()
  for ((i = 0; i < k; i++)); do downs+=(Down); done
  xdotool key --delay 30 "${downs[@]}" Tab
  expected+=hel${words[k]:3}
  expect_file "$E2E_DIR/sink.txt" "$expected"
done
grep -qxE "Down|Tab" "$E2E_DIR/keys.txt" && fail "the sink saw a key that the pop-up took"
focus_in_sink || fail "the focus left the sink"
expect_clipboard_untouched "earlier text"

# The third entry's row lies about 32 pixels down, whether its rows are 12 or 14 pixels high.
xdotool key Return
type_in_sink "hel"
expect_popup "after hel for the click"
click_at 20 32
sleep 0.3
focus_in_sink || fail "the click on the pop-up took the focus"
xdotool key Tab
expect_file "$E2E_DIR/sink.txt" "$expected"$'\n'"hel${words[2]:3}"
