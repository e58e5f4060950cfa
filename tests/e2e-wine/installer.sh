# The NSIS installer, run silently as a user would from a script: both programs with their
# help page and word store in the user's own program folder, Start-menu entries, no
# administrator rights; asked to, it makes both programs start at login; the installed Quipcast
# starts as a login starts it, in the tray; the uninstaller closes it and takes it all away.
source "$(dirname "$0")/lib.sh"
INSTALLER=$8
[ -f "$INSTALLER" ] || fail "no installer at $INSTALLER"
users="$PREFIX/drive_c/users"
installed() { find "$users" -path "*/AppData/Local/Programs/Keyloom/$1" 2>/dev/null | grep -q .; }
menu_entry() { find "$users" -path "*/Start Menu/Programs/Keyloom/$1" 2>/dev/null | grep -q .; }
files_gone() { ! installed quipcast.exe && ! installed keyloom.exe && ! menu_entry Quipcast.lnk; }

run_value() {
  wine_run reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Run' /v "$1" 2>/dev/null |
    sed -n "s/^ *$1 *REG_SZ *//p" | tr -d '\r'
}

wine_step "the installer failed" "$E2E_DIR/installer.log" "$INSTALLER" /S /StartAtLogin
for file in quipcast.exe keyloom.exe keyloom.htm words.mdb Uninstall.exe; do
  wait_until 10 installed "$file" || fail "$file was not installed"
done
for entry in Quipcast.lnk "Keyloom Word Complete.lnk" "Keyloom Help.lnk"; do
  menu_entry "$entry" || fail "no Start-menu entry $entry"
done

folder=$(dirname "$(find "$users" -path "*/AppData/Local/Programs/Keyloom/quipcast.exe" | head -n1)")
for program in Quipcast Keyloom; do
  value=$(run_value "$program")
  [[ "$value" == \"*'\Programs\Keyloom\'"${program,,}.exe\" --in-tray" ]] ||
    fail "the installer's $program login value is: $value"
done

wine_run "$folder/quipcast.exe" --in-tray >"$E2E_DIR/quipcast.log" 2>&1 &
E2E_PIDS+=($!)
wait_until 15 tray_shows '#1F8A5C' || fail "Quipcast started at login shows no tray icon"
! helper wait "Keyloom Quipcast" 1 || fail "Quipcast started at login showed its window"

# The uninstaller closes the running program before it removes it.
wine_step "the uninstaller failed" "$E2E_DIR/uninstaller.log" "$folder/Uninstall.exe" /S
wait_until 15 program_ended "${E2E_PIDS[0]}" || fail "the uninstaller left Quipcast running"
wait_until 15 files_gone || fail "the uninstaller left files behind"
for program in Quipcast Keyloom; do
  [ -z "$(run_value "$program")" ] || fail "the uninstaller left the $program login value"
done
