# An application excluded through Options > Excluded Applications... ("Add the application I
# used last", then OK) gets the raw keys from both programs: t, d, Space stay as typed and three
# letters show no pop-up in it, while another program's window still gets the launch and the
# pop-up. The list is shared by both programs and survives a restart.
source "$(dirname "$0")/lib.sh"
write_phrase_list "{S} - td - Today is here."
build_word_store zest zebra zero zebu
start_quipcast
start_program keyloom "Keyloom Word Complete"
start_sink

type_in_sink "x"
focus "Keyloom Quipcast"
xdotool key --delay 150 alt+o Down Down Down Return  # Options > Excluded Applications...
helper wait "Excluded Applications" 10 || fail "the Excluded Applications window did not appear"
focus "Excluded Applications"
xdotool key --delay 150 Tab space  # Add the application I used last
xdotool key --delay 150 Tab Tab space  # OK
excluded_is() { helper registry | grep -qixF "Options\ExcludedApplications=$1"; }
wait_until 5 excluded_is "$(basename "$SINK_EXE")" ||
  fail "the sink was not excluded: $(helper registry)"

# expect_left_alone TEXT: in the excluded sink the launch letters and a word start stay as typed.
expect_left_alone() {
  type_in_sink "td zeb"
  sleep 0.6
  expect_file "$E2E_DIR/sink.txt" "$1"
  popup_hidden || fail "the pop-up showed in the excluded sink"
}
expect_left_alone "xtd zeb"

# The same sink under another program file name is not excluded.
helper close "Keyloom E2E Sink" >/dev/null 2>&1 || true
cp "$SINK_EXE" "$E2E_DIR/other_sink.exe"
SINK_EXE="$E2E_DIR/other_sink.exe" start_sink
type_in_sink "td "
expect_file "$E2E_DIR/sink.txt" "Today is here."
xdotool key Return
type_in_sink "zeb"
wait_until 5 popup_shown || fail "no pop-up in the sink that is not excluded"
xdotool key Escape
helper close "Keyloom E2E Sink" >/dev/null 2>&1 || true

helper close "Keyloom Quipcast" >/dev/null 2>&1 || true
sleep 0.5
start_quipcast
start_sink
expect_left_alone "td zeb"
