# The input method engine holds against programs that misbehave, through a real IBus daemon
# into a GTK 3 text view: a program stopped with SIGSTOP holds no key (each reaches the field,
# none waits on it more than once); a peer that sends text that is not UTF-8, a NUL, output
# outside a key or a line without end is refused or dropped, and nothing of it is typed; the
# keys of a password entry (shown, so that they go through the input method) reach no program
# with their values; the engine killed mid-session is
# started again, the programs connect again, and launches and completions work.
# Run as: input_method_robustness.sh QUIPCAST SINK KEYLOOM WORDS_MDB WORDSTORE COMPONENT_DIR
source "$(dirname "$0")/lib.sh"
KEYLOOM_BINARY=$3
WORDS_MDB=$4
WORDSTORE=$5
COMPONENT_DIR=$6
CLIENTS_DIR="$(dirname "$0")/clients"
SINK_FILE="$E2E_DIR/sink.txt"
SOCKET="$E2E_DIR/runtime/keyloom-ibus.socket"

expect_sink() { expect_text "$SINK_FILE" "$1" 20; }
# connections: how many programs the engine has accepted (their ends carry its path).
connections() { awk -v path="$SOCKET" '$8 == path && $6 == "03"' /proc/net/unix | wc -l; }
connected_at_least() { [ "$(connections)" -ge "$1" ]; }
expect_connections() {
  wait_until 10 connected_at_least "$1" ||
    fail "$2: $(connections) programs are connected, expected $1"
}
start_peer() {
  /usr/bin/python3 "$CLIENTS_DIR/engine_peer.py" "$SOCKET" "$1" "$E2E_DIR/$1.txt" \
    >"$E2E_DIR/$1.log" 2>&1 &
  E2E_PIDS+=($!)
  wait_until 5 grep -q connected "$E2E_DIR/$1.txt" || fail "the $1 peer did not connect"
}

mkdir -p "$E2E_DIR/app"
printf '\xEF\xBB\xBF{S} - TD - Today is here.\x01' >"$E2E_DIR/app/defaultkeys.kyl"
start_display
start_session_bus
start_input_method "$COMPONENT_DIR"
IBUS_PID=${E2E_PIDS[-1]}
NO_AT_BRIDGE=1 /usr/bin/python3 "$CLIENTS_DIR/gtk_sink.py" "$SINK_FILE" >"$E2E_DIR/client.log" 2>&1 &
E2E_PIDS+=($!)
SINK_WINDOW=$(window_of 'Keyloom GTK sink') || fail "the GTK window did not appear"
focus "$SINK_WINDOW"
select_keyloom_engine
set_options UseInputMethod=1 Boost=0
start_quipcast
start_keyloom "$KEYLOOM_BINARY" "$WORDS_MDB"
expect_connections 2 "at start"
focus "$SINK_WINDOW"

echo "--- a stopped program"
kill -STOP "$KEYLOOM_PID"
text=$(python3 -c 'print("pack my box with five dozen liquor jugs " * 15, end="")')
xdotool type --delay 5 "$text"
expect_sink "$text"
xdotool type --delay 30 "td "
expect_sink "${text}Today is here."
kill -CONT "$KEYLOOM_PID"
EXPECTED="${text}Today is here."

echo "--- a hostile peer"
start_peer hostile
xdotool type --delay 40 "abcd "
EXPECTED+="abcd "
expect_sink "$EXPECTED"
wait_until 5 grep -q closed "$E2E_DIR/hostile.txt" || fail "the peer with a line without end was kept"
grep -q INJECTED "$SINK_FILE" && fail "output outside a key was typed"

echo "--- a password entry"
xdotool key Escape  # Keyloom's list of the last word goes, so that Tab moves the focus
start_peer record
NO_AT_BRIDGE=1 /usr/bin/python3 "$CLIENTS_DIR/gtk_entries.py" "$E2E_DIR/plain.txt" \
  "$E2E_DIR/password.txt" shown >"$E2E_DIR/entries.log" 2>&1 &
E2E_PIDS+=($!)
ENTRIES=$(window_of 'Keyloom password sink') || fail "the password window did not appear"
focus "$ENTRIES"
xdotool key Tab
xdotool type --delay 40 "secret"
wait_until 5 grep -qx secret "$E2E_DIR/password.txt" ||
  fail "the password entry holds $(cat "$E2E_DIR/password.txt"), the plain one $(cat "$E2E_DIR/plain.txt"), keys $(tail -9 "$E2E_DIR/record.txt")"
sleep 0.3
keys=$(grep -c '^key [0-9]* 0 0 0 1 ' "$E2E_DIR/record.txt" || true)
[ "$keys" -ge 6 ] || fail "the password's keys reached a program: $(tail -8 "$E2E_DIR/record.txt")"
kill "${E2E_PIDS[-1]}"

echo "--- the engine started again"
focus "$SINK_WINDOW"
# This session's engine only: other tests may run engines of their own.
engine=$(pgrep -P "$IBUS_PID" -f keyloom-ibus-engine) || fail "no engine of this session to end"
kill -KILL "$engine"
# Until IBus has reaped it, IBus takes the engine for running and waits 15 s for it to answer.
wait_until 10 test ! -e "/proc/$engine" || fail "IBus did not notice that its engine ended"
wait_until 10 engine_selected ||
  fail "the engine could not be selected again: $(cat "$E2E_DIR/engine-select.log")"
expect_connections 2 "after the engine started again"
focus "$SINK_WINDOW"
xdotool type --delay 30 "td "
EXPECTED+="Today is here."
expect_sink "$EXPECTED"
echo "held against a stopped program, a hostile peer and a restarted engine"
