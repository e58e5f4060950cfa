# Steps of the delivery tests into clients that the project did not write: the clients, the keys
# where a user of each layout finds them, and the launches. Source it after lib.sh; set CLIENT,
# SINK_FILE, LAYOUT, CAPS and QUIET first.
CLIENTS_DIR="$(dirname "${BASH_SOURCE[0]}")/clients"

# start_client: the client CLIENT (qt: the project's own sink; gtk, gtk4, tk, xterm, pyqt5,
# pyqt6) writing its text to SINK_FILE, its window SINK_WINDOW. CLIENT_ENV (NAME=VALUE...) is
# the client's alone, such as the input method its toolkit is to use.
CLIENT_ENV=()
start_client() {
  local title command=()
  case "$CLIENT" in
    qt)
      command=("$SINK_BINARY" "$SINK_FILE" "$E2E_DIR/keys.txt")
      title='Keyloom test sink' ;;
    gtk)
      command=(/usr/bin/python3 "$CLIENTS_DIR/gtk_sink.py" "$SINK_FILE")
      title='Keyloom GTK sink' ;;
    gtk4)
      command=(/usr/bin/python3 "$CLIENTS_DIR/gtk4_sink.py" "$SINK_FILE")
      title='Keyloom GTK 4 sink' ;;
    pyqt5 | pyqt6)
      command=(/usr/bin/python3 "$CLIENTS_DIR/qt_text_sink.py" "${CLIENT#pyqt}" "$SINK_FILE")
      title="Keyloom Qt ${CLIENT#pyqt} sink" ;;
    tk)
      command=(wish "$CLIENTS_DIR/tk_sink.tcl" "$SINK_FILE")
      title='Keyloom Tk sink' ;;
    xterm)
      command=(xterm -u8 -title 'Keyloom xterm sink' -e python3 "$CLIENTS_DIR/terminal_sink.py"
        "$SINK_FILE")
      title='Keyloom xterm sink' ;;
    *) fail "no client $CLIENT" ;;
  esac
  env NO_AT_BRIDGE=1 "${CLIENT_ENV[@]}" "${command[@]}" >"$E2E_DIR/client.log" 2>&1 &
  CLIENT_PID=$!
  E2E_PIDS+=($CLIENT_PID)
  SINK_WINDOW=$(window_of "$title") ||
    fail "the $CLIENT window did not appear"
  wait_until 10 test -e "$SINK_FILE" || [ "$CLIENT" == xterm ] || fail "the $CLIENT sink wrote nothing"
}

# Where a user of each layout finds the letters of the launches, as xdotool key names, and what
# those keys type there.
declare -A RU_KEYS=([a]=Cyrillic_ef [b]=Cyrillic_i [c]=Cyrillic_es [d]=Cyrillic_ve [e]=Cyrillic_u
  [f]=Cyrillic_a [j]=Cyrillic_o [k]=Cyrillic_el [l]=Cyrillic_de [m]=Cyrillic_softsign
  [r]=Cyrillic_ka [t]=Cyrillic_ie [u]=Cyrillic_ghe [x]=Cyrillic_che)
declare -A RU_TYPED=([a]=ф [b]=и [c]=с)
key_of() {
  case "$LAYOUT:$1" in
    ru:[a-z]) echo "${RU_KEYS[$1]}" ;;
    fr:9) echo ccedilla ;;
    *) echo "$1" ;;
  esac
}
typed_by() {
  case "$LAYOUT:$CAPS" in
    ru:*) echo "${RU_TYPED[$1]}" ;;
    *:on) echo "${1^^}" ;;
    *) echo "$1" ;;
  esac
}

# expect_sink TEXT: waits up to 20 seconds (a slow client takes a while to lay out 2,000 typed
# characters) for the client to hold exactly TEXT, a last line break included.
sink_is() { [ -f "$SINK_FILE" ] && [ "$(cat "$SINK_FILE"; printf .)" == "$1." ]; }
expect_sink() {
  wait_until 20 sink_is "$1" ||
    fail "$CLIENT ($LAYOUT, Caps Lock $CAPS) holds $(printf %q "$(cat "$SINK_FILE"; printf .)"), expected $(printf %q "$1.")"
}

# launch LETTERS ENDING_KEY TEXT: the user types the launch; the sink then holds TEXT more.
launch() {
  local keys=() i
  for ((i = 0; i < ${#1}; i++)); do keys+=("$(key_of "${1:i:1}")"); done
  EXPECTED+=$3
  xdotool key --delay 30 "${keys[@]}" "$2"
  expect_sink "$EXPECTED"
  sleep "$QUIET"
}

stop_program() {
  kill "$1"
  wait "$1" 2>/dev/null || true
}

