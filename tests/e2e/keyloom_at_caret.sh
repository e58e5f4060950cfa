# With "Show suggestions at the text cursor" on, the pop-up stands just below the caret of a GTK
# text view, as the accessibility bus tells where it is: after text on the first line, on a
# second line, above the caret when the window is near the screen's bottom edge, and moved in
# from the right edge. Run as: keyloom_at_caret.sh KEYLOOM SINK WORDS_MDB WORDSTORE.
source "$(dirname "$0")/lib.sh"
KEYLOOM=$1
WORDS_MDB=$3
CLIENTS_DIR="$(dirname "$0")/clients"
SCREEN_WIDTH=1024
SCREEN_HEIGHT=768

start_display
start_session_bus
mkdir -p "$XDG_CONFIG_HOME/Keyloom"
printf '[Options]\nSuggestionsAtCaret=1\n' >"$XDG_CONFIG_HOME/Keyloom/Keyloom.conf"
start_keyloom "$KEYLOOM" "$WORDS_MDB"

/usr/bin/python3 "$CLIENTS_DIR/gtk_sink.py" "$E2E_DIR/gtk.txt" "$E2E_DIR/caret.txt" \
  >"$E2E_DIR/client.log" 2>&1 &
E2E_PIDS+=($!)
SINK_WINDOW=$(timeout 10 bash -c "$(declare -f window_of); window_of 'Keyloom GTK sink'") ||
  fail "the GTK window did not appear"
sleep 1  # the text view registers with the accessibility bus

# popup_geometry: "X Y WIDTH HEIGHT" of the shown pop-up.
popup_geometry() {
  local info
  info=$(xwininfo -id "$(popup_window)")
  printf '%s %s %s %s' "$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")" \
    "$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")" \
    "$(sed -n 's/.*Width: //p' <<<"$info")" "$(sed -n 's/.*Height: //p' <<<"$info")"
}

# placed_as WHERE: the pop-up shows where the caret file says it must for WHERE (below, above
# or right), within a pixel of the caret's edges.
near() { [ "$1" -ge $(($2 - 1)) ] && [ "$1" -le $(($2 + 1)) ]; }
placed_as() {
  local cx cy cw ch px py pw ph
  popup_shown || return 1
  read -r cx cy cw ch <"$E2E_DIR/caret.txt"
  read -r px py pw ph <<<"$(popup_geometry)"
  case "$1" in
    below) near "$px" "$cx" && near "$py" $((cy + ch)) ;;
    above) near "$px" "$cx" && near $((py + ph)) "$cy" ;;
    right) [ $((px + pw)) -eq "$SCREEN_WIDTH" ] && near "$py" $((cy + ch)) ;;
  esac
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
xdotool windowmove --sync "$SINK_WINDOW" 0 $((SCREEN_HEIGHT - 120))
type_word_at above "hel"
xdotool windowmove --sync "$SINK_WINDOW" $((SCREEN_WIDTH - 150)) 100
type_word_at right "hel"
