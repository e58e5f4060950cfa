# In a plain edit control and in a RichEdit control, with Boost on and off: launches by Space,
# Tab and an F-key chord, Send Enter, Cyrillic, CJK and emoji phrases, a 500-character phrase,
# and keys typed 5 ms apart straight after a launch, which come after the whole phrase. Under a
# Russian layout Boost's Ctrl+V goes out as the V key with Ctrl (such a layout has no key that
# types "v"; a Unicode "v" with Ctrl is no paste anywhere) and the Enter follows it. Wine turns
# Ctrl and the V key of a Russian layout into no ^V character, which its edit controls paste on
# (Windows does), and gives the keys of such a layout virtual-key codes of its own: there the
# launch is a chord and the test looks at the keys that arrive. Under German and French
# layouts, and with Caps Lock on, the typed launch and the phrase come out as on the US layout,
# with Boost on and off; the user's own keys after it are typed as the layout and Caps Lock make
# them.
source "$(dirname "$0")/lib.sh"
E2E_AFTER='setxkbmap -display "$DISPLAY" us'
cjk_emoji='天地玄黄宇宙洪荒 😀🎉'
long=$(python3 -c 'print(("The quick brown fox jumps over the lazy dog " * 12)[:499] + ".", end="")')
write_phrase_list "{S}{E} - td - Today is here." "{T} - ru - Съешь же ещё этих мягких булок" \
  "{F}{E} - {F9} - Today is here." "{S} - cj - $cjk_emoji" "{S} - lf - $long"

# run CONTROL BOOST: a fresh sink and Quipcast, then each launch in turn.
run() {
  helper store Options Boost "$2"
  KEYLOOM_SINK_CONTROL=$1 start_sink
  start_quipcast
  focus "Keyloom E2E Sink"
}
stop() {
  helper close "Keyloom Quipcast" >/dev/null 2>&1 || true
  helper close "Keyloom E2E Sink" >/dev/null 2>&1 || true
  sleep 0.5
}

for control in edit richedit; do
  for boost in 1 0; do
    echo "--- layout us, $control control, Boost $boost"
    run "$control" "$boost"
    expected=""
    for launch in "t d space|Today is here.
" "r u Tab|Съешь же ещё этих мягких булок" "F9|Today is here.
" "c j space|$cjk_emoji" "l f space|$long"; do
      expected+=${launch#*|}
      # shellcheck disable=SC2086  # a launch is several keys
      xdotool key --delay 60 ${launch%%|*}
      expect_file "$E2E_DIR/sink.txt" "$expected"
      sleep 0.6
    done
    expected+=$'Today is here.\nabc'
    xdotool key --delay 5 t d space a b c
    expect_file "$E2E_DIR/sink.txt" "$expected"
    stop
  done
done

for state in de:off fr:off us:on; do
  layout=${state%:*}
  setxkbmap -display "$DISPLAY" "$layout"
  for boost in 1 0; do
    echo "--- layout $layout, Caps Lock ${state#*:}, edit control, Boost $boost"
    run edit "$boost"
    user_keys=abc
    if [ "${state#*:}" == on ]; then
      xdotool key Caps_Lock
      user_keys=ABC
    fi
    xdotool key --delay 60 t d space
    expect_file "$E2E_DIR/sink.txt" $'Today is here.\n'
    sleep 0.6
    xdotool key --delay 60 c j space
    expect_file "$E2E_DIR/sink.txt" $'Today is here.\n'"$cjk_emoji"
    xdotool key --delay 5 a b c
    expect_file "$E2E_DIR/sink.txt" $'Today is here.\n'"$cjk_emoji$user_keys"
    [ "${state#*:}" == off ] || xdotool key Caps_Lock
    stop
  done
done

setxkbmap -display "$DISPLAY" ru
for control in edit richedit; do
  echo "--- layout ru, $control control"
  run "$control" 1
  xdotool key F9
  wait_until 5 grep -qx Return "$E2E_DIR/keys.txt" || fail "no Enter after the phrase"
  [ "$(tr '\n' ' ' <"$E2E_DIR/keys.txt")" == "Control V Return " ] ||
    fail "the $control control got $(tr '\n' ' ' <"$E2E_DIR/keys.txt"), expected Ctrl+V and Enter"
  stop
done
