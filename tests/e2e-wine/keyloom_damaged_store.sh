# A words.mdb that is not a word store: Keyloom still comes up, says so in its status line,
# shows no pop-up and lets every key through; no error box from the system.
source "$(dirname "$0")/lib.sh"
head -c 4096 /dev/urandom >"$E2E_DIR/app/words.mdb"
start_sink
start_program keyloom "Keyloom Word Complete"
helper texts "Keyloom Word Complete" | grep -qx "Word store not opened." ||
  fail "no status line: $(helper texts 'Keyloom Word Complete')"
type_in_sink "zebra"
xdotool key Tab
expect_file "$E2E_DIR/sink.txt" $'zebra\t'
helper visible KeyloomPopupWindow && fail "a pop-up without a store"
true
