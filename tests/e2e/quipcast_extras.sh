# Quipcast's options beyond the original ones in a GTK 3 text view, on X11 or through the
# Keyloom engine of a real IBus daemon: the phrase's case follows the launch letters', the text
# cursor is left at a phrase's %(cursor)% mark, Backspace right after a phrase takes it back, and
# the same launch letters send another phrase in an application that an entry names, the phrase
# picker finds an entry and sends it, and a phrase with fill-in fields asks for them in a form
# first, which Escape cancels.
# Run as: quipcast_extras.sh QUIPCAST SINK x11|ibus COMPONENT_DIR
source "$(dirname "$0")/lib.sh"
WAY=$3
COMPONENT_DIR=$4
SINK_FILE="$E2E_DIR/sink.txt"

mkdir -p "$E2E_DIR/app"
{
  printf '\xEF\xBB\xBF'
  printf '%s\x01' "{S} - ty - thank you" "{S} - br - <b>%(cursor)%</b>" \
    "{S} - dr - Dear %(cursor)%,{enter}{enter}Yours" "{S} - sig - Regards" \
    "{S} - sig - %(only=notes.py)%From my notes" "{S} - sig - %(except=gtk_sink.py)%Never here" \
    "{S} - fm - Dear %(input=Name)%, about %(choice=Topic|the invoice|the meeting)%: %(input=Name)%!"
} >"$E2E_DIR/app/defaultkeys.kyl"

expect_sink() { expect_text "$SINK_FILE" "$EXPECTED" 20; }
# type_then KEYS TEXT: the user types KEYS (xdotool key names); the view then holds TEXT more.
# Quipcast types its phrases here, so its quiet period after a launch is half a second.
type_then() {
  EXPECTED+=$2
  # shellcheck disable=SC2086
  xdotool key --delay 40 $1
  expect_sink
  sleep 0.6
}

start_display
if [ "$WAY" == ibus ]; then
  start_session_bus
  start_input_method "$COMPONENT_DIR"
fi
NO_AT_BRIDGE=1 /usr/bin/python3 "$(dirname "$0")/clients/gtk_sink.py" "$SINK_FILE" \
  >"$E2E_DIR/client.log" 2>&1 &
E2E_PIDS+=($!)
SINK_WINDOW=$(window_of 'Keyloom GTK sink') || fail "the GTK window did not appear"
focus "$SINK_WINDOW"
if [ "$WAY" == ibus ]; then
  select_keyloom_engine
  set_options UseInputMethod=1 Boost=0 MatchLaunchCase=1 BackspaceUndoesLaunch=1
else
  set_options Boost=0 MatchLaunchCase=1 BackspaceUndoesLaunch=1
fi
start_quipcast
focus "$SINK_WINDOW"
EXPECTED=""

type_then "shift+t y space" "Thank you"
type_then "Return shift+t shift+y space" $'\nTHANK YOU'
type_then "Return t y space" $'\nthank you'
# Caps Lock on: capitals without Shift.
type_then "Return Caps_Lock t y space Caps_Lock" $'\nTHANK YOU'

type_then "Return b r space" $'\n<b></b>'
EXPECTED=${EXPECTED%</b>}
type_then "x" "x</b>"
type_then "ctrl+End Return d r space" $'\nDear ,\n\nYours'
EXPECTED=${EXPECTED%$',\n\nYours'}
type_then "S a m" $'Sam,\n\nYours'

# Backspace first after the phrase takes it back, and puts back what was typed.
type_then "ctrl+End Return shift+t y space" $'\nThank you'
sleep 0.5
EXPECTED=${EXPECTED%Thank you}
type_then "BackSpace" "Ty "
# Once only: the next Backspace is the user's own.
EXPECTED=${EXPECTED% }
type_then "BackSpace" ""

# Another application, named by one of the entries, gets that entry's phrase for the same
# letters; the sink still gets the one for every application.
ln -s "$(dirname "$(readlink -f "$0")")/clients/gtk_sink.py" "$E2E_DIR/notes.py"
SINK_TITLE="Keyloom notes" NO_AT_BRIDGE=1 /usr/bin/python3 "$E2E_DIR/notes.py" \
  "$E2E_DIR/notes.txt" >"$E2E_DIR/notes.log" 2>&1 &
E2E_PIDS+=($!)
NOTES_WINDOW=$(window_of 'Keyloom notes') || fail "the second GTK window did not appear"
focus "$NOTES_WINDOW"
xdotool key --delay 40 s i g space
expect_text "$E2E_DIR/notes.txt" "From my notes" 20
sleep 0.6
focus "$SINK_WINDOW"
type_then "ctrl+End Return s i g space" $'\nRegards'

# The picker: its chord, then words of the phrase; Enter sends the entry that applies here, and
# none of the keys typed to find it reach the view. Escape sends nothing.
type_then "ctrl+End Return ctrl+shift+space r e g a r Return" $'\nRegards'
type_then "Return ctrl+shift+space t h Escape x" $'\nx'

# fill_in KEYS: the launch "fm" opens the form, which takes the focus; the user presses KEYS
# there, and the form goes.
fill_in() {
  type_then "ctrl+End Return f m space" $'\nfm '
  local form
  form=$(window_of 'Fill In - Quipcast') || fail "the fill-in form did not appear"
  wait_until 5 test "$(xdotool getwindowfocus)" == "$form" ||
    fail "the form has no focus; $(xdotool getwindowfocus) has"
  # shellcheck disable=SC2086
  xdotool key --delay 60 $1
  wait_until 5 test "$(xdotool getwindowfocus)" == "$SINK_WINDOW" ||
    fail "the focus did not come back to the sink; $(xdotool getwindowfocus) has it"
}
# The name given once goes in twice, the choice below the first, the user's text as typed (a
# "+" in the send string would hold Shift).
fill_in "shift+a n n plus 1 Tab Down Return"
EXPECTED=${EXPECTED%fm }
EXPECTED+="Dear Ann+1, about the meeting: Ann+1!"
expect_sink
sleep 0.6
# Escape sends nothing and erases nothing.
fill_in "x Escape"
sleep 1
expect_sink
