# Keyloom follows words typed on layouts other than US by the letters the layout types: on a
# German layout "übe" offers übel and über, on a French one "élé" (é on the digit row) offers
# élégant, on a Russian one "при" offers привет, and with Caps Lock on "ZEB" offers zebra, in a
# plain edit control. Tab leaves the typed letters and the rest of the first word in the sink. (Wine
# takes the layout from the X server when a program starts, so each layout starts the programs
# afresh. Wine's RichEdit control does not paste on Shift+Insert, which Keyloom sends, so it is
# not used here.)
source "$(dirname "$0")/lib.sh"
E2E_AFTER='setxkbmap -display "$DISPLAY" us'
build_word_store über übel zebra élégant привет природа

for entry in "de übe übel" "fr élé élégant" "ru при привет" "us:on ZEB ZEBra"; do
  read -r state typed word <<<"$entry"
  layout=${state%:*}
  echo "--- layout $state"
  setxkbmap -display "$DISPLAY" "$layout"
  start_sink
  start_program keyloom "Keyloom Word Complete"
  if [ "$state" != "$layout" ]; then
    focus "Keyloom E2E Sink"
    xdotool key Caps_Lock
    xdotool type --delay 60 "${typed,,}"
  else
    type_in_sink "$typed"
  fi
  wait_until 5 popup_shown || fail "no pop-up after $typed on the $state layout"
  xdotool key Tab
  expect_file "$E2E_DIR/sink.txt" "$word"
  [ "$state" == "$layout" ] || xdotool key Caps_Lock
  helper close "Keyloom Word Complete" >/dev/null 2>&1 || true
  helper close "Keyloom E2E Sink" >/dev/null 2>&1 || true
  sleep 0.5
done
