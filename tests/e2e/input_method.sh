# Both programs at once through the Keyloom input method engine of a real IBus daemon, into a
# GTK 3 text view that uses IBus's input-method module, as on a Wayland desktop: Quipcast's
# launches by Space and Tab, a withheld function-key chord, Send Enter, Unicode, a phrase of
# many lines and one of 2,000 characters, keys typed straight after a launch; Keyloom's
# candidates in the input method's own list in their order, Down, Tab, Escape, Backspace and
# the hide timer; nothing in a password entry. With Boost on too, the clipboard stays
# untouched: text is committed, never pasted. An excluded application is left alone.
# Run as: input_method.sh QUIPCAST SINK KEYLOOM WORDS_MDB WORDSTORE COMPONENT_DIR
source "$(dirname "$0")/lib.sh"
KEYLOOM_BINARY=$3
WORDS_MDB=$4
WORDSTORE=$5
COMPONENT_DIR=$6
CLIENTS_DIR="$(dirname "$0")/clients"
SINK_FILE="$E2E_DIR/sink.txt"
CANDIDATES="$E2E_DIR/candidates.txt"

source "$(dirname "$0")/input_method_phrases.sh"

expect_sink() { expect_text "$SINK_FILE" "$1" 20; }
# launch LETTERS ENDING_KEY TEXT: the user types the launch; the text view then holds TEXT more.
# Quipcast types its phrases here, so its quiet period after a launch is half a second.
launch() {
  EXPECTED+=$3
  xdotool type --delay 30 "$1"
  xdotool key "$2"
  expect_sink "$EXPECTED"
  sleep 0.6
}
candidates_are() { [ "$(cat "$CANDIDATES")" == "$1" ]; }
expect_candidates() {
  wait_until 5 candidates_are "$1" ||
    fail "$2: the candidate list holds $(printf %q "$(cat "$CANDIDATES")"), expected $(printf %q "$1")"
}
# The store's candidates for a prefix, the one at INDEX marked as highlighted.
candidates_for() {
  store_candidates "$1" | awk -v chosen="$2" '{ print (NR - 1 == chosen ? "> " : "") $0 }'
}

start_display
start_session_bus
start_input_method "$COMPONENT_DIR"
/usr/bin/python3 "$CLIENTS_DIR/ibus_candidates.py" "$CANDIDATES" >"$E2E_DIR/panel.log" 2>&1 &
E2E_PIDS+=($!)
wait_until 10 test -e "$CANDIDATES" || fail "the candidate recorder did not start"
NO_AT_BRIDGE=1 /usr/bin/python3 "$CLIENTS_DIR/gtk_sink.py" "$SINK_FILE" >"$E2E_DIR/client.log" 2>&1 &
E2E_PIDS+=($!)
SINK_WINDOW=$(window_of 'Keyloom GTK sink') ||
  fail "the GTK window did not appear"
focus "$SINK_WINDOW"
select_keyloom_engine
printf 'the user%ss own clipboard' "'" | xclip -selection clipboard

set_options UseInputMethod=1 Boost=0
start_quipcast
start_keyloom "$KEYLOOM_BINARY" "$WORDS_MDB"
focus "$SINK_WINDOW"
EXPECTED=""

echo "--- Quipcast"
launch td space $'Today is here.\n'
launch tb Tab 'Tabbed in.'
EXPECTED+='Chord of Ctrl-F9.'
xdotool key ctrl+F9
expect_sink "$EXPECTED"
sleep 0.6
launch ru space "$pangram"
launch ln space "$lines_typed"
launch xl space "$long2000"
# Typed 5 ms apart straight after a launch, the user's keys come after the whole phrase.
EXPECTED+=$'Today is here.\nabc'
xdotool key --delay 5 t d space a b c
expect_sink "$EXPECTED"
xdotool key Return
EXPECTED+=$'\n'

echo "--- Keyloom"
xdotool type --delay 40 hel
expect_candidates "$(candidates_for hel 0)" "after hel"
xdotool key Down
expect_candidates "$(candidates_for hel 1)" "after Down"
xdotool key Tab
word=$(store_candidates hel | sed -n 2p)
EXPECTED+=hel${word:3}
expect_sink "$EXPECTED"
expect_candidates "" "after Tab"
# Escape hides the list and keeps the word: the next letter shows it again.
xdotool key space
xdotool type --delay 40 hel
EXPECTED+=" hel"
expect_candidates "$(candidates_for hel 0)" "after the second hel"
xdotool key Escape
expect_candidates "" "after Escape"
xdotool type p
EXPECTED+=p
expect_candidates "$(candidates_for help 0)" "after p"
# Backspace ends the word and hides the list; the letters after it count from nothing.
xdotool key BackSpace
EXPECTED=${EXPECTED%p}
expect_candidates "" "after Backspace"
expect_sink "$EXPECTED"
# The list hides itself once its display time (five seconds) has passed.
xdotool key space
xdotool type --delay 40 wor
EXPECTED+=" wor"
expect_candidates "$(candidates_for wor 0)" "after wor"
sleep 3
[ -s "$CANDIDATES" ] || fail "the list hid before its display time"
wait_until 5 candidates_are "" || fail "the list outlived its display time"
expect_sink "$EXPECTED"

echo "--- a password entry"
NO_AT_BRIDGE=1 /usr/bin/python3 "$CLIENTS_DIR/gtk_entries.py" "$E2E_DIR/plain.txt" \
  "$E2E_DIR/password.txt" >"$E2E_DIR/entries.log" 2>&1 &
E2E_PIDS+=($!)
ENTRIES=$(window_of 'Keyloom password sink') ||
  fail "the password window did not appear"
focus "$ENTRIES"
xdotool key Tab
xdotool type --delay 40 "td hel"
expect_file "$E2E_DIR/password.txt" "td hel"
sleep 0.5
[ ! -s "$CANDIDATES" ] || fail "candidates showed in the password entry: $(cat "$CANDIDATES")"
# The plain entry beside it is served.
xdotool key shift+Tab
xdotool type --delay 40 "td "
expect_file "$E2E_DIR/plain.txt" 'Today is here.'

echo "--- Boost on"
kill "$QUIPCAST_PID"
wait "$QUIPCAST_PID" 2>/dev/null || true
set_options UseInputMethod=1 Boost=1
start_quipcast
focus "$SINK_WINDOW"
launch ru space "$pangram"
held=$(timeout 5 xclip -selection clipboard -o) || fail "the clipboard does not answer"
[ "$held" == "the user's own clipboard" ] || fail "the clipboard holds $(printf %q "$held")"

echo "--- an excluded application"
# The toolkit names the program to IBus; the list is read again when the keys go to another
# program.
set_options UseInputMethod=1 Boost=1 ExcludedApplications=gtk_sink.py
focus "$ENTRIES"
xdotool type x
focus "$SINK_WINDOW"
EXPECTED+="ru "
xdotool type --delay 40 "ru "
expect_sink "$EXPECTED"
