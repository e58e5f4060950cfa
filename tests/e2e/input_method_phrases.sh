# The phrases of the input-method tests, and the list file that holds them (UTF-8 with a
# byte-order mark): Send Enter, a Tab launch, a withheld chord, Cyrillic, 2,000 characters and
# 40 lines. Source it after lib.sh.
pangram='Съешь же ещё этих мягких французских булок, да выпей чаю.'
long2000=$(python3 -c 'print(("Pack my box with five dozen liquor jugs, " * 50)[:1999] + ".", end="")')
lines_phrase=$(python3 -c 'print("{enter}".join(f"Line {i} of many." for i in range(1, 41)), end="")')
lines_typed=$(python3 -c 'print("\n".join(f"Line {i} of many." for i in range(1, 41)), end="")')
mkdir -p "$E2E_DIR/app"
{
  printf '\xEF\xBB\xBF'
  printf '%s\x01' "{S}{E} - TD - Today is here." "{T} - TB - Tabbed in." \
    "{F} - {Ctrl}{F9} - Chord of Ctrl-F9." "{S} - RU - $pangram" "{S} - XL - $long2000" \
    "{S} - LN - $lines_phrase"
} >"$E2E_DIR/app/defaultkeys.kyl"
