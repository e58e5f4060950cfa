# The X11 keyboard side's own tests, on a display with a sink window.
source "$(dirname "$0")/lib.sh"
TEST_BINARY=$3
start_display
start_sink
export SINK_WINDOW E2E_DIR
"$TEST_BINARY"
