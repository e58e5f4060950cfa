# Quipcast's phrase picker while Keyloom runs too, on X11: Keyloom's pop-up, up for the word
# being typed, holds Up and Down when the chord opens the picker; the picker still has them, none
# of the keys typed to find a phrase reach the GTK view, and Keyloom hides its pop-up and follows
# none of them. Run as: picker_beside_keyloom.sh QUIPCAST SINK KEYLOOM WORDS_MDB.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/popup_checks.sh"
KEYLOOM_BINARY=$3
WORDS_MDB=$4
start_display
mkdir -p "$E2E_DIR/app"
{
  printf '\xEF\xBB\xBF'
  printf '%s\x01' "{S} - rg - Regards" "{S} - sg - Signed"
} >"$E2E_DIR/app/defaultkeys.kyl"
set_options Boost=0
start_gtk_client 'Keyloom GTK sink' gtk_sink.py "$E2E_DIR/gtk.txt"
start_quipcast
start_keyloom "$KEYLOOM_BINARY" "$WORDS_MDB"
move_window "$QUIPCAST_WINDOW" 600 400
move_window "$KEYLOOM_WINDOW" 600 100
focus "$GTK_WINDOW"
xdotool type --delay 60 "ab"
xdotool key Return
xdotool type --delay 60 "hel"
expect_popup "after hel"
# Up and Down at once: a key that leaked would move the view's cursor to the first line.
xdotool key --delay 80 ctrl+shift+space Up Down r e g
expect_popup_gone "while the picker shows"
xdotool key --delay 80 Up Return
expect_text "$E2E_DIR/gtk.txt" $'ab\nhelRegards' 10
