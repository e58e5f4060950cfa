# What the Predict Words tests do in each language, sourced by keyloom_predict.sh and
# input_method_predict.sh, which define await_predictions WHAT [LIST]: waiting for the
# candidates to show (the list of them, one a line, the first highlighted, when LIST is given).
# Keyloom's folder is $E2E_DIR/app, with the stores and their models; the client's text file is
# SINK_FILE, and EXPECTED what it holds.

# predicted LINES STORE WORD... PREFIX: the lines (sed's "1", "2" or "1,15") of what the model
# beside STORE predicts after the words (lower case, as Keyloom follows them) for the prefix.
predicted() {
  local lines=$1 store=$2
  shift 2
  "$WORDSTORE" predict "$E2E_DIR/app/${store%.mdb}.model" "${@,,}" | sed -n "${lines}p"
}

# type_predictions CODE STORE WORDS PREFIX: the user types the words and a space and takes the
# predicted next word with Ctrl+1, which comes with its space; then types the prefix and takes
# the second candidate with Ctrl+2, and at once a comma, which takes that space back; then Enter.
type_predictions() {
  local code=$1 store=$2 words=$3 prefix=$4 listed next second
  # shellcheck disable=SC2086 # the words go one by one
  listed=$(predicted '1,15' "$store" $words "" | awk '{ print (NR == 1 ? "> " : "") $0 }')
  next=$(predicted 1 "$store" $words "")
  [ -n "$next" ] || fail "$code: the model predicts nothing after $words"
  xdotool type --delay 40 "$words "
  await_predictions "$code: after \"$words \"" "$listed"
  xdotool key ctrl+1
  EXPECTED+="$words $next "
  expect_text "$SINK_FILE" "$EXPECTED" 10

  # shellcheck disable=SC2086
  second=$(predicted 2 "$store" $words "$next" "$prefix")
  [ -n "$second" ] || fail "$code: the model has no second word for $prefix after $next"
  xdotool type --delay 40 "$prefix"
  await_predictions "$code: after $prefix"
  # The comma comes straight after the chord, maybe while Keyloom still answers it.
  xdotool key ctrl+2
  xdotool type ","
  EXPECTED+="$prefix${second:${#prefix}},"
  expect_text "$SINK_FILE" "$EXPECTED" 10
  xdotool key Return
  EXPECTED+=$'\n'
  expect_text "$SINK_FILE" "$EXPECTED" 10
  echo "$code: $(tail -n 1 "$SINK_FILE")"
}

# predict_in_languages [OPTION=VALUE...]: type_predictions in each language of `languages`
# ("code layout store|words|prefix"), with that layout set, the language's store chosen and the
# options given, Keyloom started afresh each time, as after a restart.
predict_in_languages() {
  local entry head words prefix code layout store pid
  for entry in "${languages[@]}"; do
    IFS='|' read -r head words prefix <<<"$entry"
    read -r code layout store <<<"$head"
    setxkbmap -display "$DISPLAY" "$layout"
    set_options "$@" PredictWords=1 "Dictionary=$store"
    "$E2E_DIR/app/keyloom" >"$E2E_DIR/keyloom-$code.log" 2>&1 &
    pid=$!
    E2E_PIDS+=($pid)
    window_of 'Keyloom Word Complete' >/dev/null ||
      fail "$code: the Keyloom window did not appear"
    focus "$SINK_WINDOW"
    sleep 0.5
    type_predictions "$code" "$store" "$words" "$prefix"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
  done
}
