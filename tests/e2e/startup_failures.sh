# Without an X display the program says why on standard error and exits non-zero at once;
# on a display without XTEST it says why in one message box and exits non-zero once that is
# closed. Neither crashes nor hangs.
source "$(dirname "$0")/lib.sh"

mkdir -p "$E2E_DIR/app"
cp "$QUIPCAST_BINARY" "$E2E_DIR/app/quipcast"
status=0
env -u DISPLAY timeout 10 "$E2E_DIR/app/quipcast" >"$E2E_DIR/out.log" 2>"$E2E_DIR/err.log" ||
  status=$?
[ "$status" -eq 1 ] || fail "without a display the exit status was $status"
grep -q "no X11 display" "$E2E_DIR/err.log" || fail "no reason given: $(cat "$E2E_DIR/err.log")"
[ "$(wc -l <"$E2E_DIR/err.log")" -eq 1 ] || fail "more than one message: $(cat "$E2E_DIR/err.log")"

start_display -extension XTEST
"$E2E_DIR/app/quipcast" >"$E2E_DIR/quipcast.log" 2>&1 &
pid=$!
E2E_PIDS+=($pid)
box=$(window_of '^Keyloom$') ||
  fail "no message box about the missing extension"
# Without XTEST the click on OK, at the box's lower right, is sent to the box directly.
eval "$(xdotool getwindowgeometry --shell "$box")"
xdotool mousemove $((X + WIDTH - 40)) $((Y + HEIGHT - 22)) 2>/dev/null
xdotool click --window "$box" 1 2>/dev/null
wait_until 10 bash -c "! kill -0 $pid 2>/dev/null" || fail "the program did not end"
status=0
wait "$pid" || status=$?
[ "$status" -eq 1 ] || fail "without XTEST the exit status was $status"
