# What the user copied survives a Boost launch whole: an image, HTML, a file list and text that
# another program offers at once come back afterwards as the same targets with the same bytes,
# the image large enough to be fetched in pieces; a target that the owner lists but refuses is
# left out. A clipboard manager beside them keeps the user's copy and never the phrase.
source "$(dirname "$0")/lib.sh"
OWNER_BINARY=$3
MANAGER_BINARY=$4
start_display
"$MANAGER_BINARY" "$E2E_DIR/history.txt" >"$E2E_DIR/manager.log" &
E2E_PIDS+=($!)
wait_until 5 grep -qx watching "$E2E_DIR/manager.log" || fail "the clipboard manager did not start"
start_tray
start_quipcast
start_sink
sample=$'This is a sample \nI hope you like it'
quipcast_menu alt+h Return  # Help > Load Samples
sleep 0.3

# Five pieces of the owner's 64 KiB: a much larger image outlasts the snapshot's time limit in a
# sanitizer build under load, and then the phrase is typed and the clipboard left as it was.
head -c 300000 /dev/urandom >"$E2E_DIR/image.png"
printf '<p>caf\xc3\xa9 <b>bold</b></p>' >"$E2E_DIR/page.html"
printf 'file:///tmp/one.txt\r\nfile:///tmp/two.png\r\n' >"$E2E_DIR/files.txt"
printf 'the user\xe2\x80\x99s words' >"$E2E_DIR/words.txt"
"$OWNER_BINARY" image/png "$E2E_DIR/image.png" text/html "$E2E_DIR/page.html" \
  text/uri-list "$E2E_DIR/files.txt" application/x-unreadable - UTF8_STRING "$E2E_DIR/words.txt" \
  >"$E2E_DIR/owner.log" &
E2E_PIDS+=($!)
wait_until 5 grep -qx owned "$E2E_DIR/owner.log" || fail "the other program did not copy"

# The targets the clipboard offers with their data's checksums, less those that every owner
# answers for itself.
clipboard_state() {
  local target
  xclip -o -selection clipboard -t TARGETS | sort |
    grep -v -x -e TARGETS -e TIMESTAMP -e MULTIPLE -e SAVE_TARGETS -e application/x-unreadable |
    while read -r target; do
      echo "$target $(xclip -o -selection clipboard -t "$target" | sha256sum)"
    done
}
before=$(clipboard_state)
[ "$(echo "$before" | wc -l)" -eq 4 ] || fail "the copied formats are not all there: $before"

type_in_sink "sp "
expect_file "$E2E_DIR/sink.txt" "$sample"
sleep 0.5  # the quiet period, after which the clipboard comes back
after=$(clipboard_state)
[ "$after" == "$before" ] || fail "the clipboard offers"$'\n'"$after"$'\n'"instead of"$'\n'"$before"
xclip -o -selection clipboard -t TARGETS | grep -qx application/x-unreadable &&
  fail "a target that could not be read is offered"

# An owner that quits while Quipcast reads its clipboard: nothing is left to keep, and the
# phrase is typed at once rather than put where nothing can be put back.
"$OWNER_BINARY" --vanish image/png "$E2E_DIR/image.png" >"$E2E_DIR/owner.log" &
E2E_PIDS+=($!)
wait_until 5 grep -qx owned "$E2E_DIR/owner.log" || fail "the other program did not copy"
type_in_sink " sp "
expect_file "$E2E_DIR/sink.txt" "$sample $sample"
sleep 0.5

# A clipboard that holds nothing keeps the phrase, marked for clipboard managers to skip.
type_in_sink " sp "
expect_file "$E2E_DIR/sink.txt" "$sample $sample $sample"
sleep 0.5
[ "$(xclip -o -selection clipboard -t x-kde-passwordManagerHint)" == secret ] ||
  fail "the phrase left on the clipboard is not marked for clipboard managers"
[ "$(xclip -o -selection clipboard | tr -d "\r")" == "$sample" ] || fail "the phrase did not stay on the clipboard"
# The manager's history holds the user's copy, once, and nothing of the program's.
[ "$(cat "$E2E_DIR/history.txt")" == "the user’s words" ] ||
  fail "the clipboard manager's history holds"$'\n'"$(cat "$E2E_DIR/history.txt")"
