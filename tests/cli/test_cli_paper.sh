#!/usr/bin/env bash
# Paper-true printing from the terminal: partial sheets, envelope sizes, test page,
# calibration, help topics, lossless logos; bad values refused with nothing written.
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
command -v pdftotext >/dev/null && command -v pdfinfo >/dev/null || exit 77
run() { "$CLI" --folder "$DIR" "$@"; }

# Partial sheets: cards 20 and 21 of the first sheet, then 3 of the next.
run cards card01 Titolo=Uno --first 20 --count 5 --pdf "$DIR/part.pdf" >/dev/null 2>&1
check "partial sheet exit" "0" "$?"
check "two sheets" "2" "$(pdfinfo "$DIR/part.pdf" | awk '/^Pages:/ {print $2}')"
check "cards on sheet 1" "2" "$(pdftotext -f 1 -l 1 "$DIR/part.pdf" - | grep -c '^Uno')"
check "cards on sheet 2" "3" "$(pdftotext -f 2 -l 2 "$DIR/part.pdf" - | grep -c '^Uno')"

for bad in "--first 0" "--first 22" "--count 0"; do
  # shellcheck disable=SC2086
  run cards card01 $bad --pdf "$DIR/bad.pdf" >/dev/null 2>&1
  check "refused: $bad" "1" "$?"
done
check "nothing written for bad values" "no" "$([ -e "$DIR/bad.pdf" ] && echo yes || echo no)"

# Envelope sizes: the page is the envelope, laid as "Orientamento" of Cartaflex.ini says.
size_of() { pdfinfo "$1" | sed -n 's/^Page size: *\([0-9]*\)[.0-9]* x \([0-9]*\)[.0-9]* pts.*/\1 x \2 pts/p'; }
run add "Titolo=Studio Commercialista Associato Bianchi" "Citta=40121 Bologna (BO)" >/dev/null 2>&1
printf '[Stampa Busta]\r\nOrientamento=Verticale\r\n' >"$DIR/Cartaflex.ini"
run envelope --record 1 --size c5 --pdf "$DIR/c5up.pdf" >/dev/null 2>&1
check "c5 upright as kept" "459 x 649 pts" "$(size_of "$DIR/c5up.pdf")"
for kept in "" "Orizzontale"; do
[ -n "$kept" ] && printf '[Stampa Busta]\r\nOrientamento=%s\r\n' "$kept" >"$DIR/Cartaflex.ini"
[ -z "$kept" ] && rm -f "$DIR/Cartaflex.ini"
for size in dl:624 c5:649; do
  run envelope --record 1 --size "${size%%:*}" --pdf "$DIR/${size%%:*}.pdf" >/dev/null 2>&1
  check "${size%%:*} laid across" "${size##*:}" "$(size_of "$DIR/${size%%:*}.pdf" | cut -d' ' -f1)"
  check "${size%%:*} recipient whole" "1" \
    "$(pdftotext "$DIR/${size%%:*}.pdf" - | grep -c '^40121 Bologna (BO)$')"
done
done
run delete 1 >/dev/null 2>&1
rm -f "$DIR/Cartaflex.ini"
run envelope --pdf "$DIR/a4.pdf" >/dev/null 2>&1
check "no size: A4 as before" "595 x 842 pts" "$(pdfinfo "$DIR/a4.pdf" | sed -n 's/^Page size: *\([0-9]*\)[.0-9]* x \([0-9]*\)[.0-9]* pts.*/\1 x \2 pts/p')"
run envelope --size b5 --pdf "$DIR/b5.pdf" >/dev/null 2>&1
check "unknown size refused" "1" "$?"
check "unknown size writes nothing" "no" "$([ -e "$DIR/b5.pdf" ] && echo yes || echo no)"

# Test page and help topic.
run test-page card03 --pdf "$DIR/test.pdf" >/dev/null 2>&1
check "test page exit" "0" "$?"
check "test page instruction" "1" "$(pdftotext "$DIR/test.pdf" - | tr '\n' ' ' | grep -c 'Sovrapporre il foglio')"
run print-help 1 --pdf "$DIR/help.pdf" >/dev/null 2>&1
check "help topic exit" "0" "$?"
run print-help 99 --pdf "$DIR/help99.pdf" >/dev/null 2>&1
check "unknown topic refused" "1" "$?"

# Calibration: kept per queue, shown back, bad values refused and the file unchanged.
check "no calibration" "0.0 0.0 100.0 100.0" "$(run calibrate Ufficio)"
check "calibration kept" "1.5 -0.3 100.2 99.8" "$(run calibrate Ufficio 1.5 -0.3 100.2 99.8)"
check "calibration read" "1.5 -0.3 100.2 99.8" "$(run calibrate Ufficio)"
before="$(md5sum < "$DIR/Cartaflex.ini")"
run calibrate Ufficio 20.1 0 >/dev/null 2>&1
check "offset past 20 mm refused" "1" "$?"
run calibrate Ufficio 0 0 97.9 100 >/dev/null 2>&1
check "scale below 98 % refused" "1" "$?"
check "ini unchanged" "$before" "$(md5sum < "$DIR/Cartaflex.ini")"
printf '[Calibrazione Stampanti]\nRotta=abc 1 2\n' >> "$DIR/Cartaflex.ini"
check "garbage reads as no calibration" "0.0 0.0 100.0 100.0" "$(run calibrate Rotta)"

# A sharp logo reaches the PDF at its own pixels and without JPEG.
if command -v pdfimages >/dev/null && [ -x "$BUILD/cartaflex-picture" ]; then
  printf '<svg xmlns="http://www.w3.org/2000/svg" width="300" height="300"><rect width="300" height="300" fill="white"/><circle cx="150" cy="150" r="140" fill="navy"/></svg>' >"$DIR/logo.svg"
  "$BUILD/cartaflex-picture" "$DIR/logo.svg" "$DIR/logo.png" 300 >/dev/null 2>&1
  run cards card03 --logo "$DIR/logo.png" --pdf "$DIR/logo.pdf" >/dev/null 2>&1
  info="$(pdfimages -list "$DIR/logo.pdf" | sed -n 3p)"
  check "logo at its own pixels" "300 300" "$(echo "$info" | awk '{print $4, $5}')"
  check "logo not JPEG" "no" "$(echo "$info" | grep -q jpeg && echo yes || echo no)"
fi

exit $((failures > 0))
