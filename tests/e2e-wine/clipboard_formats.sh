# What the user copied comes back byte for byte after a Boost launch and after a completion: a
# bitmap and HTML beside the text, as a browser copies a picture.
source "$(dirname "$0")/lib.sh"
write_phrase_list "{S} - ty - Thank you"
build_word_store zest zebra zero zebu
start_sink
helper copy-picture || fail "the picture could not be copied"
before=$(helper clipboard-formats)
grep -q missing <<<"$before" && fail "the copied formats are not all there: $before"

# The programs hold the clipboard for a moment while they paste and give it back; a reading
# that finds it open elsewhere tries again.
clipboard_is_back() { [ "$(helper clipboard-formats)" == "$before" ]; }
expect_clipboard_back() {
  wait_until 10 clipboard_is_back ||
    fail "$1 the clipboard holds"$'\n'"$(helper clipboard-formats || echo '(open elsewhere)')"$'\n'"not"$'\n'"$before"
}

start_quipcast
type_in_sink "ty "
expect_file "$E2E_DIR/sink.txt" "Thank you"
expect_clipboard_back "after a launch"

start_program keyloom "Keyloom Word Complete"
type_in_sink "zeb"
wait_until 5 popup_shown || fail "no pop-up after three letters"
xdotool key Tab
expect_file "$E2E_DIR/sink.txt" "Thank youzebra"
expect_clipboard_back "after a completion"
