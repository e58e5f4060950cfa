# An application excluded through Options > Excluded Applications... ("Add the application I
# used last", then OK) gets the raw keys from both programs: t, d, Space stay as typed and three
# letters show no pop-up in the GTK window, while the sink beside it still gets the launch and
# the pop-up. The list is shared by both programs and survives a restart. Run as:
# excluded_applications.sh QUIPCAST SINK KEYLOOM WORDS_MDB.
source "$(dirname "$0")/lib.sh"
KEYLOOM=$3
WORDS_MDB=$4

start_display
start_tray
mkdir -p "$E2E_DIR/app"
printf '\xef\xbb\xbf{S} - td - Today is here.\x01\r\n' >"$E2E_DIR/app/defaultkeys.kyl"
start_quipcast
start_keyloom "$KEYLOOM" "$WORDS_MDB"
start_sink
start_gtk_client 'Keyloom GTK sink' gtk_sink.py "$E2E_DIR/gtk.txt"
move_window "$GTK_WINDOW" 0 400

# The GTK window is the application used last before Quipcast's own window.
focus "$GTK_WINDOW"
xdotool type --delay 60 "x"
quipcast_menu alt+o Down Down Down Return  # Options > Excluded Applications...
DIALOG=$(window_of 'Excluded Applications') ||
  fail "the Excluded Applications window did not appear"
focus "$DIALOG"
xdotool key --delay 150 Tab space  # Add the application I used last
xdotool key --delay 150 Tab Tab space  # OK
wait_until 5 grep -qix "ExcludedApplications=gtk_sink.py" "$XDG_CONFIG_HOME/Keyloom/Keyloom.conf" ||
  fail "the GTK window's class was not kept: $(grep Excluded "$XDG_CONFIG_HOME/Keyloom/Keyloom.conf")"

# expect_left_alone TEXT: in the GTK window the launch letters and a word start stay as typed.
expect_left_alone() {
  focus "$GTK_WINDOW"
  xdotool type --delay 60 " td hel"
  xdotool key Return
  expect_file "$E2E_DIR/gtk.txt" "$1"
  expect_no_popup "in the excluded GTK window"
}
expect_left_alone "x td hel"
type_in_sink "td "
wait_until 5 grep -q "Today is here." "$E2E_DIR/sink.txt" ||
  fail "no launch in the sink: $(cat "$E2E_DIR/sink.txt")"
xdotool key Return
type_in_sink "hel"
expect_popup "in the sink, which is not excluded"
xdotool key Escape

kill "$QUIPCAST_PID"
wait "$QUIPCAST_PID" 2>/dev/null || true
start_quipcast
expect_left_alone "x td hel
 td hel"
