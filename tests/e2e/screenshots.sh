# Screenshots of the programs under Xvfb, for the documentation:
#   screenshots.sh QUIPCAST SINK KEYLOOM OUTPUT_FOLDER COMPONENT_DIR
# Quipcast's main window with the samples loaded, its About box, its Excluded Applications window,
# its phrase picker at the text cursor of a GTK window and a fill-in form, Keyloom's main window, its
# pop-up over the window being typed in, the pop-up under the text cursor of a GTK window, its
# numbered predictions there with Predict Words on, and
# Keyloom's candidates in the input method's list under the cursor of a GTK window through IBus,
# and Quipcast's picker there.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/popup_checks.sh"
KEYLOOM_BINARY=$3
OUTPUT=$4
COMPONENT_DIR=$5
mkdir -p "$OUTPUT"
start_display
start_tray
start_quipcast

quipcast_menu alt+h Return  # Help > Load Samples
sleep 0.5
import -window "$QUIPCAST_WINDOW" "$OUTPUT/quipcast-main.png"

quipcast_menu alt+h Down Return  # Help > About
about=$(window_of '^Keyloom [0-9.]+ - ') ||
  fail "the About box did not appear"
sleep 0.5
import -window "$about" "$OUTPUT/quipcast-about.png"
xdotool key Return

quipcast_menu alt+o Down Down Down Return  # Options > Excluded Applications...
dialog=$(window_of '^Excluded Applications') ||
  fail "the Excluded Applications window did not appear"
xdotool type --delay 20 "keepassxc"
sleep 0.5
import -window "$dialog" "$OUTPUT/excluded-applications.png"
xdotool key Escape
kill "$QUIPCAST_PID"
wait "$QUIPCAST_PID" || true

# The phrase picker at the text cursor of a GTK window, which tells of it on the accessibility
# bus, and a phrase's fill-in form.
start_session_bus
{
  printf '\xEF\xBB\xBF'
  printf '%s\x01' "{S} - adr - 12 Main Street, Springfield" "{S} - btw - by the way" \
    "{S} - mt - Can we meet on Monday at ten?" "{S} - mtn - Thank you for the meeting today." \
    "{S} - sig - Best regards,{enter}Ann Smith" "{S} - ty - Thank you!" \
    "{S} - ml - Dear %(input=Name)%,{enter}{enter}about %(choice=Topic|the invoice|the meeting|the trip)%: %(cursor)%{enter}{enter}Ann"
} >"$E2E_DIR/app/defaultkeys.kyl"
set_options Boost=0
start_gtk_client 'Keyloom GTK sink' gtk_sink.py "$E2E_DIR/gtk-picker.txt"
start_quipcast
move_window "$QUIPCAST_WINDOW" 600 400
move_window "$GTK_WINDOW" 0 0
focus "$GTK_WINDOW"
xdotool type --delay 30 "Hello Bob,"
xdotool key Return ctrl+shift+space
xdotool type --delay 60 "meet"
sleep 0.5
import -window root -crop 640x300+0+0 "$OUTPUT/quipcast-picker.png"
xdotool key Escape
sleep 0.3
xdotool type --delay 60 "ml "
form=$(window_of 'Fill In - Quipcast') || fail "the fill-in form did not appear"
sleep 0.3
xdotool type --delay 40 "Bob"
xdotool key Tab Down
sleep 0.3
import -window "$form" "$OUTPUT/quipcast-fill-in.png"
xdotool key Escape
# Quipcast's windows would stand behind Keyloom's pop-up.
kill "$QUIPCAST_PID"
wait "$QUIPCAST_PID" || true
xdotool windowkill "$GTK_WINDOW"

start_sink
# The word store beside the program, when the build made one.
words="$(dirname "$KEYLOOM_BINARY")/words.mdb"
if [ -f "$words" ]; then
  start_keyloom "$KEYLOOM_BINARY" "$words"
else
  start_keyloom "$KEYLOOM_BINARY"
fi
sleep 0.2
import -window "$KEYLOOM_WINDOW" "$OUTPUT/keyloom-main.png"

