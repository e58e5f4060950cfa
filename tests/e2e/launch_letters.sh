# The samples come from the Help menu; t, d, Space in the sink gives the expanded sentence in
# place of the letters and the Space, then Enter. Boost is on at a first start: the sentence
# is pasted, and the clipboard's earlier text is back afterwards.
source "$(dirname "$0")/lib.sh"
start_display
start_tray
start_quipcast
start_sink "earlier text"

quipcast_menu alt+h Return  # Help > Load Samples
quipcast_menu alt+f Down Return  # File > File Save
list_file="$E2E_DIR/app/defaultkeys.kyl"
wait_until 5 test -s "$list_file" || fail "File Save wrote no list file"
[ "$(tr -cd '\001' <"$list_file" | wc -c)" -eq 10 ] || fail "the list file holds no ten samples"
type_in_sink "td "
wait_until 5 grep -q "Today" "$E2E_DIR/sink.txt" || fail "no sentence: $(cat "$E2E_DIR/sink.txt")"
sleep 0.5
sentence=$(cat "$E2E_DIR/sink.txt"; echo .)
sentence=${sentence%.}
# The date and time in the locale's formats, the seconds included.
[[ "$sentence" =~ ^Today\ is\ [^$'\n']+\ at\ [0-9]{1,2}:[0-9]{2}:[0-9]{2}(\ [AP]M)?\.$'\n'$ ]] ||
  fail "the sink holds $(printf %q "$sentence")"
expect_file "$E2E_DIR/clipboard.txt" "earlier text"
