#!/usr/bin/env bash
# Card stock and QR codes from the terminal: the QR code read back as a phone reads it
# (the PDF rendered at 300 dpi, decoded by zbarimg), the kept sheet followed, bad sheet
# names refused with the program's message and nothing written.
set -u
BUILD="$1"
CLI="$BUILD/cartaflex-cli"
DIR="$(mktemp -d)"
trap 'rm -rf "$DIR"' EXIT
failures=0
check() {  # check NAME EXPECTED ACTUAL
  if [ "$2" != "$3" ]; then
    echo "FAIL: $1"; echo "  expected: $2"; echo "  actual:   $3"; failures=$((failures + 1))
  fi
}
command -v pdftotext >/dev/null && command -v pdftoppm >/dev/null && command -v zbarimg >/dev/null || exit 77
run() { "$CLI" --folder "$DIR" "$@"; }

# The QR code of each sheet gives back the card's name, telephone and e-mail, once per card.
for case in "card04 a4 8" "card04 85x54-10 10" "card03 85x55-10 10"; do
  set -- $case
  run cards "$1" --stock "$2" --qr "Titolo=Anna Verdi" "Tel=Tel. 051 987654" \
    "Email=anna@verdi.it" --pdf "$DIR/qr.pdf" 2>"$DIR/err"
  check "$1 on $2 exit" "0" "$?"
  check "$1 on $2 says nothing" "" "$(cat "$DIR/err")"
  pdftoppm -r 300 -gray -png "$DIR/qr.pdf" "$DIR/qr"
  zbarimg -q --raw "$DIR"/qr-1.png >"$DIR/codes" 2>/dev/null
  check "$1 on $2 codes" "$3" "$(grep -c '^BEGIN:VCARD' "$DIR/codes")"
  check "$1 on $2 name" "$3" "$(grep -c '^FN:Anna Verdi' "$DIR/codes")"
  check "$1 on $2 phone" "$3" "$(grep -c '^TEL;TYPE=WORK:051 987654' "$DIR/codes")"
  check "$1 on $2 e-mail" "$3" "$(grep -c '^EMAIL:anna@verdi.it' "$DIR/codes")"
  rm -f "$DIR"/qr-*.png "$DIR/qr.pdf"
done

# A card with nothing to put in the code keeps its logo and says so.
run cards card03 --qr --pdf "$DIR/design.pdf" 2>"$DIR/err"
check "nothing to encode exit" "0" "$?"
check "nothing to encode said" "1" "$(grep -c '^Il biglietto non mostra dati' "$DIR/err")"

# Without --stock the sheet kept for the format is used; a kept name the table no longer
# has is the plain sheet.
printf '[Carta Biglietti]\ncard03=85x54-8\ncard04=85x50-99\n' >"$DIR/Cartaflex.ini"
run cards card03 Titolo=Kept --pdf "$DIR/kept.pdf" >/dev/null 2>&1
check "kept stock: 8 cards" "8" "$(pdftotext "$DIR/kept.pdf" - | grep -c '^Kept')"
run cards card04 Titolo=Gone --pdf "$DIR/gone.pdf" >/dev/null 2>&1
check "unknown kept stock: A4, 8 cards" "8" "$(pdftotext "$DIR/gone.pdf" - | grep -c '^Gone')"
run cards card04 --stock a4 --first 9 --pdf "$DIR/nine.pdf" >/dev/null 2>&1
check "A4 sheet of 8: card 9 refused" "1" "$?"

# Unknown sheets and sheets the format does not fit are refused; nothing is written.
before="$(md5sum <"$DIR/Cartaflex.ini")"
for bad in "cards card03 --stock 85x56-10" "cards card01 --stock 85x54-10" \
           "cards card04 --stock 90x50-10" "test-page card03 --stock A4x"; do
  # shellcheck disable=SC2086
  run $bad --pdf "$DIR/bad.pdf" >/dev/null 2>"$DIR/err"
  check "refused: $bad" "1" "$?"
  check "message: $bad" "1" "$(grep -c 'la carta può essere: a4' "$DIR/err")"
done
check "nothing written" "no" "$([ -e "$DIR/bad.pdf" ] && echo yes || echo no)"
check "ini unchanged" "$before" "$(md5sum <"$DIR/Cartaflex.ini")"
run cards card03 --stock --pdf "$DIR/bad.pdf" >/dev/null 2>&1
check "--stock without a name: usage" "2" "$?"

# The test page of a stock outlines its cards.
run test-page card04 --stock 85x55-10 --pdf "$DIR/test.pdf" >/dev/null 2>&1
check "stock test page exit" "0" "$?"
check "stock test page instruction" "1" "$(pdftotext "$DIR/test.pdf" - | tr '\n' ' ' | grep -c 'Sovrapporre il foglio')"

[ "$failures" -eq 0 ] && echo "PASS" && exit 0
exit 1
