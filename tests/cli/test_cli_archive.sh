#!/usr/bin/env bash
# The archive commands of cartaflex-cli: results, exit statuses, messages, and files left
# untouched by refused operations.
set -u
BUILD="$1"
CLI="$BUILD/cartaflex-cli"
DIR="$(mktemp -d)"
trap 'chmod -R u+w "$DIR"; rm -rf "$DIR"' EXIT
failures=0
passed=0

check() {  # check NAME EXPECTED ACTUAL
  if [ "$2" == "$3" ]; then
    passed=$((passed + 1))
  else
    echo "FAIL: $1"
    echo "  expected: $2"
    echo "  actual:   $3"
    failures=$((failures + 1))
  fi
}

run() { "$CLI" --folder "$DIR" "$@"; }

check "count on a missing archive" "0" "$(run count)"
check "archive created empty" "0" "$(stat -c %s "$DIR/Contatti.edb")"

check "add returns the number" "1" "$(run add Titolo='  Studio Rossi ' Citta='Forlì' Iva=01234567890)"
check "second add" "2" "$(run add Titolo='Bianchi & C.' Tel='051 123456')"
check "file size" "2272" "$(stat -c %s "$DIR/Contatti.edb")"
check "accented letter stored as one byte" "Forl" "$(dd if="$DIR/Contatti.edb" bs=1 skip=100 count=4 2>/dev/null)"
check "byte of ì" "ec" "$(dd if="$DIR/Contatti.edb" bs=1 skip=104 count=1 2>/dev/null | od -An -tx1 | tr -d ' ')"

check "show" "Titolo=Studio Rossi" "$(run show 1 | head -1)"
check "show Citta" "Citta=Forlì" "$(run show 1 | sed -n 4p)"
check "show lines" "14" "$(run show 2 | wc -l)"
check "list first line" "$(printf '1\tStudio Rossi\t\t\tForlì\t01234567890\t\t\t\t\t\t\t\t\t')" "$(run list | head -1)"

check "list --filter: no case, no accents" "1" "$(run list --filter 'STUDIO forli' | cut -f1)"
check "list --filter: phone digits without blanks" "2" "$(run list --filter 051123 | cut -f1)"
check "list --filter: nothing kept" "" "$(run list --filter 'rossi bianchi')"
run list --filter 2>/dev/null; check "list --filter without text" "2" "$?"

run update 2 Fax='051 654321' Titolo='Bianchi Srl'
check "update exit" "0" "$?"

# Letters the archive cannot hold become the nearest plain letter, and the terminal says so.
check "add with letters out of the archive" "3" "$(run add Titolo='Studio Dvořák Łódź' 2>"$DIR/fold.err")"
check "the letters changed are told" "Caratteri sostituiti: ř → r, Ł → L, ź → z." "$(cat "$DIR/fold.err")"
check "stored as plain letters" "Titolo=Studio Dvorák Lódz" "$(run show 3 | head -1)"
run update 3 Citta='Wrocław' 2>"$DIR/fold.err" >/dev/null
check "update folds too" "Citta=Wroclaw" "$(run show 3 | sed -n 4p)"
check "update tells" "Caratteri sostituiti: ł → l." "$(cat "$DIR/fold.err")"
run delete 3 >/dev/null 2>&1
check "update changed only named fields" "Tel=051 123456|Fax=051 654321|Titolo=Bianchi Srl" \
  "$(run show 2 | grep -E '^(Tel|Fax)=' | paste -sd'|')|$(run show 2 | head -1)"

before="$(md5sum < "$DIR/Contatti.edb")"
err="$(run add Citta=Roma 2>&1 >/dev/null)"; st=$?
check "empty Titolo refused" "1" "$st"
check "empty Titolo message" "Per poter salvare la scheda è necessario specificare il nome della persona o dell'azienda." "$err"
run add Titolo='   ' 2>/dev/null; check "blank Titolo refused" "1" "$?"
run update 9 Titolo=X 2>/dev/null; check "update out of range" "1" "$?"
run delete 3 2>/dev/null; check "delete out of range" "1" "$?"
run show 3 2>/dev/null; check "show out of range" "1" "$?"
check "refused operations changed nothing" "$before" "$(md5sum < "$DIR/Contatti.edb")"

run frobnicate 2>/dev/null; check "unknown command" "2" "$?"
run add Nome=X 2>/dev/null; check "unknown field" "2" "$?"
run add Titolo 2>/dev/null; check "malformed assignment" "2" "$?"
run show abc 2>/dev/null; check "bad number" "2" "$?"
"$CLI" 2>/dev/null; check "no command" "2" "$?"
check "usage errors changed nothing" "$before" "$(md5sum < "$DIR/Contatti.edb")"

chmod a-w "$DIR/Contatti.edb"
err="$(run add Titolo=Nuovo 2>&1 >/dev/null)"; st=$?
check "read-only archive refused" "1" "$st"
check "read-only message" "Il sistema non permette di salvare i dati." "$(echo "$err" | head -1)"
run delete 1 2>/dev/null; check "read-only delete refused" "1" "$?"
check "read-only archive unchanged" "$before" "$(md5sum < "$DIR/Contatti.edb")"
chmod u+w "$DIR/Contatti.edb"

run delete 1; check "delete" "0" "$?"
check "one left" "1" "$(run count)"
check "renumbered" "Titolo=Bianchi Srl" "$(run show 1 | head -1)"
check "no temporary file" "no" "$([ -e "$DIR/Archivio.tmp" ] && echo yes || echo no)"

printf 'tail' >> "$DIR/Contatti.edb"
check "partial record not counted" "1" "$(run count 2>/dev/null)"
check "partial record warned" "1" "$(run count 2>&1 >/dev/null | grep -c '4 byte')"

# A value never splits a line of list or show: TAB, CR, LF and the backslash are escaped.
n="$(run add Titolo="$(printf 'Riga\tuno\r\nC:\\dati')" Citta='Forlì')"
check "escaped list line" "$(printf '%s\tRiga\\tuno\\r\\nC:\\\\dati\t\t\tForlì' "$n")" \
  "$(run list | tail -1 | cut -f1-5)"
check "list keeps one line per contact" "$(run count)" "$(run list | wc -l)"
check "escaped show line" 'Titolo=Riga\tuno\r\nC:\\dati' "$(run show "$n" | head -1)"
check "show keeps fourteen lines" "14" "$(run show "$n" | wc -l)"
check "help tells the escapes" "1" "$(run --help | grep -c 'scritti \\t, \\r, \\n, \\\\')"
# vat refuses what the window's 11-character box cannot hold.
out="$(run vat 123456700170)"; st=$?
check "vat of 12 characters refused" "1|Il numero di partita IVA deve essere costituito da 11 cifre." "$st|$out"
out="$(run vat '12345670017 ')"; st=$?
check "vat with a trailing blank refused" "1" "$st"

echo "$passed passed, $failures failed"
[ "$failures" -eq 0 ]
