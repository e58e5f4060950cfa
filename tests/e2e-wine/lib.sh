# Shared steps of the end-to-end tests under Wine. The run's Wine prefix and display come from the
# fixture (cmake/toolchains/wine-session); each test gets a folder of its own with a copy of the
# program, a first-start registry, the sink window, bounded waits and a cleanup that always runs.
# Source it from a test script, which is run as:
#   TEST WINE_RUN PREFIX PROGRAM_DIR SINK HELPER WORK_DIR [WORDSTORE [INSTALLER]]
set -euo pipefail

WINE_RUN=$1
PREFIX=$2
PROGRAM_DIR=$3
SINK_EXE=$4
HELPER_EXE=$5
E2E_DIR=$6
WORDSTORE_EXE=${7:-}
E2E_PIDS=()

[ -s "$PREFIX.display" ] || { echo "FAIL: no Wine session (wine-session start)" >&2; exit 1; }
export DISPLAY=":$(cat "$PREFIX.display")"
rm -rf "$E2E_DIR"
mkdir -p "$E2E_DIR/app"

# A file of the test folder as Wine names it.
win_path() { printf 'Z:%s' "${1//\//\\}"; }

wine_run() { "$WINE_RUN" "$PREFIX" "$@"; }
# wine_step WHAT LOG PROGRAM ARG...: runs a Windows program to its end, its output and Wine's
# own errors in LOG; when it fails, the test fails saying what Wine said.
wine_step() {
  local what=$1 log=$2 status=0
  shift 2
  WINEDEBUG=${WINEDEBUG:-err+all,fixme-all} wine_run "$@" >"$log" 2>&1 || status=$?
  [ "$status" -eq 0 ] ||
    fail "$what: Wine ended with status $status and said: $(tail -n 15 "$log" | tr '\n' '|')"
}
# helper ARG...: the test helper (helper.cpp); one that hangs fails the test saying which call,
# rather than running into the test's time limit without a word.
helper() {
  local status=0
  timeout 30 "$WINE_RUN" "$PREFIX" "$HELPER_EXE" "$@" || status=$?
  [ "$status" -ne 124 ] || fail "the helper did not answer in 30 s: helper $*"
  return "$status"
}

