#!/usr/bin/env bash
# cartaflex-cli envelope: a real PDF whose words sit where the envelope layout puts them.
set -u
BUILD="$1"
CLI="$BUILD/cartaflex-cli"
command -v pdftotext >/dev/null && command -v pdfinfo >/dev/null || exit 77
[ -x "$CLI" ] || { echo "no $CLI"; exit 1; }

DIR=$(mktemp -d)
trap 'rm -rf "$DIR"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

printf '[Impostazioni Colore]\r\nColore Titolo=255\r\n[Mittente]\r\nTitolo=Studio Rossi\r\nSottotitolo=Architetti\r\nIndirizzo=Via Roma 1\r\nCitta=Tivoli\r\nPartita Iva=01234567890\r\nTelefono=0612\r\nCellulare=3334\r\nEmail=info@rossi.it\r\nMargine Sinistro=-0,5\r\nMargine Superiore=+0\r\n[Destinatario]\r\nMargine Sinistro=+0\r\nMargine Superiore=+1,2\r\n[Stampa Busta]\r\nOrientamento=Verticale\r\n' >"$DIR/Cartaflex.ini"
"$CLI" --folder "$DIR" add Titolo=Verdi Sottotitolo=Forniture "Indirizzo=Corso Italia 5" Citta=Milano >/dev/null ||
    fail "add"

"$CLI" --folder "$DIR" envelope --record 1 --pdf "$DIR/busta.pdf" || fail "envelope exit $?"
[ -s "$DIR/busta.pdf" ] || fail "no PDF"
pdfinfo "$DIR/busta.pdf" | grep -q '^Pages: *1$' || fail "not one page"
pdftotext -bbox "$DIR/busta.pdf" "$DIR/words.html"

# word  x(cm)  y(cm): the top-left corner of each word as the layout places it.
check() {
    local word="$1" x="$2" y="$3"
    awk -v w="$word" -v x="$x" -v y="$y" '
        match($0, /xMin="[0-9.]+"/) {
            xm = substr($0, RSTART + 6, RLENGTH - 7)
            match($0, /yMin="[0-9.]+"/); ym = substr($0, RSTART + 6, RLENGTH - 7)
            t = $0; sub(/.*">/, "", t); sub(/<\/word>.*/, "", t)
            if (t == w) {
                found = 1
                ex = x * 72 / 2.54; ey = y * 72 / 2.54
                if (xm - ex > 0.6 || ex - xm > 0.6 || ym - ey > 0.6 || ey - ym > 0.6) {
                    printf "%s at (%.2f, %.2f) pt, expected (%.2f, %.2f)\n", w, xm, ym, ex, ey; exit 1
                }
            }
        }
        END { if (!found) { print w " not found"; exit 1 } }' "$DIR/words.html" || fail "$word"
}
check Studio 3.0 1.0
check Architetti 3.0 1.43
check Via 3.0 1.81
check Tivoli 3.0 2.16
check 01234567890 3.0 2.57
check 0612 3.0 2.87
check info@rossi.it 3.0 3.15
check Verdi 10.5 5.2
check Forniture 10.5 5.72
check Corso 10.5 6.3
check Milano 10.5 6.8

# The mobile number follows the telephone after four blanks, on the same line.
grep -q '>3334<' "$DIR/words.html" || fail "mobile"

# Without a record the recipient keeps the design texts, which are not printed; landscape
# from the settings.
sed -i 's/Orientamento=Verticale/Orientamento=Orizzontale/' "$DIR/Cartaflex.ini"
printf 'not a bitmap' >"$DIR/Logo.bmp"
"$CLI" --folder "$DIR" envelope --pdf "$DIR/design.pdf" || fail "design exit"
pdfinfo "$DIR/design.pdf" | grep -Eq 'Page size: *84[12](\.[0-9]+)? x 595(\.[0-9]+)?' || fail "not landscape"
pdftotext "$DIR/design.pdf" - | grep -q 'Persona o azienda' && fail "design recipient printed"

# Refusals and usage errors.
"$CLI" --folder "$DIR" envelope --record 9 --pdf "$DIR/x.pdf" 2>/dev/null
[ $? -eq 1 ] || fail "record out of range must exit 1"
"$CLI" --folder "$DIR" envelope --printer "NessunaStampante-xyz" 2>/dev/null
[ $? -eq 1 ] || fail "unknown printer must exit 1"
"$CLI" --folder "$DIR" envelope 2>/dev/null
[ $? -eq 2 ] || fail "no output must exit 2"
"$CLI" --folder "$DIR" envelope --pdf a.pdf --printer b 2>/dev/null
[ $? -eq 2 ] || fail "two outputs must exit 2"
"$CLI" --folder "$DIR" envelope --record x --pdf a.pdf 2>/dev/null
[ $? -eq 2 ] || fail "bad record must exit 2"
"$CLI" --folder "$DIR" envelope --pdf "$DIR/no/such/dir/x.pdf" 2>/dev/null
[ $? -eq 1 ] || fail "unwritable PDF must exit 1"
echo "ok"
