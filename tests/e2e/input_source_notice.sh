# Through the input method no key reaches a program until the user's input source is Keyloom's.
# Ten seconds after the start without it, Quipcast says so in a message of its own, which closes
# by itself once the user switches to the Keyloom input source.
# Run as: input_source_notice.sh QUIPCAST SINK COMPONENT_DIR
source "$(dirname "$0")/lib.sh"
COMPONENT_DIR=$3

notice_shown() { search_windows --onlyvisible --name '^Keyloom$' >/dev/null; }
notice_gone() { ! notice_shown; }

start_display
start_session_bus
start_input_method "$COMPONENT_DIR"
start_gtk_client 'Keyloom GTK sink' gtk_sink.py "$E2E_DIR/sink.txt"
set_options UseInputMethod=1
start_quipcast
focus "$GTK_WINDOW"

sleep 5
notice_gone || fail "the notice came before the input source had time to start"
wait_until 10 notice_shown || fail "no notice while the input source is not Keyloom's"
select_keyloom_engine
wait_until 5 notice_gone || fail "the notice stayed after the switch to the Keyloom input source"
