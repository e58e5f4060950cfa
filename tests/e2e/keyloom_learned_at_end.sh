# Learned words that wait to be saved (up to five seconds) are saved however Keyloom ends: on
# SIGTERM and SIGHUP, and when the X server goes away at logout, with no crash.
# Run as: keyloom_learned_at_end.sh KEYLOOM SINK WORDS_MDB WORDSTORE
source "$(dirname "$0")/lib.sh"
WORDS_MDB=$3
LEARNED="$XDG_DATA_HOME/Keyloom/learned-words"

# typed_three_times WORD: the word typed often enough to be learned, and kept; Keyloom has
# counted it once it offers the word for its first seven letters, which no stored word has.
typed_three_times() {
  local i
  for i in 1 2 3; do type_in_sink "$1 "; done
  type_in_sink "${1:0:7}"
  expect_popup "\"$1\" is not offered after three uses"
}

# ended_by HOW: Keyloom has ended after HOW without a crash (a signal of its own or a core).
ended_by() {
  local status=0
  wait_until 10 sh -c "! kill -0 $KEYLOOM_PID 2>/dev/null" || fail "Keyloom did not end after $1"
  wait "$KEYLOOM_PID" || status=$?
  [ "$status" -lt 128 ] ||
    fail "Keyloom was ended by a signal after $1 (status $status): $(tail -5 "$E2E_DIR/keyloom.log")"
}

expect_learned() {
  grep -q "	$1\$" "$LEARNED" 2>/dev/null ||
    fail "\"$1\" was not saved after $2: $(cat "$LEARNED" 2>/dev/null)"
}

start_display
XVFB_PID=${E2E_PIDS[-1]}
start_sink
set_options LearnWords=1

for signal in TERM HUP; do
  start_keyloom "$1" "$WORDS_MDB"
  typed_three_times "zephyr${signal,,}"
  kill -"$signal" "$KEYLOOM_PID"
  ended_by "SIG$signal"
  expect_learned "zephyr${signal,,}" "SIG$signal"
done

start_keyloom "$1" "$WORDS_MDB"
typed_three_times "zephyrlogout"
kill "$XVFB_PID"
ended_by "the X server went away"
expect_learned "zephyrlogout" "the X server went away"
echo "saved on SIGTERM, SIGHUP and at logout"
