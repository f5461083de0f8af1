#!/usr/bin/env bash
# cartaflex-cli import, export-csv and export-vcard, end to end.
set -u
BUILD="$1"
CLI="$BUILD/cartaflex-cli"
WORK=$(mktemp -d)
trap 'chmod -R u+w "$WORK"; rm -rf "$WORK"' EXIT
fails=0
check() {  # description, then the condition as a command
    local what="$1"; shift
    if "$@"; then :; else echo "FAIL: $what"; fails=$((fails + 1)); fi
}
cli() { "$CLI" --folder "$WORK/prog" "$@"; }
mkdir -p "$WORK/prog" "$WORK/empty"

cli add Titolo="Rossi" Citta="Roma" >/dev/null
printf 'Titolo;Citta;Tel\r\nRossi;Roma;06 1\r\nBianchi;Roma;06 2\r\n' >"$WORK/c.csv"
cp "$WORK/prog/Contatti.edb" "$WORK/before.edb"

out=$(cli import "$WORK/c.csv" --dry-run); check "import --dry-run exits 0" test $? -eq 0
check "dry run: what the file is, one line per contact, then the count" \
    test "$out" = "$(printf 'Riconosciuto: esportazione di Cartaflex\ngià presente\tRossi\nnuovo\tBianchi\nDa importare 1 contatti, 1 già presenti.')"
check "dry run writes nothing" cmp -s "$WORK/prog/Contatti.edb" "$WORK/before.edb"

out=$(cli import "$WORK/c.csv"); check "import exits 0" test $? -eq 0
check "import prints the closing count" test "$(tail -1 <<<"$out")" = "Importati 1 contatti, 1 già presenti."
check "new only: two contacts" test "$(cli count)" = 2
cli import --all "$WORK/c.csv" >/dev/null
check "--all imports the duplicates too" test "$(cli count)" = 4

# Exports, whole and of a search result, and back into an empty archive.
out=$(cli export-csv "$WORK/all.csv"); check "export-csv exits 0" test $? -eq 0
check "export-csv says how many" test "$out" = "Esportati 4 contatti nel file all.csv."
check "CSV starts with the BOM and the titles" \
    test "$(head -n 1 "$WORK/all.csv" | tr -d '\r')" = "$(printf '\xef\xbb\xbf')Persona o azienda;Specialità;Indirizzo;Città;Partita IVA;Telefono;Fax;Cellulare;E-mail;Informazioni aggiuntive;Sito Web"
cli export-vcard "$WORK/b.vcf" --search "Persona o azienda" bianchi >/dev/null
check "export-vcard --search: the matching cards only" test "$(grep -c '^BEGIN:VCARD' "$WORK/b.vcf")" = 2
check "the cards are Bianchi's" test "$(grep -c '^FN:Bianchi' "$WORK/b.vcf")" = 2
"$CLI" --folder "$WORK/empty" import "$WORK/b.vcf" >/dev/null
check "the exported cards import into an empty archive" test "$("$CLI" --folder "$WORK/empty" count)" = 1
cli export-csv "$WORK/x.csv" --search Colore rosso 2>/dev/null; check "unknown criterion is a usage error" test $? -eq 2
cli export-vcard 2>/dev/null; check "export-vcard without FILE is a usage error" test $? -eq 2
cli import 2>/dev/null; check "import without FILE is a usage error" test $? -eq 2

# Refusals leave the archive as it was and say why.
cp "$WORK/prog/Contatti.edb" "$WORK/before.edb"
printf 'BEGIN:VCARD\r\nFN:Verdi\r\n' >"$WORK/t.vcf"
cli import "$WORK/t.vcf" 2>"$WORK/err"; check "truncated vCard fails with 1" test $? -eq 1
check "with the reason" grep -q 'non termina con END:VCARD' "$WORK/err"
cli import "$WORK/nothere.csv" 2>"$WORK/err"; check "missing file fails with 1" test $? -eq 1
check "with the file named" grep -q 'Impossibile leggere il file nothere.csv' "$WORK/err"
chmod a-w "$WORK/prog/Contatti.edb" "$WORK/prog"
printf 'Titolo\nNeri\n' >"$WORK/n.csv"
cli import "$WORK/n.csv" >/dev/null 2>"$WORK/err"; check "read-only archive fails with 1" test $? -eq 1
check "and says so" grep -q "protetto da scrittura" "$WORK/err"
chmod u+w "$WORK/prog/Contatti.edb" "$WORK/prog"
check "every refusal left the archive as it was" cmp -s "$WORK/prog/Contatti.edb" "$WORK/before.edb"

check "help lists the commands" bash -c "'$CLI' help | grep -q '^  import FILE \[--all\] \[--dry-run\]$'"
[ "$fails" -eq 0 ] && echo "all transfer command checks passed"
exit "$fails"
