# Shared steps of the end-to-end tests: a private home and X display for each test, a tray
# host, the sink window and the program, bounded waits, and a cleanup that always runs.
# Source it from a test script, which is run as: TEST QUIPCAST_BINARY SINK_BINARY.
set -euo pipefail

QUIPCAST_BINARY=$1
SINK_BINARY=$2
E2E_DIR=$(mktemp -d "${TMPDIR:-/tmp}/keyloom-e2e.XXXXXX")
E2E_PIDS=()
# The design's client area and the screen's 96 dots per inch: 15 twips per pixel.
TWIPS_PER_PIXEL=15

e2e_cleanup() {
  local status=$?
  local i
  for ((i = ${#E2E_PIDS[@]} - 1; i >= 0; i--)); do
    kill "${E2E_PIDS[i]}" 2>/dev/null || true
  done
  for ((i = ${#E2E_PIDS[@]} - 1; i >= 0; i--)); do
    wait "${E2E_PIDS[i]}" 2>/dev/null || true
  done
  if [ "$status" -ne 0 ]; then
    echo "--- logs of the failed test (${E2E_DIR})" >&2
    tail -n 20 "$E2E_DIR"/*.log >&2 2>/dev/null || true
  fi
  rm -rf "$E2E_DIR"
  exit "$status"
}
trap e2e_cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# wait_until SECONDS COMMAND...: polls the command every tenth of a second.
wait_until() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.1
  done
}

file_is() { [ -f "$1" ] && [ "$(cat "$1")" == "$2" ]; }

# expect_file FILE TEXT: waits up to five seconds for the file to hold exactly TEXT.
expect_file() {
  if ! wait_until 5 file_is "$1" "$2"; then
    fail "$(basename "$1") holds $(printf %q "$(cat "$1" 2>/dev/null)"), expected $(printf %q "$2")"
  fi
}

# Nothing of the user's own desktop leaks in: a fresh home, settings and data for each test.
e2e_environment() {
  export HOME="$E2E_DIR/home"
  export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share"
  export XDG_RUNTIME_DIR="$E2E_DIR/runtime"
  mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  export LC_ALL=C.UTF-8 QT_QPA_PLATFORMTHEME= QT_FONT_DPI=96
  unset DBUS_SESSION_BUS_ADDRESS WAYLAND_DISPLAY SESSION_MANAGER
}

# start_display [XVFB_OPTIONS...]: Xvfb on a free display number that it picks itself.
start_display() {
  local fifo="$E2E_DIR/display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp "$@" \
    3>"$fifo" >"$E2E_DIR/xvfb.log" 2>&1 &
  E2E_PIDS+=($!)
  wait_until 10 test -s "$fifo" || fail "Xvfb did not start"
  export DISPLAY=":$(head -n1 "$fifo")"
  wait_until 10 xdpyinfo >/dev/null 2>&1 || fail "display $DISPLAY does not answer"
}

# A tray host is ready once it owns the system tray selection of screen 0.
tray_ready() {
  python3 - <<'PY'
import ctypes, sys
x11 = ctypes.CDLL("libX11.so.6")
x11.XOpenDisplay.restype = ctypes.c_void_p
x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x11.XInternAtom.restype = ctypes.c_ulong
x11.XGetSelectionOwner.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
x11.XGetSelectionOwner.restype = ctypes.c_ulong
display = x11.XOpenDisplay(None)
owner = display and x11.XGetSelectionOwner(display, x11.XInternAtom(display, b"_NET_SYSTEM_TRAY_S0", 0))
sys.exit(0 if owner else 1)
PY
}

start_tray() {
  trayer --edge top --align left --widthtype pixel --width 96 --heighttype pixel --height 24 \
    --SetDockType false --SetPartialStrut false --transparent false >"$E2E_DIR/trayer.log" 2>&1 &
  E2E_PIDS+=($!)
  wait_until 10 tray_ready || fail "trayer did not start"
}

window_of() { xdotool search --sync --limit 1 --name "$1" 2>/dev/null; }

# start_sink [CLIPBOARD_TEXT]: the test's focused window; its files are sink.txt, keys.txt and,
# with a clipboard text, clipboard.txt.
start_sink() {
  local extra=()
  [ $# -eq 0 ] || extra=("$1" "$E2E_DIR/clipboard.txt")
  "$SINK_BINARY" "$E2E_DIR/sink.txt" "$E2E_DIR/keys.txt" "${extra[@]}" >"$E2E_DIR/sink.log" 2>&1 &
  E2E_PIDS+=($!)
  SINK_WINDOW=$(timeout 10 bash -c "$(declare -f window_of); window_of 'Keyloom test sink'") ||
    fail "the sink window did not appear"
}

# The program runs from a folder of its own, which its list files then go to.
start_quipcast() {
  mkdir -p "$E2E_DIR/app"
  cp "$QUIPCAST_BINARY" "$E2E_DIR/app/quipcast"
  "$E2E_DIR/app/quipcast" >"$E2E_DIR/quipcast.log" 2>&1 &
  QUIPCAST_PID=$!
  E2E_PIDS+=($QUIPCAST_PID)
  QUIPCAST_WINDOW=$(timeout 10 bash -c "$(declare -f window_of); window_of 'Keyloom Quipcast'") ||
    fail "the Quipcast window did not appear"
  # The hook is watching once the window is up; a short pause lets the grabs settle.
  sleep 0.3
}

focus() { xdotool windowfocus --sync "$1"; }

# click_at_twips WINDOW LEFT TOP: a left click at a point of the window's client area, given in
# twips as the window design gives positions. The menu bar stands above the client area.
click_at_twips() {
  local window=$1 x=$(($2 / TWIPS_PER_PIXEL)) y=$(($3 / TWIPS_PER_PIXEL))
  local height
  eval "$(xdotool getwindowgeometry --shell "$window")"
  height=$HEIGHT
  local menu_bar=$((height - CLIENT_HEIGHT_TWIPS / TWIPS_PER_PIXEL))
  xdotool mousemove --sync $((X + x)) $((Y + menu_bar + y)) click 1
}

# Quipcast's client area and its controls, from its window design: the frame Frame2 stands at
# 120,0 and the controls' positions are within it.
CLIENT_HEIGHT_TWIPS=6345
quipcast_click() {
  local left top
  case "$1" in
    Text10) left=240 top=480 ;;
    Text7) left=2160 top=480 ;;
    Option1) left=240 top=810 ;;
    Option2) left=1140 top=810 ;;
    Check2) left=240 top=1050 ;;
    Check8) left=1425 top=1050 ;;
    Command8) left=240 top=1320 ;;
    Command3) left=1635 top=1320 ;;
    Command2) left=3030 top=1320 ;;
    Command1) left=4560 top=1320 ;;
    List1) left=240 top=1680 ;;
    *) fail "no position for $1" ;;
  esac
  # A little inside the control's top left corner: the layout rules only widen controls.
  click_at_twips "$QUIPCAST_WINDOW" $((120 + left + 150)) $((top + 120))
}

# The menu by its access keys, as a user would open it.
quipcast_menu() {
  focus "$QUIPCAST_WINDOW"
  xdotool key --delay 150 "$@"
}

# The user types in the sink.
type_in_sink() {
  focus "$SINK_WINDOW"
  xdotool type --delay 40 "$1"
}

e2e_environment
