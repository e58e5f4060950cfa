# Both programs through the Keyloom input method engine of a real IBus daemon into one client
# that the project did not write, through the client's own way of speaking to IBus (GTK 3's or
# GTK 4's input-method module, Qt's IBus input context, or XIM through ibus-x11), under the
# layouts us and de and with Caps Lock on: Quipcast's launches by Space and Tab, a withheld
# function-key chord, Send Enter, Cyrillic, keys typed 5 ms apart straight after a launch, and
# (once per client) a phrase of 40 lines and one of 2,000 characters; Keyloom's candidates in
# the input method's own list, Down, and Tab followed at once by more typing.
# Run as: input_method_clients.sh QUIPCAST SINK KEYLOOM WORDS_MDB WORDSTORE COMPONENT_DIR CLIENT,
# CLIENT being gtk, gtk4, pyqt5, pyqt6 or xterm.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/delivery_steps.sh"
KEYLOOM_BINARY=$3
WORDS_MDB=$4
WORDSTORE=$5
COMPONENT_DIR=$6
CLIENT=$7
SINK_FILE="$E2E_DIR/sink.txt"
CANDIDATES="$E2E_DIR/candidates.txt"
# Quipcast types its phrases here, so its quiet period after a launch is half a second.
QUIET=0.6

source "$(dirname "$0")/input_method_phrases.sh"

candidates_are() { [ "$(cat "$CANDIDATES")" == "$1" ]; }
expect_candidates() {
  wait_until 5 candidates_are "$1" ||
    fail "$CLIENT ($LAYOUT, Caps Lock $CAPS), $2: the candidate list holds $(printf %q "$(cat "$CANDIDATES")"), expected $(printf %q "$1")"
}

quipcast_scenarios() {
  launch td space $'Today is here.\n'
  launch tb Tab 'Tabbed in.'
  EXPECTED+='Chord of Ctrl-F9.'
  xdotool key ctrl+F9
  expect_sink "$EXPECTED"
  sleep "$QUIET"
  launch ru space "$pangram"
  if [ "$LAYOUT:$CAPS" == us:off ]; then
    launch ln space "$lines_typed"
    launch xl space "$long2000"
  fi
  # A dead key and the letter after it make one character in every client: the engine composes
  # the keys that pass as IBus's keyboard engines do.
  if [ "$LAYOUT" == de ]; then
    EXPECTED+='ê '
    xdotool key --delay 30 dead_circumflex e space
    expect_sink "$EXPECTED"
  fi
  EXPECTED+=$'Today is here.\n'"$(typed_by a)$(typed_by b)$(typed_by c)"
  xdotool key --delay 5 t d space a b c
  expect_sink "$EXPECTED"
  sleep "$QUIET"
  xdotool key Return
  EXPECTED+=$'\n'
}

keyloom_scenarios() {
  local word
  word=$(store_candidates hel | sed -n 2p)
  xdotool key --delay 40 h e l
  [ "$CAPS" == on ] || expect_candidates "$(store_candidates hel | awk '{ print (NR == 1 ? "> " : "") $0 }')" "after hel"
  wait_until 5 test -s "$CANDIDATES" || fail "$CLIENT ($LAYOUT, Caps Lock $CAPS): no candidates after hel"
  xdotool key Down
  # Tab, then at once (5 ms apart) a space and more letters: the rest of the word comes first.
  EXPECTED+="$(typed_by h)$(typed_by e)$(typed_by l)${word:3} $(typed_by a)$(typed_by b)"
  xdotool key --delay 5 Tab space a b
  expect_sink "$EXPECTED"
  expect_candidates "" "after Tab"
  xdotool key Return
  EXPECTED+=$'\n'
}

start_display
start_session_bus
start_input_method "$COMPONENT_DIR"
CLIENT_ENV=(QT_IM_MODULE=ibus XMODIFIERS=@im=ibus)
/usr/bin/python3 "$CLIENTS_DIR/ibus_candidates.py" "$CANDIDATES" >"$E2E_DIR/panel.log" 2>&1 &
E2E_PIDS+=($!)
wait_until 10 test -e "$CANDIDATES" || fail "the candidate recorder did not start"
LAYOUT=us
CAPS=off
start_client
focus "$SINK_WINDOW"
select_keyloom_engine
set_options UseInputMethod=1 Boost=0
start_quipcast
start_keyloom "$KEYLOOM_BINARY" "$WORDS_MDB"
focus "$SINK_WINDOW"
EXPECTED=""
for state in us:off de:off us:on; do
  LAYOUT=${state%:*}
  CAPS=${state#*:}
  echo "--- $CLIENT, layout $LAYOUT, Caps Lock $CAPS"
  setxkbmap -display "$DISPLAY" "$LAYOUT"
  [ "$CAPS" == off ] || xdotool key Caps_Lock
  quipcast_scenarios
  keyloom_scenarios
  [ "$CAPS" == off ] || xdotool key Caps_Lock
done