# The pop-up at the screen's corner over the window being typed in, whose text a tab keeps
# clear of it; Keyloom's own window waits in the tray (Minimize).
if [ -f "$words" ]; then
  keyloom_field Command1
  xdotool key space
  main_window_hidden() { ! search_windows --onlyvisible --name 'Keyloom Word Complete' >/dev/null; }
  wait_until 5 main_window_hidden ||
    fail "Minimize left the Keyloom window up"
  move_window "$SINK_WINDOW" 160 40
  focus "$SINK_WINDOW"
  xdotool key Tab
  xdotool type --delay 40 "hel"
  expect_popup "after h, e, l in the sink"
  sleep 0.3
  import -window root -crop 640x300+0+0 "$OUTPUT/keyloom-popup.png"

  # At the text cursor, which the GTK window tells of on the accessibility bus.
  kill "$KEYLOOM_PID"
  wait "$KEYLOOM_PID" || true
  start_session_bus
  set_options SuggestionsAtCaret=1
  start_keyloom "$KEYLOOM_BINARY" "$words"
  start_gtk_client 'Keyloom GTK sink' gtk_sink.py "$E2E_DIR/gtk.txt"
  move_window "$GTK_WINDOW" 0 0
  focus "$GTK_WINDOW"
  type_past_popup Dear "team," Return the meeting is in the
  xdotool type --delay 40 "conf"
  expect_popup "under the text cursor"
  sleep 0.3
  import -window root -crop 640x310+0+0 "$OUTPUT/keyloom-popup-at-caret.png"

  # Predict Words at the text cursor: the numbered next words after "I would like".
  kill "$KEYLOOM_PID"
  wait "$KEYLOOM_PID" || true
  set_options SuggestionsAtCaret=1 PredictWords=1
  cp "${words%.mdb}.model" "$E2E_DIR/app/"
  start_keyloom "$KEYLOOM_BINARY" "$words"
  xdotool windowkill "$GTK_WINDOW"
  start_gtk_client 'Keyloom GTK sink' gtk_sink.py "$E2E_DIR/gtk-predict.txt"
  move_window "$GTK_WINDOW" 0 0
  focus "$GTK_WINDOW"
  xdotool type --delay 40 "Dear team,"
  xdotool key Return
  xdotool type --delay 40 "I would like "
  expect_popup "Predict Words under the text cursor"
  sleep 0.3
  import -window root -crop 640x235+0+0 "$OUTPUT/keyloom-predictions-at-caret.png"

  # Through the Keyloom input method, with IBus's own panel showing the candidates. The panel
  # wants the system's keyboard engines beside Keyloom's, and settings, here of its defaults.
  kill "$KEYLOOM_PID"
  wait "$KEYLOOM_PID" || true
  xdotool windowkill "$GTK_WINDOW"
  start_input_method "$COMPONENT_DIR:/usr/share/ibus/component"
  GSETTINGS_BACKEND=memory /usr/libexec/ibus-ui-gtk3 >"$E2E_DIR/panel.log" 2>&1 &
  E2E_PIDS+=($!)
  start_gtk_client 'Keyloom GTK sink' gtk_sink.py "$E2E_DIR/ibus.txt"
  move_window "$GTK_WINDOW" 0 0
  focus "$GTK_WINDOW"
  select_keyloom_engine
  set_options UseInputMethod=1
  start_keyloom "$KEYLOOM_BINARY" "$words"
  # No window manager here: Keyloom's window is moved out of the picture.
  move_window "$KEYLOOM_WINDOW" 600 420
  xdotool windowraise "$GTK_WINDOW"
  focus "$GTK_WINDOW"
  type_past_popup Dear "team," Return the meeting is in the
  xdotool type --delay 40 "conf"
  sleep 1
  import -window root -crop 640x300+0+0 "$OUTPUT/keyloom-ibus-candidates.png"

  # Quipcast's picker through the input method: the lookup table, headed by the line typed.
  kill "$KEYLOOM_PID"
  wait "$KEYLOOM_PID" || true
  start_quipcast
  move_window "$QUIPCAST_WINDOW" 600 420
  xdotool windowraise "$GTK_WINDOW"
  focus "$GTK_WINDOW"
  xdotool key Return ctrl+shift+space
  xdotool type --delay 60 "meet"
  sleep 1
  import -window root -crop 640x300+0+0 "$OUTPUT/quipcast-ibus-picker.png"
fi
echo "Screenshots in $OUTPUT"
