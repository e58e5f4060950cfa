# Keyloom follows words typed on layouts other than US by the letters the layout types: on a
# German layout "übe" offers übel and über, on a Russian one "при" offers привет, in a plain
# edit control. Tab leaves the typed letters and the rest of the first word in the sink. (Wine
# takes the layout from the X server when a program starts, so each layout starts the programs
# afresh. Wine's RichEdit control does not paste on Shift+Insert, which Keyloom sends, so it is
# not used here.)
source "$(dirname "$0")/lib.sh"
E2E_AFTER='setxkbmap -display "$DISPLAY" us'
build_word_store über übel zebra привет природа

for entry in "de übe übel" "ru при привет"; do
  read -r layout typed word <<<"$entry"
  echo "--- layout $layout"
  setxkbmap -display "$DISPLAY" "$layout"
  start_sink
  start_program keyloom "Keyloom Word Complete"
  type_in_sink "$typed"
  wait_until 5 popup_shown || fail "no pop-up after $typed on the $layout layout"
  xdotool key Tab
  expect_file "$E2E_DIR/sink.txt" "$word"
  helper close "Keyloom Word Complete" >/dev/null 2>&1 || true
  helper close "Keyloom E2E Sink" >/dev/null 2>&1 || true
  sleep 0.5
done
