# Takes the documentation's screenshots of the Windows programs under Wine: both main windows,
# Quipcast's Excluded Applications window
# and Keyloom's pop-up offering words of the shipped dictionary, at the screen's corner and under
# the text cursor. Run as:
#   screenshots.sh WINE_RUN PREFIX PROGRAM_DIR SINK HELPER WORK_DIR WORDSTORE OUT_DIR
# (the build's target screenshots_windows does). It has a Wine session of its own.
set -euo pipefail
out_dir=$8
session="$(dirname "$1")/wine-session"
"$session" start "$2" >/dev/null
# Run by the cleanup of lib.sh, last.
E2E_AFTER='"$session" stop "$PREFIX"'
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/../e2e/popup_checks.sh"
mkdir -p "$out_dir"

# shoot NAME LEFT TOP WIDTH HEIGHT: a part of the Wine desktop.
shoot() {
  import -window root -crop "$4x$5+$2+$3" +repage "$out_dir/$1.png"
}
shoot_window() {
  local rect
  rect=$(helper rect "$2") || fail "no window $2"
  # shellcheck disable=SC2086
  shoot "$1" $rect
}

cp "$PROGRAM_DIR/words.mdb" "$E2E_DIR/app/"
start_quipcast
sleep 0.5
shoot_window windows-quipcast-main "Keyloom Quipcast"
focus "Keyloom Quipcast"
xdotool key --delay 150 alt+o Down Down Down Return  # Options > Excluded Applications...
helper wait "Excluded Applications" 10 || fail "the Excluded Applications window did not appear"
focus "Excluded Applications"
xdotool type --delay 20 "keepass.exe"
sleep 0.5
shoot_window windows-excluded-applications "Excluded Applications"
helper close "Excluded Applications"
helper close "Keyloom Quipcast"

start_sink
start_program keyloom "Keyloom Word Complete"
sleep 0.5
shoot_window windows-keyloom-main "Keyloom Word Complete"
type_in_sink "bos"
wait_until 5 popup_shown || fail "no pop-up"
sleep 0.5
rect=$(helper class-rect KeyloomPopupWindow)
# shellcheck disable=SC2086
shoot windows-keyloom-popup $rect

helper close "Keyloom Word Complete"
helper close "Keyloom E2E Sink"
helper store Options SuggestionsAtCaret 1
start_program keyloom "Keyloom Word Complete"
start_sink
helper move "Keyloom E2E Sink" 100 100
focus "Keyloom E2E Sink"
type_past_popup Dear "team," Return the meeting is in the
xdotool type --delay 40 "conf"
wait_until 5 popup_shown || fail "no pop-up at the text cursor"
sleep 0.5
shoot windows-keyloom-popup-at-caret 100 100 560 420
echo "Screenshots in $out_dir"
