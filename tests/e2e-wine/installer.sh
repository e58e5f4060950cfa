# The NSIS installer, run silently as a user would from a script: both programs with their
# help page and word store in the user's own program folder, Start-menu entries, no
# administrator rights; the installed Quipcast starts; the uninstaller takes it all away.
source "$(dirname "$0")/lib.sh"
INSTALLER=$8
[ -f "$INSTALLER" ] || fail "no installer at $INSTALLER"
users="$PREFIX/drive_c/users"
installed() { find "$users" -path "*/AppData/Local/Programs/Keyloom/$1" 2>/dev/null | grep -q .; }
menu_entry() { find "$users" -path "*/Start Menu/Programs/Keyloom/$1" 2>/dev/null | grep -q .; }
files_gone() { ! installed quipcast.exe && ! installed keyloom.exe && ! menu_entry Quipcast.lnk; }

wine_step "the installer failed" "$E2E_DIR/installer.log" "$INSTALLER" /S
for file in quipcast.exe keyloom.exe keyloom.htm words.mdb Uninstall.exe; do
  wait_until 10 installed "$file" || fail "$file was not installed"
done
for entry in Quipcast.lnk "Keyloom Word Complete.lnk" "Keyloom Help.lnk"; do
  menu_entry "$entry" || fail "no Start-menu entry $entry"
done

folder=$(dirname "$(find "$users" -path "*/AppData/Local/Programs/Keyloom/quipcast.exe" | head -n1)")
wine_run "$folder/quipcast.exe" >"$E2E_DIR/quipcast.log" 2>&1 &
E2E_PIDS+=($!)
helper wait "Keyloom Quipcast" 15 || fail "the installed Quipcast did not start"
helper close "Keyloom Quipcast"
wait_until 10 program_ended "${E2E_PIDS[0]}" || fail "the installed Quipcast did not end"

wine_step "the uninstaller failed" "$E2E_DIR/uninstaller.log" "$folder/Uninstall.exe" /S
wait_until 15 files_gone || fail "the uninstaller left files behind"
