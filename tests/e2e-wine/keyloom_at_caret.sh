# With "Show suggestions at the text cursor" on, the pop-up stands just below the caret of an
# edit control and of a RichEdit control: after text on the first line, on a second line, above
# the caret when the window is near the work area's bottom edge (the Wine desktop's taskbar
# stands below it), and moved in from the right edge.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/../e2e/popup_checks.sh"
build_word_store zest zebra zero zebu
helper store Options SuggestionsAtCaret 1
start_program keyloom "Keyloom Word Complete"
read -r _ _ AREA_WIDTH AREA_HEIGHT <<<"$(helper work-area)"

placed_as() {
  popup_shown && popup_placed "$1" "$(cat "$E2E_DIR/caret.txt")" \
    "$(helper class-rect KeyloomPopupWindow)" "$AREA_WIDTH"
}
# type_word_at WHERE LETTERS: Escape and Enter then leave the pop-up and start a new line.
type_word_at() {
  type_in_sink "$2"
  wait_until 5 placed_as "$1" || fail "pop-up at $(helper class-rect KeyloomPopupWindow), caret at \
$(cat "$E2E_DIR/caret.txt") in the $CONTROL control: not $1 it"
  xdotool key --delay 100 Escape Return
  wait_until 5 popup_hidden || fail "the pop-up stayed after Escape"
}

for CONTROL in edit richedit; do
  echo "--- $CONTROL"
  KEYLOOM_SINK_CONTROL=$CONTROL KEYLOOM_SINK_CARET=$(win_path "$E2E_DIR/caret.txt") start_sink
  type_word_at below "I am zeb"  # words of fewer letters show nothing
  type_word_at below "zer"
  helper move "Keyloom E2E Sink" 100 $((AREA_HEIGHT - 150))
  type_word_at above "zeb"
  helper move "Keyloom E2E Sink" $((AREA_WIDTH - 150)) 100
  type_word_at right "zeb"
  helper close "Keyloom E2E Sink" >/dev/null 2>&1 || true
  sleep 0.5
done
