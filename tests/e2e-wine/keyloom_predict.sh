# Predict Words in a plain edit control under a US, a German and a Russian layout: after a few
# words Ctrl+1 pastes the predicted next word with its space, after a prefix Ctrl+2 the rest of
# the second candidate with its space, and a comma typed right after takes that space back. Each
# language has a small store and model of its own, built by the Windows wordstore tool, and
# starts the programs afresh (Wine takes the layout from the X server when a program starts).
source "$(dirname "$0")/lib.sh"
E2E_AFTER='setxkbmap -display "$DISPLAY" us'
helper store Options PredictWords 1

# build_model COUNTS...: words.model in the program folder, from these lines of counts.
build_model() {
  printf '%s\n' "$@" >"$E2E_DIR/counts.txt"
  wine_step "the model could not be built" "$E2E_DIR/wordstore.log" "$WORDSTORE_EXE" model \
    "$(win_path "$E2E_DIR/counts.txt")" "$(win_path "$E2E_DIR/app/words.model")"
}

# layout|store words|counts, by ";"|words typed|prefix|what the sink then holds
languages=(
  "us|to world work wonder would like I|90 to;80 I;70 would;60 like;50 world;40 work;30 wonder;9 would like;8 would like to|I would like|wo|I would like to world,"
  "de|der die eine einer ist Das|90 der;80 die;70 Das;60 ist;50 eine;40 einer;9 Das ist;8 Das ist der|Das ist|ei|Das ist der einer,"
  "ru|на после потом по Это|90 на;80 Это;30 после;20 потом;10 по;9 Это на|Это|по|Это на потом,"
)
for entry in "${languages[@]}"; do
  IFS='|' read -r layout words counts typed prefix expected <<<"$entry"
  echo "--- layout $layout"
  setxkbmap -display "$DISPLAY" "$layout"
  # shellcheck disable=SC2086 # the words go one by one
  build_word_store $words
  IFS=';' read -r -a count_lines <<<"$counts"
  build_model "${count_lines[@]/ /$'\t'}"
  start_sink
  start_program keyloom "Keyloom Word Complete"
  type_in_sink "$typed "
  wait_until 5 popup_shown || fail "no predictions after \"$typed \" on the $layout layout"
  xdotool key ctrl+1
  xdotool type --delay 60 "$prefix"
  wait_until 5 popup_shown || fail "no completions after $prefix on the $layout layout"
  xdotool key ctrl+2
  sleep 0.5
  xdotool type ","
  expect_file "$E2E_DIR/sink.txt" "$expected"
  helper close "Keyloom Word Complete" >/dev/null 2>&1 || true
  helper close "Keyloom E2E Sink" >/dev/null 2>&1 || true
  sleep 0.5
done