e2e_cleanup() {
  local status=$?
  local i
  # Programs leave through their close box, so that they take their tray icons away.
  for title in "Keyloom Quipcast" "Keyloom Word Complete" "Keyloom E2E Sink"; do
    timeout 30 "$WINE_RUN" "$PREFIX" "$HELPER_EXE" close "$title" >/dev/null 2>&1 || true
  done
  sleep 0.3
  for ((i = ${#E2E_PIDS[@]} - 1; i >= 0; i--)); do
    kill "${E2E_PIDS[i]}" 2>/dev/null || true
  done
  for ((i = ${#E2E_PIDS[@]} - 1; i >= 0; i--)); do
    wait "${E2E_PIDS[i]}" 2>/dev/null || true
  done
  if [ "$status" -ne 0 ]; then
    echo "--- files of the failed test (${E2E_DIR})" >&2
    for file in "$E2E_DIR"/*.txt "$E2E_DIR"/*.log; do
      [ -f "$file" ] && { echo "== $(basename "$file")"; tail -n 20 "$file"; } >&2
    done
  fi
  if [ -n "${E2E_AFTER:-}" ]; then eval "$E2E_AFTER"; fi
  exit "$status"
}
trap e2e_cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# wait_until SECONDS COMMAND...: polls the command every tenth of a second.
wait_until() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.1
  done
}

source "$(dirname "${BASH_SOURCE[0]}")/../e2e/window_search.sh"

file_is() { [ -f "$1" ] && [ "$(cat "$1"; echo .)" == "$2." ]; }

# expect_file FILE TEXT: waits up to five seconds for the file to hold exactly TEXT.
expect_file() {
  if ! wait_until 5 file_is "$1" "$2"; then
    fail "$(basename "$1") holds $(printf %q "$(cat "$1" 2>/dev/null)"), expected $(printf %q "$2")"
  fi
}

# expect_bytes FILE HEX: the file's bytes, as lower-case hex without spaces.
expect_bytes() {
  local actual
  wait_until 5 test -s "$1" || fail "$(basename "$1") was not written"
  sleep 0.2
  actual=$(od -An -v -tx1 "$1" | tr -d ' \n')
  [ "$actual" == "$2" ] || fail "$(basename "$1") holds bytes $actual, expected $2"
}

registry_is() { [ "$(helper registry)" == "$1" ]; }
window_hidden() { ! helper wait "$1" 0; }
popup_shown() { helper visible KeyloomPopupWindow; }
popup_hidden() { ! popup_shown; }
# tray_shows COLOUR: the notification area, at the right end of the Wine desktop's taskbar, shows
# an icon drawn in that colour (#1F8A5C: Quipcast's green; #2F6DB5: Keyloom's blue).
tray_shows() {
  import -window root -crop 120x24+1160+1002 png:- | convert png:- -format %c histogram:info: |
    grep -qi "$1"
}
program_ended() { ! kill -0 "$1" 2>/dev/null; }
list_entries_are() { [ "$(tr -cd '\001' <"$1" | wc -c)" -eq "$2" ]; }

# focus TITLE: the window whose title begins with TITLE takes the keyboard. Inside the Wine
# desktop each program's windows are X windows of their own, and the X focus must be on the
# one that Wine made the foreground window.
focus() {
  local window
  helper activate "$1" || fail "$1 could not be brought to the front"
  window=$(search_windows --name "^$1" | head -n1) || true
  [ -n "$window" ] || fail "no X window for $1"
  xdotool windowfocus "$window"
  sleep 0.2
}

# start_sink [CLIPBOARD_TEXT]: the test's focused window; its files are sink.txt (the text
# box), chars.txt (WM_CHAR), keys.txt (key presses) and, with a clipboard text, clipboard.txt.
start_sink() {
  local extra=()
  [ $# -eq 0 ] || extra=("$1" "$(win_path "$E2E_DIR/clipboard.txt")")
  wine_run "$SINK_EXE" "$(win_path "$E2E_DIR/sink.txt")" "$(win_path "$E2E_DIR/chars.txt")" \
    "$(win_path "$E2E_DIR/keys.txt")" "${extra[@]}" >"$E2E_DIR/sink.log" 2>&1 &
  E2E_PIDS+=($!)
  helper wait "Keyloom E2E Sink" 15 || fail "the sink window did not appear"
  [ $# -eq 0 ] || wait_until 5 file_is "$E2E_DIR/clipboard.txt" "$1" ||
    fail "the sink did not take the clipboard"
}

# start_program NAME TITLE: the program runs from the test's own folder, which is writable, so
# its list files go there; a first start unless the test stored settings before.
start_program() {
  cp "$PROGRAM_DIR/$1.exe" "$PROGRAM_DIR/keyloom.htm" "$E2E_DIR/app/"
  wine_run "$E2E_DIR/app/$1.exe" >"$E2E_DIR/$1.log" 2>&1 &
  E2E_PIDS+=($!)
  helper wait "$2" 15 || fail "the $1 window did not appear"
  sleep 0.3
}

start_quipcast() { start_program quipcast "Keyloom Quipcast"; }

# type_in_sink TEXT: the user types TEXT into the sink window.
type_in_sink() {
  focus "Keyloom E2E Sink"
  xdotool type --delay 60 "$1"
}

# build_word_store WORD...: Keyloom's words.mdb in the program folder, holding the words in
# this order, sealed with a cheap key derivation.
build_word_store() {
  printf '%s\n' "$@" >"$E2E_DIR/words.txt"
  wine_step "the word store could not be built" "$E2E_DIR/wordstore.log" "$WORDSTORE_EXE" build \
    "$(win_path "$E2E_DIR/words.txt")" "$(win_path "$E2E_DIR/app/words.mdb")" --iterations 1000
}

# A list file of Quipcast with these entry lines, in UTF-8 with its byte-order mark: every
# entry followed by code 1, then one CR LF.
write_phrase_list() {
  local line
  {
    printf '\xef\xbb\xbf'
    for line in "$@"; do printf '%s\x01' "$line"; done
    printf '\r\n'
  } >"$E2E_DIR/app/defaultkeys.kyl"
}

helper forget || fail "the settings store could not be emptied"
