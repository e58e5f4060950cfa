# A GTK password entry is left alone by both programs, as the accessibility bus tells: the
# letters that launch a phrase and show the pop-up in the plain entry beside it stay as typed
# there, with no pop-up. Run as: password_fields.sh QUIPCAST SINK KEYLOOM WORDS_MDB.
source "$(dirname "$0")/lib.sh"
KEYLOOM=$3
WORDS_MDB=$4

start_display
start_tray
start_session_bus

mkdir -p "$E2E_DIR/app"
printf '\xef\xbb\xbf{S} - td - Today is here.\x01\r\n' >"$E2E_DIR/app/defaultkeys.kyl"
start_quipcast
start_keyloom "$KEYLOOM" "$WORDS_MDB"

start_gtk_client 'Keyloom password sink' gtk_entries.py "$E2E_DIR/plain.txt" "$E2E_DIR/password.txt"
SINK_WINDOW=$GTK_WINDOW

focus "$SINK_WINDOW"
xdotool type --delay 60 "td "
expect_file "$E2E_DIR/plain.txt" "Today is here."
# Enter ends the word that Keyloom follows (the launch's paste key added a letter to it).
xdotool key Return
xdotool type --delay 60 "hel"
expect_popup "in the plain entry"
xdotool key --delay 100 Escape Tab
xdotool type --delay 60 "td hel"
sleep 1
expect_file "$E2E_DIR/password.txt" "td hel"
expect_no_popup "in the password entry"
