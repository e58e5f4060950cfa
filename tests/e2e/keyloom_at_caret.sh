# With "Show suggestions at the text cursor" on, the pop-up stands just below the caret of a GTK
# text view, as the accessibility bus tells where it is: after text on the first line, on a
# second line, above the caret when the window is near the screen's bottom edge, and moved in
# from the right edge, also with Qt scaled by 2; in xterm, which tells nothing of its caret, it stays at the screen's
# corner. Run as: keyloom_at_caret.sh KEYLOOM SINK WORDS_MDB WORDSTORE.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/popup_checks.sh"
KEYLOOM=$1
WORDS_MDB=$3
SCREEN_WIDTH=1024
SCREEN_HEIGHT=768

start_display
start_session_bus
set_options SuggestionsAtCaret=1
start_keyloom "$KEYLOOM" "$WORDS_MDB"
start_gtk_client 'Keyloom GTK sink' gtk_sink.py "$E2E_DIR/gtk.txt" "$E2E_DIR/caret.txt"
SINK_WINDOW=$GTK_WINDOW

# popup_geometry: "X Y WIDTH HEIGHT" of the shown pop-up.
popup_geometry() {
  local info
  info=$(xwininfo -id "$(popup_window)")
  printf '%s %s %s %s' "$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")" \
    "$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")" \
    "$(sed -n 's/.*Width: //p' <<<"$info")" "$(sed -n 's/.*Height: //p' <<<"$info")"
}

placed_as() {
  popup_shown && popup_placed "$1" "$(cat "$E2E_DIR/caret.txt")" "$(popup_geometry)" "$SCREEN_WIDTH"
}

# type_word_at WHERE WORD_START: types the letters in the sink and checks the pop-up's place;
# Escape and Enter then leave it and start a new line.
type_word_at() {
  focus "$SINK_WINDOW"
  xdotool type --delay 80 "$2"
  expect_popup "for $2 $1 the caret"
  wait_until 5 placed_as "$1" ||
    fail "pop-up at $(popup_geometry), caret at $(cat "$E2E_DIR/caret.txt"): not $1 it"
  xdotool key --delay 80 Escape Return
  expect_popup_gone "after Escape"
}

type_word_at below "I am hel"  # words of fewer letters show nothing
type_word_at below "wor"
move_window "$SINK_WINDOW" 0 $((SCREEN_HEIGHT - 120))
type_word_at above "hel"
move_window "$SINK_WINDOW" $((SCREEN_WIDTH - 150)) 100
type_word_at right "hel"

# Qt scaled by 2 places its windows in logical pixels; the caret's device pixels are converted.
kill "$KEYLOOM_PID"
wait "$KEYLOOM_PID" 2>/dev/null || true
QT_SCALE_FACTOR=2 start_keyloom "$KEYLOOM" "$WORDS_MDB"
move_window "$SINK_WINDOW" 100 100
type_word_at below "hel"
move_window "$SINK_WINDOW" 0 $((SCREEN_HEIGHT - 120))
type_word_at above "hel"

xterm -title 'Keyloom xterm' >"$E2E_DIR/xterm.log" 2>&1 &
E2E_PIDS+=($!)
XTERM_WINDOW=$(window_of 'Keyloom xterm') ||
  fail "xterm did not appear"
wait_until 5 bash -c "xwininfo -id $XTERM_WINDOW | grep -q IsViewable" || fail "xterm is not shown"
focus "$XTERM_WINDOW"
xdotool type --delay 80 "hel"
expect_popup "in xterm"
at_corner() { [ "$(popup_geometry | cut -d' ' -f1-2)" == "0 0" ]; }
wait_until 5 at_corner || fail "the pop-up stands at $(popup_geometry) for xterm, not at the corner"
