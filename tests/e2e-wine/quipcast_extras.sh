# Quipcast's options beyond the original ones in an edit control: the phrase's case follows the
# launch letters', the text cursor is left at a phrase's %(cursor)% mark, and Backspace right
# after a phrase takes it back, once; the same launch letters send another phrase in a program
# that an entry names; the phrase picker finds an entry by its words and sends it; a phrase with
# a fill-in field asks for it in a form first, and Enter sends.
source "$(dirname "$0")/lib.sh"
write_phrase_list "{S} - ty - thank you" "{S} - br - <b>%(cursor)%</b>" "{S} - sig - Regards" \
  "{S} - sig - %(only=other_sink.exe)%From the other" "{S} - fm - Dear %(input=Name)%+1"
helper store Options Boost 0
helper store Options MatchLaunchCase 1
helper store Options BackspaceUndoesLaunch 1
start_quipcast
start_sink
focus "Keyloom E2E Sink"
# keys_then KEYS TEXT: the user presses KEYS; the sink then holds TEXT. Quipcast types its
# phrases here, so its quiet period after a launch is half a second.
keys_then() {
  # shellcheck disable=SC2086
  xdotool key --delay 60 $1
  expect_file "$E2E_DIR/sink.txt" "$2"
  sleep 0.6
}
keys_then "shift+t y space" "Thank you"
keys_then "space shift+t shift+y space" "Thank you THANK YOU"
keys_then "space b r space" "Thank you THANK YOU <b></b>"
keys_then "x" "Thank you THANK YOU <b>x</b>"
keys_then "End space t y space" "Thank you THANK YOU <b>x</b> thank you"
keys_then "BackSpace" "Thank you THANK YOU <b>x</b> ty "
keys_then "BackSpace" "Thank you THANK YOU <b>x</b> ty"
keys_then "space s i g space" "Thank you THANK YOU <b>x</b> ty Regards"
# The picker: words of the phrase find the entry, Enter sends it; Escape sends nothing.
keys_then "space ctrl+shift+space r e g a r Return" "Thank you THANK YOU <b>x</b> ty Regards Regards"
keys_then "space ctrl+shift+space t h Escape x space" "Thank you THANK YOU <b>x</b> ty Regards Regards x "
helper close "Keyloom E2E Sink" >/dev/null 2>&1 || true
cp "$SINK_EXE" "$E2E_DIR/other_sink.exe"
SINK_EXE="$E2E_DIR/other_sink.exe" start_sink
focus "Keyloom E2E Sink"
keys_then "s i g space" "From the other"
keys_then "space f m space" "From the other fm "
helper wait "Fill In - Quipcast" 10 || fail "the fill-in form did not appear"
xdotool key --delay 60 shift+a n n Return
expect_file "$E2E_DIR/sink.txt" "From the other Dear Ann!"
