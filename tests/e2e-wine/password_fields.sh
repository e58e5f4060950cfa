# A password edit control is left alone, and so is a control whose accessible object tells it
# is a password field (as the fields that browsers draw do): there t, d, Space stay as typed and
# three letters show no pop-up, while the same letters launch and complete in a plain edit
# control.
source "$(dirname "$0")/lib.sh"
write_phrase_list "{S} - td - Today is here."
build_word_store zest zebra zero zebu

start_quipcast
start_program keyloom "Keyloom Word Complete"

for control in password protected; do
  KEYLOOM_SINK_CONTROL=$control start_sink
  type_in_sink "td zeb"
  sleep 1
  expect_file "$E2E_DIR/sink.txt" "td zeb"
  popup_hidden || fail "the pop-up showed for a password field ($control)"
  helper close "Keyloom E2E Sink" >/dev/null 2>&1 || true
  sleep 0.5
done

start_sink
type_in_sink "zeb"
wait_until 5 popup_shown || fail "no pop-up in the plain edit control"
xdotool key Escape Return
type_in_sink "td "
wait_until 5 grep -q "Today is here." "$E2E_DIR/sink.txt" ||
  fail "no launch in the plain edit control: $(cat "$E2E_DIR/sink.txt")"
