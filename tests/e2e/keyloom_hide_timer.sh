# The pop-up hides itself once the display time has passed since it showed; the time is set
# by typing into the main window's "Number of Seconds to Display Word List" field, which
# refuses a text that is no number with a message. The timer leaves the word as it was: the
# next letter shows the pop-up again.
# Run as: keyloom_hide_timer.sh KEYLOOM SINK WORDS_MDB WORDSTORE.
source "$(dirname "$0")/lib.sh"
WORDS_MDB=$3
WORDSTORE=$4

start_display
start_tray
start_sink
start_keyloom "$1" "$WORDS_MDB"

# Two seconds, then a letter too many. The keys typed here also reach Keyloom's own word
# capture; the Backspace after the message ends whatever word they made.
keyloom_field Text2
xdotool key ctrl+a BackSpace
xdotool type --delay 50 "2x"
message_shown() { search_windows --onlyvisible --name '^Keyloom$'; }
message_gone() { ! message_shown >/dev/null; }
message=$(wait_until 10 message_shown) ||
  fail "no message for a display time that is no number"
focus "$message"
xdotool key Return
wait_until 5 message_gone || fail "the message stayed"
focus "$KEYLOOM_WINDOW"
xdotool key BackSpace

millis() { date +%s%3N; }
type_in_sink "hel"
expect_popup "after h, e, l"
shown=$(millis)
sleep 0.8
popup_shown || fail "the pop-up hid before its display time of two seconds"
# Well before the default of five seconds.
wait_until 3 popup_hidden || fail "the pop-up outlived its display time of two seconds"
echo "The pop-up hid $(($(millis) - shown)) ms after it was seen."

xdotool type "p"
expect_popup "after the letter that followed the timer"
