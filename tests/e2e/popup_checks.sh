# Checks of Keyloom's pop-up that the Linux and the Wine end-to-end tests share; sourced after
# their lib.sh.

# popup_placed WHERE "CARET_RECT" "POPUP_RECT" AREA_RIGHT: whether the pop-up (each rectangle
# "LEFT TOP WIDTH HEIGHT" in screen pixels) stands just below the caret, just above it, or
# below it and in from the work area's right edge ("below", "above", "right"), within a pixel.
popup_placed() {
  local cx cy cw ch px py pw ph
  read -r cx cy cw ch <<<"$2"
  read -r px py pw ph <<<"$3"
  near() { [ "$1" -ge $(($2 - 1)) ] && [ "$1" -le $(($2 + 1)) ]; }
  case "$1" in
    below) near "$px" "$cx" && near "$py" $((cy + ch)) ;;
    above) near "$px" "$cx" && near $((py + ph)) "$cy" ;;
    right) [ $((px + pw)) -eq "$4" ] && near "$py" $((cy + ch)) ;;
    *) return 1 ;;
  esac
}

# type_past_popup WORD...: types the words into the focused window, each followed by Escape
# and a space (a space ends no word while the pop-up shows); the word Return presses Enter.
type_past_popup() {
  local word
  for word in "$@"; do
    case "$word" in
      Return) xdotool key Return ;;
      *) xdotool type --delay 40 "$word" && xdotool key Escape space ;;
    esac
  done
}
