# Both programs in a headless GNOME Shell Wayland session through the Keyloom input method, as
# GNOME users have them: the shell runs IBus itself and gives it the focused field of a GTK 3
# Wayland window; keys come through GNOME's remote-desktop interface. Quipcast's launch with
# Send Enter, a Unicode phrase and a function-key chord, Keyloom's completion on Tab, then a
# phrase of twenty lines.
# Needs gnome-shell, python3-dbusmock (logind for the shell) and root; left out where they are
# missing, and skipped where the shell does not come up.
# Run as: wayland_gnome.sh QUIPCAST SINK KEYLOOM WORDS_MDB WORDSTORE COMPONENT_DIR
# The session bus starts services that outlive it; the test runs in a session of its own, which
# its cleanup ends whole.
[ "$(ps -o sid= -p $$ | tr -d ' ')" == "$$" ] || exec setsid --wait bash "$0" "$@"
E2E_SWEEP_SESSION=1
source "$(dirname "$0")/lib.sh"
KEYLOOM_BINARY=$3
WORDS_MDB=$4
WORDSTORE=$5
COMPONENT_DIR=$6
CLIENTS_DIR="$(dirname "$0")/clients"
SINK_FILE="$E2E_DIR/sink.txt"

keys() { /usr/bin/python3 "$CLIENTS_DIR/remote_keys.py" "$@"; }
expect_sink() { expect_text "$SINK_FILE" "$1" 10; }

# A system bus of the test's own with a stand-in for logind, which the shell asks for its session.
# It starts no services: what the machine has installed (a location or power service) must not
# decide whether the shell comes up.
cat >"$E2E_DIR/system-bus.conf" <<CONF
<busconfig>
  <type>system</type>
  <listen>unix:path=$E2E_DIR/system-bus.socket</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
CONF
dbus-daemon --config-file="$E2E_DIR/system-bus.conf" --fork --print-pid=3 \
  3>"$E2E_DIR/system-bus.pid"
E2E_PIDS+=("$(cat "$E2E_DIR/system-bus.pid")")
export DBUS_SYSTEM_BUS_ADDRESS="unix:path=$E2E_DIR/system-bus.socket"
/usr/bin/python3 -m dbusmock --system --template logind >"$E2E_DIR/logind.log" 2>&1 &
E2E_PIDS+=($!)
start_session_bus
# The shell's settings: no wallpaper to load and no animations, so that it is ready as soon as it
# runs, on any machine.
mkdir -p "$XDG_CONFIG_HOME/glib-2.0/settings"
printf '%s\n' '[org/gnome/desktop/interface]' 'enable-animations=false' \
  '[org/gnome/desktop/background]' "picture-options='none'" \
  >"$XDG_CONFIG_HOME/glib-2.0/settings/keyfile"
export IBUS_COMPONENT_PATH="$COMPONENT_DIR:/usr/share/ibus/component" GSETTINGS_BACKEND=keyfile
wait_until 10 gdbus introspect --system --dest org.freedesktop.login1 \
  --object-path /org/freedesktop/login1 >/dev/null 2>&1 || fail "no logind stand-in"
gnome-shell --headless --wayland --no-x11 --virtual-monitor 1024x768 >"$E2E_DIR/shell.log" 2>&1 &
E2E_PIDS+=($!)
# A machine that cannot host the shell headless cannot run this test: it is skipped, with the
# shell's log to tell why.
if ! wait_until 60 grep -q "GNOME Shell started" "$E2E_DIR/shell.log"; then
  echo "SKIP: GNOME Shell did not start within a minute on this machine" >&2
  exit 77
fi
export WAYLAND_DISPLAY=wayland-0 XDG_SESSION_TYPE=wayland GDK_BACKEND=wayland
unset DISPLAY GTK_IM_MODULE
gdbus call --session --dest org.gnome.Shell --object-path /org/gnome/Shell \
  --method org.freedesktop.DBus.Properties.Set org.gnome.Shell OverviewActive '<false>' >/dev/null

/usr/bin/python3 "$CLIENTS_DIR/gtk_sink.py" "$SINK_FILE" >"$E2E_DIR/client.log" 2>&1 &
E2E_PIDS+=($!)
wait_until 10 test -e "$SINK_FILE" || fail "the GTK window did not start"
sleep 1
wait_until 10 engine_selected || fail "the Keyloom engine could not be selected"

pangram='Съешь же ещё этих мягких французских булок, да выпей чаю.'
lines_phrase=$(python3 -c 'print("{enter}".join(f"Line {i} of many." for i in range(1, 21)), end="")')
lines_typed=$(python3 -c 'print("\n".join(f"Line {i} of many." for i in range(1, 21)), end="")')
mkdir -p "$E2E_DIR/app"
{
  printf '\xEF\xBB\xBF'
  printf '%s\x01' "{S}{E} - TD - Today is here." "{S} - RU - $pangram" "{F} - {Ctrl}{F9} - Chord." \
    "{S} - LN - $lines_phrase"
} >"$E2E_DIR/app/defaultkeys.kyl"
set_options Boost=0
cp "$QUIPCAST_BINARY" "$E2E_DIR/app/quipcast"
cp "$KEYLOOM_BINARY" "$E2E_DIR/app/keyloom"
cp "$WORDS_MDB" "$E2E_DIR/app/words.mdb"
# Their windows are not looked at here: Qt draws them off screen.
for program in quipcast keyloom; do
  QT_QPA_PLATFORM=offscreen "$E2E_DIR/app/$program" >"$E2E_DIR/$program.log" 2>&1 &
  E2E_PIDS+=($!)
done
sleep 2

keys 74 64 20                # t d Space
expect_sink $'Today is here.\n'
sleep 0.6
keys 72 75 20                # r u Space
expect_sink $'Today is here.\n'"$pangram"
sleep 0.6
keys ffe3+ffc6               # Ctrl+F9
expect_sink $'Today is here.\n'"$pangram"'Chord.'
sleep 0.6
word=$(store_candidates hel | head -n1)
keys ff0d 68 65 6c           # Return, h e l
sleep 0.5
keys ff09                    # Tab
expect_sink $'Today is here.\n'"$pangram"$'Chord.\n'"hel${word:3}"
sleep 0.6
keys 20 6c 6e 20             # Space l n Space
expect_sink $'Today is here.\n'"$pangram"$'Chord.\n'"hel${word:3} $lines_typed"
