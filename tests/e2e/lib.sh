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
  # The trace ends where the test did.
  { set +x; } 2>/dev/null
  if [ -n "${E2E_WATCHDOG:-}" ]; then
    pkill -P "$E2E_WATCHDOG" 2>/dev/null || true
    kill "$E2E_WATCHDOG" 2>/dev/null || true
  fi
  for ((i = ${#E2E_PIDS[@]} - 1; i >= 0; i--)); do
    kill "${E2E_PIDS[i]}" 2>/dev/null || true
  done
  # A test that leads a session of its own ends everything still in it, also what is too busy
  # to stop when asked.
  if [ -n "${E2E_SWEEP_SESSION:-}" ]; then
    local pid
    sleep 0.5
    for pid in $(ps -o pid= -s $$); do
      [ "$pid" -eq $$ ] || kill -KILL "$pid" 2>/dev/null || true
    done
  fi
  for ((i = ${#E2E_PIDS[@]} - 1; i >= 0; i--)); do
    wait "${E2E_PIDS[i]}" 2>/dev/null || true
  done
  if [ "$status" -ne 0 ]; then
    echo "--- logs of the test (${E2E_DIR})" >&2
    tail -n 20 "$E2E_DIR"/*.log >&2 2>/dev/null || true
  fi
  # A document portal that the session bus started may still hold its mount in the runtime
  # folder; what it keeps there is no failure of the test.
  fusermount3 -uz "$E2E_DIR/runtime/doc" 2>/dev/null || true
  rm -rf "$E2E_DIR" 2>/dev/null || true
  exit "$status"
}
trap e2e_cleanup EXIT
# A test that runs out of time says where it was: its steps are traced into trace.log, and with
# E2E_TIME_LIMIT (ctest's limit less a few seconds) a watchdog ends whatever it waits for, so that
# the cleanup runs and shows the logs.
exec {E2E_TRACE_FD}>"$E2E_DIR/trace.log"
BASH_XTRACEFD=$E2E_TRACE_FD
set -x
trap 'exit 124' TERM
if [ -n "${E2E_TIME_LIMIT:-}" ]; then
  # Holds none of the test's output open, which ctest would wait for.
  (
    sleep "$E2E_TIME_LIMIT"
    echo "the test ran out of its ${E2E_TIME_LIMIT} s; trace.log shows its last steps" \
      >"$E2E_DIR/watchdog.log"
    kill -TERM $$
    pkill -TERM -P $$
  ) </dev/null >/dev/null 2>&1 &
  E2E_WATCHDOG=$!
fi

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

source "$(dirname "${BASH_SOURCE[0]}")/window_search.sh"

file_is() { [ -f "$1" ] && [ "$(cat "$1")" == "$2" ]; }

# expect_text FILE TEXT SECONDS: waits for a client's text file to hold exactly TEXT, a last line
# break included (a client laying out thousands of characters takes its time).
text_is() { [ -f "$1" ] && [ "$(cat "$1"; printf .)" == "$2." ]; }
expect_text() {
  wait_until "$3" text_is "$1" "$2" ||
    fail "$(basename "$1") holds $(printf %q "$(cat "$1"; printf .)"), expected $(printf %q "$2.")"
}

# expect_file FILE TEXT: waits up to five seconds for the file to hold exactly TEXT.
expect_file() {
  if ! wait_until 5 file_is "$1" "$2"; then
    fail "$(basename "$1") holds $(printf %q "$(cat "$1" 2>/dev/null)"), expected $(printf %q "$2")"
  fi
}

# expect_clipboard_untouched TEXT: no other program took the clipboard from the sink, which still
# offers TEXT. (On X11 Keyloom types the rest of a word: Shift+Insert pastes the primary
# selection in terminals.)
expect_clipboard_untouched() {
  [ ! -e "$E2E_DIR/clipboard.txt" ] || fail "the clipboard was taken: $(cat "$E2E_DIR/clipboard.txt")"
  local held
  held=$(timeout 5 xclip -selection clipboard -o 2>/dev/null) || fail "the clipboard does not answer"
  [ "$held" == "$1" ] || fail "the clipboard holds $(printf %q "$held"), expected $(printf %q "$1")"
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
  set_options
}

# start_display [XVFB_OPTIONS...]: Xvfb on a free display number that it picks itself. It does
# not reset when its last client leaves: under load, a client that connects during the reset is
# dropped, and a program starting just after the display check found no display.
start_display() {
  local fifo="$E2E_DIR/display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp -noreset "$@" \
    3>"$fifo" >"$E2E_DIR/xvfb.log" 2>&1 &
  E2E_PIDS+=($!)
  wait_until 10 test -s "$fifo" || fail "Xvfb did not start"
  export DISPLAY=":$(head -n1 "$fifo")"
  wait_until 10 xdpyinfo >/dev/null 2>&1 || fail "display $DISPLAY does not answer"
}

# start_session_bus: a session bus of the test's own, which the accessibility bus starts from.
start_session_bus() {
  DBUS_SESSION_BUS_ADDRESS=$(dbus-daemon --session --fork --print-address=1 --print-pid=3 \
    3>"$E2E_DIR/dbus.pid")
  export DBUS_SESSION_BUS_ADDRESS
  E2E_PIDS+=("$(cat "$E2E_DIR/dbus.pid")")
}

# start_gtk_client TITLE SCRIPT ARG...: one of the GTK clients of clients/ with Debian's
# python3 (which has python3-gi); its window, titled TITLE, is GTK_WINDOW. With a session bus it
# is given a second to register with the accessibility bus.
start_gtk_client() {
  local title=$1 script=$2
  shift 2
  /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/clients/$script" "$@" \
    >"$E2E_DIR/client.log" 2>&1 &
  E2E_PIDS+=($!)
  GTK_WINDOW=$(window_of "$title") ||
    fail "the GTK window $title did not appear"
  [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] || sleep 1
}

# set_options NAME=VALUE...: Keyloom.conf holds these values of its Options section only, as
# if the user had chosen them before the programs start. The user was told already that a
# session without an accessibility bus cannot tell password fields, as most tests run so.
set_options() {
  mkdir -p "$XDG_CONFIG_HOME/Keyloom"
  printf '[Options]\nUndetectedPasswordFieldsTold=1\n' >"$XDG_CONFIG_HOME/Keyloom/Keyloom.conf"
  printf '%s\n' "$@" >>"$XDG_CONFIG_HOME/Keyloom/Keyloom.conf"
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

# start_sink [CLIPBOARD_TEXT]: the test's focused window; its files are sink.txt, keys.txt and,
# with a clipboard text, clipboard.txt.
start_sink() {
  local extra=()
  [ $# -eq 0 ] || extra=("$1" "$E2E_DIR/clipboard.txt")
  "$SINK_BINARY" "$E2E_DIR/sink.txt" "$E2E_DIR/keys.txt" "${extra[@]}" >"$E2E_DIR/sink.log" 2>&1 &
  local pid=$!
  E2E_PIDS+=("$pid")
  # By its process: another sink (a clipboard owner, one being closed) may carry the same title.
  SINK_WINDOW=$(wait_until 10 search_windows --all --limit 1 --pid "$pid" --name 'Keyloom test sink') ||
    fail "the sink window did not appear"
}

# The program runs from a folder of its own, which its list files then go to.
start_quipcast() {
  mkdir -p "$E2E_DIR/app"
  cp "$QUIPCAST_BINARY" "$E2E_DIR/app/quipcast"
  "$E2E_DIR/app/quipcast" >"$E2E_DIR/quipcast.log" 2>&1 &
  QUIPCAST_PID=$!
  E2E_PIDS+=($QUIPCAST_PID)
  QUIPCAST_WINDOW=$(window_of 'Keyloom Quipcast') ||
    fail "the Quipcast window did not appear"
  # The hook is watching once the window is up; a short pause lets the grabs settle.
  sleep 0.3
}

# A window that was just found may not be mapped yet, and the server refuses it the focus.
# xdotool's --sync waits for ever for what does not happen, so each of its waits is bounded.
focus() {
  wait_until 5 timeout 2 xdotool windowfocus --sync "$1" 2>/dev/null ||
    fail "window $1 takes no focus; the focus is on $(xdotool getwindowfocus 2>&1)"
}

# move_window WINDOW X Y: moves it there and waits until it stands there.
move_window() {
  timeout 5 xdotool windowmove --sync "$1" "$2" "$3" ||
    fail "window $1 did not move to $2,$3: $(xdotool getwindowgeometry "$1" 2>&1 | tr '\n' ' ')"
}

# click_at X Y: a left click at a point of the screen, once the pointer is there.
click_at() {
  timeout 5 xdotool mousemove --sync "$1" "$2" click 1 || fail "the pointer did not reach $1,$2"
}

# click_at_twips WINDOW LEFT TOP: a left click at a point of the window's client area, given in
# twips as the window design gives positions. The menu bar stands above the client area.
click_at_twips() {
  local window=$1 x=$(($2 / TWIPS_PER_PIXEL)) y=$(($3 / TWIPS_PER_PIXEL))
  local height
  eval "$(xdotool getwindowgeometry --shell "$window")"
  height=$HEIGHT
  local menu_bar=$((height - CLIENT_HEIGHT_TWIPS / TWIPS_PER_PIXEL))
  click_at $((X + x)) $((Y + menu_bar + y))
}

# Quipcast's client area and its controls, from its window design: the frame Frame2 stands at
# 120,0 and the controls' positions are within it.
CLIENT_HEIGHT_TWIPS=6645
quipcast_click() {
  local left top
  case "$1" in
    Text10) left=240 top=480 ;;
    Text7) left=2160 top=480 ;;
    Option1) left=240 top=810 ;;
    Option2) left=1140 top=810 ;;
    Check2) left=240 top=1050 ;;
    Check8) left=1425 top=1050 ;;
    Command8) left=240 top=1620 ;;
    Command3) left=1635 top=1620 ;;
    Command2) left=3030 top=1620 ;;
    Command1) left=4560 top=1620 ;;
    List1) left=240 top=1980 ;;
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

# start_keyloom KEYLOOM [WORDS_MDB]: Keyloom from a folder of its own, with the word store
# beside it (copied there first when given); its main window is KEYLOOM_WINDOW.
start_keyloom() {
  mkdir -p "$E2E_DIR/app"
  cp "$1" "$E2E_DIR/app/keyloom"
  [ $# -lt 2 ] || cp "$2" "$E2E_DIR/app/words.mdb"
  "$E2E_DIR/app/keyloom" >"$E2E_DIR/keyloom.log" 2>&1 &
  KEYLOOM_PID=$!
  E2E_PIDS+=($!)
  KEYLOOM_WINDOW=$(window_of 'Keyloom Word Complete') ||
    fail "the Keyloom window did not appear"
  sleep 0.3
}

# The pop-up is Keyloom's one mapped window that bypasses the window manager and is larger
# than the tray icon; popup_window prints its id.
popup_window() {
  local window info
  for window in $(search_windows --onlyvisible --classname '^keyloom$' || true); do
    info=$(xwininfo -id "$window")
    grep -q "Override Redirect State: yes" <<<"$info" || continue
    if [ "$(sed -n 's/.*Width: //p' <<<"$info")" -gt 40 ]; then
      echo "$window"
      return 0
    fi
  done
  return 1
}
popup_shown() { popup_window >/dev/null; }
popup_hidden() { ! popup_shown; }
focus_in_sink() { [ "$(xdotool getwindowfocus)" == "$SINK_WINDOW" ]; }

# expect_popup WHY / expect_popup_gone WHY: waits up to five seconds for the pop-up to show, or
# to hide. expect_no_popup WHY: the pop-up stays hidden for the half second that the program
# gets to react to the last key.
expect_popup() { wait_until 5 popup_shown || fail "no pop-up: $1"; }
expect_popup_gone() { wait_until 5 popup_hidden || fail "the pop-up stayed: $1"; }
expect_no_popup() {
  sleep 0.5
  if popup_shown; then fail "the pop-up showed: $1"; fi
}

# keyloom_field CONTROL: the keyboard focus to one of the controls of Keyloom's settings panel,
# along the tab order from the word field Text7, which stands at the window's top where no
# resize moves it.
keyloom_field() {
  local CLIENT_HEIGHT_TWIPS=4890 tabs
  case "$1" in
    Text2) tabs=7 ;;
    Command1) tabs=9 ;;
    *) fail "no tab index for $1" ;;
  esac
  click_at_twips "$KEYLOOM_WINDOW" $((240 + 150)) $((360 + 120))
  for (( ; tabs > 0; tabs--)); do xdotool key Tab; done
}

# store_candidates PREFIX: what the pop-up offers for PREFIX with the default of 15 words at
# most, in its order (sorted without regard to case), asked of WORDS_MDB through WORDSTORE.
store_candidates() { "$WORDSTORE" query "$WORDS_MDB" "$1" 15 | LC_ALL=C sort -f -s; }

# keys_seen KEY: whether the sink has been sent the key, named as keys.txt names it.
keys_seen() { grep -qx "$1" "$E2E_DIR/keys.txt"; }

# start_input_method COMPONENT_DIRS: an IBus daemon on the test's session bus, without a panel,
# that knows only the engines of COMPONENT_DIRS (colon-separated; the build tree's Keyloom
# engine first). GTK clients started after it type through it.
start_input_method() {
  IBUS_COMPONENT_PATH=$1 ibus-daemon --panel=disable --config=disable --cache=none --replace \
    --xim >"$E2E_DIR/ibus.log" 2>&1 &
  E2E_PIDS+=($!)
  wait_until 10 bash -c 'ibus list-engine 2>/dev/null | grep -q keyloom' ||
    fail "IBus did not start with the Keyloom engine"
  export GTK_IM_MODULE=ibus
}

# select_keyloom_engine: the focused window's input source becomes Keyloom, as the user picks it
# from the desktop's input sources; IBus starts the engine, which the programs then reach.
# What the last try printed and how long it took stay in engine-select.log for a failure to tell.
engine_selected() {
  local started=$SECONDS
  ibus engine keyloom >"$E2E_DIR/engine-select.log" 2>&1
  echo "(after $((SECONDS - started)) s; the engine now: $(ibus engine 2>&1))" >>"$E2E_DIR/engine-select.log"
  [ "$(ibus engine 2>/dev/null)" == keyloom ]
}
select_keyloom_engine() {
  wait_until 10 engine_selected ||
    fail "the Keyloom engine could not be selected: $(cat "$E2E_DIR/engine-select.log")"
  wait_until 10 test -S "$XDG_RUNTIME_DIR/keyloom-ibus.socket" || fail "the engine does not listen"
}
