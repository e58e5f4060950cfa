# Predict Words into a client the project did not write (a GTK 3 text view) or the Qt sink, in
# English, German and Russian under their own layouts: after a few words, Ctrl+1 types the
# predicted next word with its space; after a prefix, Ctrl+2 types the rest of the second
# candidate with its space; a comma typed right after, even before that has arrived, takes that
# space back. What the pop-up offers is asked of the same model through the wordstore tool.
# Run as: keyloom_predict.sh KEYLOOM SINK STORES_DIR WORDSTORE CLIENT, CLIENT being qt or gtk.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/predict_steps.sh"
KEYLOOM=$1
STORES_DIR=$3
WORDSTORE=$4
CLIENT=$5
CLIENTS_DIR="$(dirname "$0")/clients"
SINK_FILE="$E2E_DIR/sink.txt"

# code, layout, store, the words typed first, the prefix typed after the predicted word
languages=(
  "en us words.mdb|I would like|wo"
  "de de words-de.mdb|Das ist|ei"
  "ru ru words-ru.mdb|Это|по"
)
await_predictions() { expect_popup "$1"; }

start_display
start_tray
case "$CLIENT" in
  qt) start_sink ;;
  gtk)
    NO_AT_BRIDGE=1 /usr/bin/python3 "$CLIENTS_DIR/gtk_sink.py" "$SINK_FILE" \
      >"$E2E_DIR/client.log" 2>&1 &
    E2E_PIDS+=($!)
    SINK_WINDOW=$(window_of 'Keyloom GTK sink') || fail "the GTK window did not appear"
    ;;
  *) fail "no client $CLIENT" ;;
esac
mkdir -p "$E2E_DIR/app"
cp "$KEYLOOM" "$E2E_DIR/app/keyloom"
cp "$STORES_DIR"/words*.mdb "$STORES_DIR"/words*.model "$E2E_DIR/app/"

EXPECTED=""
predict_in_languages
