# Every shipped language completes end to end: with its keyboard layout set and its dictionary
# chosen in the settings, Keyloom offers that language's words for the letters typed in the
# sink, its own letters included (ü, é, ñ, ç, ż, ö, Cyrillic), and Tab leaves the typed letters
# and the rest of the first candidate there. Each language starts Keyloom afresh, so the choice
# is read back at start as after a restart.
# Run as: keyloom_languages.sh KEYLOOM SINK STORES_DIR WORDSTORE.
source "$(dirname "$0")/lib.sh"
KEYLOOM=$1
STORES_DIR=$3
WORDSTORE=$4

# code, keyboard layout, the letters typed
languages=(
  "de de übe" "fr fr élé" "es es niñ" "it it cit" "pt pt faç"
  "nl nl gel" "pl pl żół" "sv se för" "ru ru при"
)

start_display
start_tray
start_sink
mkdir -p "$E2E_DIR/app"
cp "$KEYLOOM" "$E2E_DIR/app/keyloom"
cp "$STORES_DIR"/words*.mdb "$E2E_DIR/app/"

expected=""
for entry in "${languages[@]}"; do
  read -r code layout typed <<<"$entry"
  setxkbmap -display "$DISPLAY" "$layout"
  set_options "Dictionary=words-$code.mdb"
  "$E2E_DIR/app/keyloom" >"$E2E_DIR/keyloom-$code.log" 2>&1 &
  pid=$!
  E2E_PIDS+=($pid)
  window_of 'Keyloom Word Complete' >/dev/null ||
    fail "$code: the Keyloom window did not appear"
  sleep 0.3

  # The pop-up's first entry: the list sorts by lower-cased letters, then by the bytes.
  first=$("$WORDSTORE" query "$E2E_DIR/app/words-$code.mdb" "$typed" 15 |
    python3 -c 'import sys; print(min(sys.stdin.read().split("\n")[:-1], key=lambda w: (w.lower(), w.encode())))')
  [ -n "$first" ] || fail "$code: the store has no word for $typed"
  type_in_sink "$typed"
  expect_popup "$code: after $typed"
  xdotool key Tab
  expected+="$typed${first:${#typed}}"
  expect_file "$E2E_DIR/sink.txt" "$expected"
  xdotool key Return
  expected+=$'\n'
  expect_popup_gone "$code: after Return"

  kill "$pid"
  wait "$pid" 2>/dev/null || true
done
