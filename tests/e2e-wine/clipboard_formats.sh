# What the user copied comes back byte for byte after a Boost launch and after a completion: a
# bitmap and HTML beside the text, as a browser copies a picture.
source "$(dirname "$0")/lib.sh"
write_phrase_list "{S} - ty - Thank you"
build_word_store zest zebra zero zebu
start_sink
helper copy-picture || fail "the picture could not be copied"
before=$(helper clipboard-formats)
grep -q missing <<<"$before" && fail "the copied formats are not all there: $before"

start_quipcast
type_in_sink "ty "
expect_file "$E2E_DIR/sink.txt" "Thank you"
sleep 0.8  # the quiet period, after which the clipboard comes back
after=$(helper clipboard-formats)
[ "$after" == "$before" ] || fail "after a launch the clipboard holds"$'\n'"$after"$'\n'"not"$'\n'"$before"

start_program keyloom "Keyloom Word Complete"
type_in_sink "zeb"
wait_until 5 popup_shown || fail "no pop-up after three letters"
xdotool key Tab
expect_file "$E2E_DIR/sink.txt" "Thank youzebra"
sleep 0.5
after=$(helper clipboard-formats)
[ "$after" == "$before" ] || fail "after a completion the clipboard holds"$'\n'"$after"$'\n'"not"$'\n'"$before"
