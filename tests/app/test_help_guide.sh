#!/usr/bin/env bash
# The user guide built with the program: build/Guida.pdf is a real PDF of several pages
# in Italian, beside the executable; the guide tool refuses a missing source.
set -u
BUILD="$1"
PDF="$BUILD/Guida.pdf"
TOOL="$BUILD/tools/guide/cartaflex-guide"

command -v pdfinfo >/dev/null && command -v pdftotext >/dev/null || exit 77

fail() { echo "FAIL: $*" >&2; exit 1; }

[ -f "$PDF" ] || fail "$PDF is missing"
[ -x "$BUILD/cartaflex" ] || fail "the program is not beside the guide"
pages=$(pdfinfo "$PDF" | awk '/^Pages:/ {print $2}')
[ "${pages:-0}" -ge 5 ] || fail "the guide has ${pages:-0} pages"
pdfinfo "$PDF" | grep -q "Cartaflex 2.0 - Guida dell'utente" || fail "no title"

text=$(pdftotext -layout "$PDF" -)
for heading in "Primi passi" "L'archivio dati personali" "I biglietti da visita" "Le buste" \
    "La ricerca per chiave parziale" "Esportare l'archivio in un foglio di calcolo" \
    "Creare una copia" "Ripristinare una copia" "Il controllo della partita IVA" \
    "Domande frequenti" "Pagina 1 di $pages"; do
  grep -qF "$heading" <<<"$text" || fail "the guide lacks \"$heading\""
done
# Accented letters come through as text.
grep -qF "Città" <<<"$text" || fail "accented text lost"

# The tool itself: a missing source is an error and writes nothing.
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
if "$TOOL" -platform offscreen "$tmp/manca.md" "$tmp/out.pdf" 2>/dev/null; then
  fail "the tool accepted a missing source"
fi
[ ! -e "$tmp/out.pdf" ] || fail "the tool wrote a PDF for a missing source"
"$TOOL" -platform offscreen 2>/dev/null
[ $? -eq 2 ] || fail "the tool without arguments should give a usage error"
printf '# Prova\n\nUna riga di testo con la è accentata.\n' >"$tmp/prova.md"
"$TOOL" -platform offscreen "$tmp/prova.md" "$tmp/prova.pdf" || fail "the tool failed on a small guide"
pdftotext "$tmp/prova.pdf" - | grep -qF "la è accentata" || fail "small guide text lost"
echo "ok: $pages pages"
