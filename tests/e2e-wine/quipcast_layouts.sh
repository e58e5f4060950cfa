# Under a US and a Russian layout, in a plain edit control and in a RichEdit control, Boost's
# Ctrl+V goes out as the V key with Ctrl (a Russian layout has no key that types "v"; a Unicode
# "v" with Ctrl is no paste anywhere) and the Enter of the entry follows it. Under the US layout
# the phrase arrives whole before the Enter. Wine turns Ctrl and the V key of a Russian layout
# into no ^V character, which its edit controls paste on (Windows does), and gives the keys of
# such a layout virtual-key codes of its own: there the launches are chords and the test looks
# at the keys that arrive.
source "$(dirname "$0")/lib.sh"
E2E_AFTER='setxkbmap -display "$DISPLAY" us'
write_phrase_list "{S}{E} - td - Today is here." "{T} - ru - Съешь же ещё этих мягких булок" \
  "{F}{E} - {F9} - Today is here."
for control in edit richedit; do
  echo "--- layout us, $control control"
  KEYLOOM_SINK_CONTROL=$control start_sink
  start_quipcast
  focus "Keyloom E2E Sink"
  xdotool key --delay 60 t d space
  expect_file "$E2E_DIR/sink.txt" $'Today is here.\n'
  sleep 0.3
  xdotool key --delay 60 r u Tab
  expect_file "$E2E_DIR/sink.txt" $'Today is here.\nСъешь же ещё этих мягких булок'
  helper close "Keyloom Quipcast" >/dev/null 2>&1 || true
  helper close "Keyloom E2E Sink" >/dev/null 2>&1 || true
  sleep 0.5
done
setxkbmap -display "$DISPLAY" ru
for control in edit richedit; do
  echo "--- layout ru, $control control"
  KEYLOOM_SINK_CONTROL=$control start_sink
  start_quipcast
  focus "Keyloom E2E Sink"
  xdotool key F9
  wait_until 5 grep -qx Return "$E2E_DIR/keys.txt" || fail "no Enter after the phrase"
  [ "$(tr '\n' ' ' <"$E2E_DIR/keys.txt")" == "Control V Return " ] ||
    fail "the $control control got $(tr '\n' ' ' <"$E2E_DIR/keys.txt"), expected Ctrl+V and Enter"
  helper close "Keyloom Quipcast" >/dev/null 2>&1 || true
  helper close "Keyloom E2E Sink" >/dev/null 2>&1 || true
  sleep 0.5
done
