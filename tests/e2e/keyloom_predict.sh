# Predict Words into a client the project did not write (a GTK 3 text view) or the Qt sink, in
# English, German and Russian under their own layouts: after a few words, Ctrl+1 types the
# predicted next word with its space; after a prefix, Ctrl+2 types the rest of the second
# candidate with its space; a comma typed right after, even before that has arrived, takes that
# space back. What the pop-up
# offers is asked of the same model through the wordstore tool.
# Run as: keyloom_predict.sh KEYLOOM SINK STORES_DIR WORDSTORE CLIENT, CLIENT being qt or gtk.
source "$(dirname "$0")/lib.sh"
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

# predicted N STORE WORD... PREFIX: the Nth word that the model beside STORE predicts after the
# words (lower case, as Keyloom follows them) for the prefix.
predicted() {
  local n=$1 store=$2
  shift 2
  "$WORDSTORE" predict "$E2E_DIR/app/${store%.mdb}.model" "${@,,}" | sed -n "${n}p"
}

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

expected=""
for entry in "${languages[@]}"; do
  IFS='|' read -r head words prefix <<<"$entry"
  read -r code layout store <<<"$head"
  setxkbmap -display "$DISPLAY" "$layout"
  set_options PredictWords=1 "Dictionary=$store"
  "$E2E_DIR/app/keyloom" >"$E2E_DIR/keyloom-$code.log" 2>&1 &
  pid=$!
  E2E_PIDS+=($pid)
  window_of 'Keyloom Word Complete' >/dev/null || fail "$code: the Keyloom window did not appear"
  sleep 0.3

  # shellcheck disable=SC2086 # the words go one by one
  next=$(predicted 1 "$store" $words "")
  [ -n "$next" ] || fail "$code: the model predicts nothing after $words"
  type_in_sink "$words "
  expect_popup "$code: after \"$words \""
  xdotool key ctrl+1
  expected+="$words $next "
  expect_text "$SINK_FILE" "$expected" 10

  # shellcheck disable=SC2086
  second=$(predicted 2 "$store" $words "$next" "$prefix")
  [ -n "$second" ] || fail "$code: the model has no second word for $prefix after $next"
  xdotool type --delay 40 "$prefix"
  expect_popup "$code: after $prefix"
  # The comma comes straight after the chord, maybe while Keyloom still answers it.
  xdotool key ctrl+2
  xdotool type ","
  expected+="$prefix${second:${#prefix}},"
  expect_text "$SINK_FILE" "$expected" 10
  xdotool key Return
  expected+=$'\n'
  expect_text "$SINK_FILE" "$expected" 10

  echo "$code: $(tail -n 1 "$SINK_FILE")"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
done
