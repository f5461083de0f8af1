#!/usr/bin/env bash
# cartaflex-cli export-xlsx, export-doc, backup and restore, end to end.
set -u
BUILD="$1"
CLI="$BUILD/cartaflex-cli"
command -v unzip >/dev/null || exit 77
WORK=$(mktemp -d)
trap 'chmod -R u+w "$WORK"; rm -rf "$WORK"' EXIT
fails=0
check() {  # description, then the condition as a command
    local what="$1"; shift
    if "$@"; then :; else echo "FAIL: $what"; fails=$((fails + 1)); fi
}
cli() { "$CLI" --folder "$WORK/prog" "$@"; }
mkdir -p "$WORK/prog" "$WORK/dest"

cli add Titolo="Rossi & Figli" Iva=00012345678 Citta="   " >/dev/null
cli add Titolo="Bianchi" Tel="=1+2" >/dev/null

# export-xlsx: a real workbook with the header and both rows.
cli export-xlsx "$WORK/a.xlsx"; check "export-xlsx exits 0" test $? -eq 0
STRICT="$(dirname "$0")/../support/strict_unzip.py"
check "workbook is a sound zip" unzip -tqq "$WORK/a.xlsx"
check "workbook passes a strict reader" python3 "$STRICT" "$WORK/a.xlsx"
sheet=$(unzip -p "$WORK/a.xlsx" xl/worksheets/sheet1.xml)
check "header text" grep -q '<t>Persona o azienda</t>' <<<"$sheet"
check "VAT number kept as text" grep -q '<c r="E2" s="[0-9]*" t="inlineStr"><is><t>00012345678</t>' <<<"$sheet"
check "ampersand escaped" grep -q '<t>Rossi &amp; Figli</t>' <<<"$sheet"
check "formula-looking text stays text" grep -q '<c r="F3" s="[0-9]*" t="inlineStr"><is><t>=1+2</t>' <<<"$sheet"
check "no formula cell" bash -c "! grep -q '<f>' <<<'$sheet'"
"$CLI" --folder "$WORK/prog" export-xlsx "$WORK/missing/a.xlsx" 2>"$WORK/err"; rc=$?
check "export-xlsx to a missing folder fails with 1" test $rc -eq 1
check "with a message" test -s "$WORK/err"
cli export-xlsx 2>/dev/null; check "export-xlsx without FILE is a usage error" test $? -eq 2

# export-doc
cli export-doc 1 "$WORK/s.odt"; check "export-doc exits 0" test $? -eq 0
check "document passes a strict reader" python3 "$STRICT" "$WORK/s.odt"
content=$(unzip -p "$WORK/s.odt" content.xml)
check "sheet heading" grep -q 'SCHEDA DATI PERSONALI' <<<"$content"
check "name heads the sheet" grep -q 'Rossi &amp; Figli' <<<"$content"
check "empty logo embedded" grep -q 'draw:image' <<<"$content"
check "closing line" grep -Eq 'Scheda creata in data [0-9]{2}/[0-9]{2}/[0-9]{4} alle ore [0-9]{2}:[0-9]{2}:[0-9]{2}<' <<<"$content"
cli export-doc 9 "$WORK/x.odt" 2>/dev/null; check "export-doc of a missing record fails" test $? -eq 1
check "and writes nothing" test ! -e "$WORK/x.odt"
cli export-doc zero "$WORK/x.odt" 2>/dev/null; check "export-doc with a bad number is a usage error" test $? -eq 2

# backup: the path on standard output, byte-identical copy.
out=$(cli backup "$WORK/dest"); check "backup exits 0" test $? -eq 0
expected="$WORK/dest/Backup_Contatti_$(date +%-d)_$(date +%-m)_$(date +%Y).bkc"
check "backup prints its path" test "$out" = "$expected"
check "backup is byte-identical" cmp -s "$WORK/prog/Contatti.edb" "$expected"
cli add Titolo="Verdi" >/dev/null
cli backup "$WORK/dest" >/dev/null 2>"$WORK/err"; rc=$?
check "second backup of the day refused" test $rc -eq 1
check "refusal names the existing copy" grep -q 'già presente una copia di backup' "$WORK/err"
check "old backup kept" test "$(stat -c %s "$expected")" -eq $((2 * 1136))
cli backup "$WORK/dest" --overwrite >/dev/null; check "--overwrite replaces it" test $? -eq 0
check "replaced copy" cmp -s "$WORK/prog/Contatti.edb" "$expected"
cli backup "$WORK/nowhere" 2>"$WORK/err" >/dev/null; rc=$?
check "backup into a missing folder fails" test $rc -eq 1
check "with the path message" grep -q 'percorso della cartella di destinazione' "$WORK/err"

# restore
printf 'abc' >"$WORK/small.bkc"
cp "$WORK/prog/Contatti.edb" "$WORK/before.edb"
cli restore "$WORK/dest/nothing.bkc" 2>"$WORK/err"; rc=$?
check "restore of a missing file fails" test $rc -eq 1
check "with the restore's first line" grep -q 'Impossibile effettuare il ripristino' "$WORK/err"
check "archive untouched" cmp -s "$WORK/prog/Contatti.edb" "$WORK/before.edb"
head -c $((1136 * 2)) "$WORK/before.edb" >"$WORK/two.bkc"
cli restore "$WORK/two.bkc"; check "restore exits 0" test $? -eq 0
check "archive is the backup" cmp -s "$WORK/prog/Contatti.edb" "$WORK/two.bkc"
check "count after restore" test "$(cli count)" = 2
check "replaced archive kept beside it" cmp -s "$WORK/prog/Contatti.edb.prima-del-ripristino" "$WORK/before.edb"
check "no temporary file left" test -z "$(ls -A "$WORK/prog" | grep -v -e '^Contatti.edb$' -e '^Contatti.edb.prima-del-ripristino$')"

# A pipe named as the backup is refused at once, never waited on.
mkfifo "$WORK/pipe.bkc"
cp "$WORK/prog/Contatti.edb" "$WORK/before.edb"
timeout 20 "$CLI" --folder "$WORK/prog" restore "$WORK/pipe.bkc" 2>"$WORK/err"; rc=$?
check "restore from a pipe fails with 1, without hanging" test $rc -eq 1
check "restore from a pipe leaves the archive" cmp -s "$WORK/prog/Contatti.edb" "$WORK/before.edb"
check "restore from a pipe leaves no temporary file" test -z "$(ls -A "$WORK/prog" | grep -v -e '^Contatti.edb$' -e '^Contatti.edb.prima-del-ripristino$')"

exit $((fails > 0))
