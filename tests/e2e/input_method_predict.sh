# Predict Words through the Keyloom input method engine of a real IBus daemon, into a GTK 3
# text view that uses IBus's input-method module, in English and German: the predicted next
# words stand in the input method's own list, numbered by it, in the model's order; Ctrl+1 commits
# the first with its space, Ctrl+2 after a prefix the rest of the second with its space, and a
# comma typed right after takes that space back.
# Run as: input_method_predict.sh QUIPCAST SINK KEYLOOM STORES_DIR WORDSTORE COMPONENT_DIR
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/predict_steps.sh"
KEYLOOM_BINARY=$3
STORES_DIR=$4
WORDSTORE=$5
COMPONENT_DIR=$6
CLIENTS_DIR="$(dirname "$0")/clients"
SINK_FILE="$E2E_DIR/sink.txt"
CANDIDATES="$E2E_DIR/candidates.txt"

# code, layout, store, the words typed first, the prefix typed after the predicted word
languages=(
  "en us words.mdb|I would like|wo"
  "de de words-de.mdb|Das ist|ei"
)
candidates_are() { [ "$(cat "$CANDIDATES")" == "$1" ]; }
await_predictions() {
  if [ $# -lt 2 ]; then
    wait_until 5 test -s "$CANDIDATES" || fail "no candidates $1"
  elif ! wait_until 5 candidates_are "$2"; then
    fail "$1: the candidate list holds $(printf %q "$(cat "$CANDIDATES")"), expected $(printf %q "$2")"
  fi
}

start_display
start_session_bus
start_input_method "$COMPONENT_DIR"
/usr/bin/python3 "$CLIENTS_DIR/ibus_candidates.py" "$CANDIDATES" >"$E2E_DIR/panel.log" 2>&1 &
E2E_PIDS+=($!)
wait_until 10 test -e "$CANDIDATES" || fail "the candidate recorder did not start"
NO_AT_BRIDGE=1 /usr/bin/python3 "$CLIENTS_DIR/gtk_sink.py" "$SINK_FILE" >"$E2E_DIR/client.log" 2>&1 &
E2E_PIDS+=($!)
SINK_WINDOW=$(window_of 'Keyloom GTK sink') || fail "the GTK window did not appear"
focus "$SINK_WINDOW"
select_keyloom_engine

mkdir -p "$E2E_DIR/app"
cp "$KEYLOOM_BINARY" "$E2E_DIR/app/keyloom"
cp "$STORES_DIR"/words*.mdb "$STORES_DIR"/words*.model "$E2E_DIR/app/"
EXPECTED=""
predict_in_languages UseInputMethod=1
