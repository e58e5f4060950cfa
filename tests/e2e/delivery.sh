# Every phrase and completion arrives whole and in order in a client that the project did not
# write, under the layouts us, de, fr and ru and with Caps Lock on: launches by Space, Tab, a
# digit and a function-key chord, Send Enter, Boost on and off, Cyrillic, CJK and emoji phrases,
# long phrases, keys typed 5 ms apart straight after a launch, and Keyloom's completion followed
# at once by more typing. The user presses the keys where a user of the layout finds them.
# Run as: delivery.sh QUIPCAST SINK KEYLOOM WORDS_MDB WORDSTORE CLIENT, CLIENT being qt, gtk,
# tk, xterm, pyqt5 or pyqt6.
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/delivery_steps.sh"
KEYLOOM_BINARY=$3
WORDS_MDB=$4
WORDSTORE=$5
CLIENT=$6
SINK_FILE="$E2E_DIR/sink.txt"

# The phrases, and the list file that holds them (UTF-8 with a byte-order mark).
pangram='Съешь же ещё этих мягких французских булок, да выпей чаю.'
cjk=$(python3 -c 'print("".join(chr(0x4E00 + 97 * i) for i in range(120)), end="")')
emoji='Smile 😀, party 🎉, thumbs 👍.'
long500=$(python3 -c 'print(("The quick brown fox jumps over the lazy dog " * 12)[:499] + ".", end="")')
long2000=$(python3 -c 'print(("Pack my box with five dozen liquor jugs, " * 50)[:1999] + ".", end="")')
write_phrases() {
  local entries=(
    "{S}{E} - TD - Today is here."
    "{T} - TB - Tabbed in."
    "{S} - K9 - Nine launched."
    "{F} - {Ctrl}{F9} - Chord of Ctrl-F9."
    "{S} - RU - $pangram"
    "{S} - CJ - $cjk"
    "{S} - EM - $emoji"
    "{S} - LF - $long500"
    "{S} - XL - $long2000"
  )
  mkdir -p "$E2E_DIR/app"
  { printf '\xEF\xBB\xBF'; printf '%s\x01' "${entries[@]}"; } >"$E2E_DIR/app/defaultkeys.kyl"
}

# Quipcast with Boost on or off from its settings; QUIET outlasts its quiet period after a launch
# (100 ms with Boost, 500 ms without).
run_quipcast() {
  if [ "$1" = 1 ]; then QUIET=0.2; else QUIET=0.6; fi
  set_options "Boost=$1"
  write_phrases
  start_quipcast
  focus "$SINK_WINDOW"
}
quipcast_scenarios() {
  launch td space $'Today is here.\n'
  launch tb Tab 'Tabbed in.'
  launch k9 space 'Nine launched.'
  EXPECTED+='Chord of Ctrl-F9.'
  xdotool key ctrl+F9
  expect_sink "$EXPECTED"
  sleep "$QUIET"
  launch ru space "$pangram"
  launch cj space "$cjk"
  launch em space "$emoji"
  if [ "$LAYOUT:$CAPS" == us:off ]; then
    launch lf space "$long500"
    launch xl space "$long2000"
  fi
  # The user goes on typing straight after the launch, 5 ms apart: those keys come after the
  # whole phrase.
  EXPECTED+=$'Today is here.\n'"$(typed_by a)$(typed_by b)$(typed_by c)"
  xdotool key --delay 5 "$(key_of t)" "$(key_of d)" space "$(key_of a)" "$(key_of b)" \
    "$(key_of c)"
  expect_sink "$EXPECTED"
  sleep "$QUIET"
}

keyloom_scenarios() {
  local word
  word=$("$WORDSTORE" query "$WORDS_MDB" hel 15 | LC_ALL=C sort -f -s | head -n1)
  mkdir -p "$E2E_DIR/app"
  start_keyloom "$KEYLOOM_BINARY" "$WORDS_MDB"
  local pid=$!
  focus "$SINK_WINDOW"
  xdotool key --delay 40 h e l
  expect_popup "after h, e, l"
  # Tab, then at once (5 ms apart) a space and more letters: the rest of the word comes first.
  EXPECTED+="$(typed_by h)$(typed_by e)$(typed_by l)${word:3} $(typed_by a)$(typed_by b)"
  xdotool key --delay 5 Tab space a b
  expect_sink "$EXPECTED"
  stop_program "$pid"
}

start_display
# A fresh document for each layout: a client holding thousands of characters on one line lays
# them out slowly, which is the client's time, not the program's.
for state in us:off de:off fr:off ru:off us:on; do
  LAYOUT=${state%:*}
  CAPS=${state#*:}
  echo "--- $CLIENT, layout $LAYOUT, Caps Lock $CAPS"
  rm -f "$SINK_FILE"
  EXPECTED=""
  start_client
  setxkbmap -display "$DISPLAY" "$LAYOUT"
  [ "$CAPS" == off ] || xdotool key Caps_Lock
  # Ctrl+V pastes nowhere in a terminal: there Quipcast types (Boost off) only.
  if [ "$CLIENT" != xterm ]; then
    run_quipcast 1
    quipcast_scenarios
    stop_program "$QUIPCAST_PID"
  fi
  run_quipcast 0
  quipcast_scenarios
  stop_program "$QUIPCAST_PID"
  # Keyloom's words are English: it completes under the Latin layouts.
  [ "$LAYOUT" == ru ] || keyloom_scenarios
  [ "$CAPS" == off ] || xdotool key Caps_Lock
  stop_program "$CLIENT_PID"
done
