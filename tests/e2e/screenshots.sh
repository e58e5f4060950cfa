# Screenshots of the programs under Xvfb, for the documentation:
#   screenshots.sh QUIPCAST SINK KEYLOOM OUTPUT_FOLDER
# Quipcast's main window with the samples loaded, its About box, and Keyloom's main window.
source "$(dirname "$0")/lib.sh"
KEYLOOM_BINARY=$3
OUTPUT=$4
mkdir -p "$OUTPUT"
start_display
start_tray
start_quipcast

quipcast_menu alt+h Return  # Help > Load Samples
sleep 0.5
import -window "$QUIPCAST_WINDOW" "$OUTPUT/quipcast-main.png"

quipcast_menu alt+h Down Return  # Help > About
about=$(timeout 10 bash -c "$(declare -f window_of); window_of '^Keyloom [0-9.]+ - '") ||
  fail "the About box did not appear"
sleep 0.5
import -window "$about" "$OUTPUT/quipcast-about.png"
xdotool key Return

cp "$KEYLOOM_BINARY" "$E2E_DIR/app/keyloom"
# The word store beside the program, when the build made one.
words="$(dirname "$KEYLOOM_BINARY")/words.mdb"
[ ! -f "$words" ] || cp "$words" "$E2E_DIR/app/"
"$E2E_DIR/app/keyloom" >"$E2E_DIR/keyloom.log" 2>&1 &
E2E_PIDS+=($!)
keyloom_window=$(timeout 10 bash -c "$(declare -f window_of); window_of 'Keyloom Word Complete'") ||
  fail "the Keyloom window did not appear"
sleep 0.5
import -window "$keyloom_window" "$OUTPUT/keyloom-main.png"
echo "Screenshots in $OUTPUT"
