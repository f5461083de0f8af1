#!/usr/bin/env bash
# cartaflex-cli sync-setup and sync against a real CardDAV server: a Radicale started here
# on 127.0.0.1 on a free port, with a password file and its own storage folder. A second
# client changes the server's side with plain WebDAV requests (curl). Skipped (77) only
# where radicale, htpasswd or curl is missing.
set -u
BUILD="$1"
CLI="$BUILD/cartaflex-cli"
skip() { echo "SKIP: $*"; exit 77; }
for tool in radicale htpasswd curl python3; do
    command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed"
done
[ -x "$CLI" ] || { echo "FAIL: $CLI not built"; exit 1; }
# No desktop keyring here: the password comes from standard input.
unset DBUS_SESSION_BUS_ADDRESS

W=$(mktemp -d)
RPID=""
stop_server() { [ -n "$RPID" ] && kill -9 "$RPID" 2>/dev/null && wait "$RPID" 2>/dev/null; RPID=""; }
trap 'stop_server; rm -rf "$W"' EXIT
PORT=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
. "$(dirname "$0")/radicale.sh"
start_server() { radicale_start http; RPID=$RADICALE_PID; }
start_server
SERVER="http://127.0.0.1:$PORT"
BOOK="$SERVER/anna/rubrica/"
STORE="$W/store/collection-root/anna/rubrica"
dav() { curl -s -u anna:segreta "$@"; }
dav -X MKCOL "$BOOK" -o /dev/null --data '<?xml version="1.0"?><D:mkcol xmlns:D="DAV:" xmlns:C="urn:ietf:params:xml:ns:carddav"><D:set><D:prop><D:resourcetype><D:collection/><C:addressbook/></D:resourcetype><D:displayname>Ufficio</D:displayname></D:prop></D:set></D:mkcol>'

fails=0
check() {
    local what="$1"; shift
    if "$@"; then :; else echo "FAIL: $what"; fails=$((fails + 1)); fi
}
cli() { "$CLI" --folder "$W/prog" "$@"; }
# sync with the password on standard input, then ANSWER (the deletion guard's answer).
sync() { printf 'segreta\n%s' "${ANSWER:-}" | cli sync --password-stdin "$@" 2>"$W/err"; }
# The second client: a card NAME with the lines given, as UID.vcf.
put_card() {
    local uid="$1" name="$2"; shift 2
    { printf 'BEGIN:VCARD\r\nVERSION:3.0\r\nUID:%s\r\nFN:%s\r\nN:%s;;;;\r\n' "$uid" "$name" "$name"
      for l in "$@"; do printf '%s\r\n' "$l"; done
      printf 'END:VCARD\r\n'; } >"$W/card.vcf"
    dav -X PUT -H 'Content-Type: text/vcard' --data-binary @"$W/card.vcf" "$BOOK$uid.vcf" -o /dev/null
}
# The second client edits the card of NAME where it is, with a sed expression.
edit_card() {
    local f
    f=$(card_of "$1")
    sed "$2" "$f" >"$W/edit.vcf"
    dav -X PUT -H 'Content-Type: text/vcard' --data-binary @"$W/edit.vcf" "$BOOK$(basename "$f")" -o /dev/null
}
cards() { find "$STORE" -maxdepth 1 -name '*.vcf' | wc -l; }
card_of() { grep -l "^FN:$1" "$STORE"/*.vcf 2>/dev/null | head -1; }
field() { cli show "$1" | sed -n "s/^$2=//p"; }
number_of() { cli list | awk -F'\t' -v n="$1" '$2 == n { print $1 }'; }
mkdir -p "$W/prog"

# Set-up: a wrong password and a wrong address are refused; discovery from the server's
# address finds the address book.
printf 'sbagliata\n' | cli sync-setup "$SERVER/" anna >/dev/null 2>"$W/err"
check "wrong password: exit 1" test $? -eq 1
check "wrong password: said so" grep -q "non accetta il nome utente o la password" "$W/err"
printf 'segreta\n' | cli sync-setup "http://127.0.0.1:1/" anna >/dev/null 2>"$W/err"
check "no server there: exit 1" test $? -eq 1
check "no server there: the host named" grep -q "Impossibile raggiungere il server 127.0.0.1" "$W/err"
printf 'segreta\n' | cli sync-setup "$SERVER/anna/nessuna/" anna >/dev/null 2>"$W/err"
check "wrong address: exit 1" test $? -eq 1
out=$(printf 'segreta\n' | cli sync-setup "$SERVER/" anna 2>"$W/err")
check "set-up found the address book" test "$out" = "$(printf '%s\tUfficio' "$BOOK")"
check "plain http was warned about" grep -q "non è cifrato" "$W/err"
check "no keyring: said so" grep -q "portachiavi" "$W/err"
check "the password is in no file" bash -c "! grep -rq segreta '$W/prog'"
check "settings in a section of their own" grep -q '^\[Rubrica condivisa\]' "$W/prog/Cartaflex.ini"
cli sync >/dev/null 2>"$W/err"
check "sync without keyring or --password-stdin: exit 1" test $? -eq 1

# First sync, both ways, with an overlap linked and not doubled.
cli add Titolo=Rossi Citta=Roma Tel="06 1" >/dev/null
cli add Titolo=Bianchi Citta=Milano >/dev/null
put_card rossi Rossi "ADR;TYPE=WORK:;;;Roma;;;" "TEL;TYPE=WORK,VOICE:06 1" "BDAY:1970-01-01" "X-ALTRO:tenere" "TEL;TYPE=HOME:06 999"
put_card verdi Verdi "ADR;TYPE=WORK:;;;Napoli;;;"
out=$(sync); check "first sync: exit 0" test $? -eq 0
check "first sync: Bianchi sent" grep -q "$(printf '^server\taggiunto\tBianchi$')" <<<"$out"
check "first sync: Verdi received" grep -q "$(printf '^archivio\taggiunto\tVerdi$')" <<<"$out"
check "first sync: summary" test "$(tail -1 <<<"$out")" = "Sincronizzazione terminata: ricevuti 1, inviati 1, eliminati 0, conflitti 0."
check "first sync: three contacts in the archive" test "$(cli count)" = 3
check "first sync: three cards on the server" test "$(cards)" = 3
out=$(sync); check "nothing changed: nothing done" test "$out" = "Sincronizzazione terminata: ricevuti 0, inviati 0, eliminati 0, conflitti 0."

# A change on each side; the server card keeps what the archive does not hold.
cli update "$(number_of Rossi)" Tel="06 2" Email=r@x.it >/dev/null
put_card verdi Verdi "ADR;TYPE=WORK:;;;Napoli;;;" "TEL;TYPE=CELL:333"
out=$(sync); check "changes both ways: exit 0" test $? -eq 0
check "Rossi sent" grep -q "$(printf '^server\tmodificato\tRossi$')" <<<"$out"
check "Verdi received" test "$(field "$(number_of Verdi)" Cel)" = 333
rossi=$(card_of Rossi)
check "the server card has the new number" grep -q "^TEL.*WORK.*:06 2" "$rossi"
check "and the new e-mail" grep -q "^EMAIL.*:r@x.it" "$rossi"
for kept in "UID:rossi" "BDAY:1970-01-01" "X-ALTRO:tenere" "TEL.*HOME.*:06 999"; do
    check "unknown property kept: $kept" grep -q "^$kept" "$rossi"
done

# Deletions ask first when they are many for the side (one of three is more than a fifth);
# no yes changes nothing.
dav -X DELETE "${BOOK}verdi.vcf" -o /dev/null
cp "$W/prog/Contatti.edb" "$W/before.edb"
sync >/dev/null; check "deletion without a yes: exit 1" test $? -eq 1
check "the question was asked" grep -q "eliminerebbe 1 contatti dall'archivio" "$W/err"
check "no yes: archive as it was" cmp -s "$W/prog/Contatti.edb" "$W/before.edb"
out=$(ANSWER=s sync); check "deleted on the server: exit 0" test $? -eq 0
check "Verdi deleted from the archive" grep -q "$(printf '^archivio\teliminato\tVerdi$')" <<<"$out"
check "two left" test "$(cli count)" = 2
cli delete "$(number_of Bianchi)" >/dev/null
out=$(ANSWER=s sync); check "deleted in the archive: exit 0" test $? -eq 0
check "Bianchi deleted from the server" test -z "$(card_of Bianchi)"

# Changed on both sides: named, left alone, then settled with --prefer.
cli add Titolo=Neri Citta=Torino >/dev/null
sync >/dev/null
cli update "$(number_of Rossi)" Tel="06 3" >/dev/null
put_card rossi Rossi "ADR;TYPE=WORK:;;;Roma;;;" "TEL;TYPE=WORK,VOICE:06 4"
out=$(sync); check "conflict: exit 1" test $? -eq 1
check "conflict: Rossi named" grep -q "$(printf 'cambiato da entrambe le parti\tRossi')" "$W/err"
check "conflict: archive kept its version" test "$(field "$(number_of Rossi)" Tel)" = "06 3"
check "conflict: server kept its version" grep -q "06 4" "$(card_of Rossi)"
out=$(sync); check "conflict stays a conflict" test $? -eq 1
out=$(sync --prefer server); check "--prefer server: exit 0" test $? -eq 0
check "--prefer server: archive has the server's" test "$(field "$(number_of Rossi)" Tel)" = "06 4"

# Deleted on one side, changed on the other: the change wins.
edit_card Neri 's/^END:VCARD/NOTE:cambiato\nEND:VCARD/'
cli delete "$(number_of Neri)" >/dev/null
out=$(ANSWER=s sync); check "delete vs change: exit 0" test $? -eq 0
check "delete vs change: Neri back in the archive" test "$(field "$(number_of Neri)" Informazioni)" = cambiato
cli update "$(number_of Neri)" Tel=011 >/dev/null
dav -X DELETE "$BOOK$(basename "$(card_of Neri)")" -o /dev/null
out=$(ANSWER=s sync); check "change vs delete: exit 0" test $? -eq 0
check "change vs delete: Neri back on the server" grep -q "011" "$(card_of Neri)"

# A card changed between the listing and the write: 412, a conflict, never overwritten.
# The deletion guard's question is the moment between the two.
cli add Titolo=Gialli Citta=Bari >/dev/null
cli add Titolo=Blu Citta=Pisa >/dev/null
sync >/dev/null
cli update "$(number_of Rossi)" Tel="06 5" >/dev/null
dav -X DELETE "$BOOK$(basename "$(card_of Gialli)")" -o /dev/null
rossi=$(basename "$(card_of Rossi)")
rm -f "$W/err"
{ printf 'segreta\n'
  for _ in $(seq 100); do grep -q "(s/n)" "$W/err" 2>/dev/null && break; sleep 0.1; done
  edit_card Rossi 's/06 4/06 6/'
  printf 's\n'; } | cli sync --password-stdin >/dev/null 2>"$W/err"
check "412: reported as a conflict (exit 1)" test $? -eq 1
check "412: Rossi named" grep -q "$(printf 'cambiato da entrambe le parti\tRossi')" "$W/err"
check "412: the other client's change stands" grep -q "06 6" "$STORE/$rossi"
check "412: the archive keeps its change" test "$(field "$(number_of Rossi)" Tel)" = "06 5"
check "412: the rest was done" test -z "$(number_of Gialli)"
out=$(sync --prefer local); check "412 then --prefer local: exit 0" test $? -eq 0
check "412 then --prefer local: sent" grep -q "06 5" "$STORE/$rossi"

# The server killed in the middle of a long sync; the next sync finishes, no duplicates.
python3 -c 'print("Titolo;Citta"); [print(f"Ditta {i};Como") for i in range(300)]' >"$W/many.csv"
cli import "$W/many.csv" >/dev/null
sync >"$W/out" &
SPID=$!
for _ in $(seq 300); do [ "$(cards)" -ge 40 ] && break; sleep 0.02; done
stop_server
wait "$SPID"; check "server killed: exit 1" test $? -eq 1
check "server killed: said so" grep -q "Impossibile raggiungere" "$W/err"
start_server
out=$(sync); check "after the kill: exit 0" test $? -eq 0
check "after the kill: every contact once on the server" test "$(cards)" = "$(cli count)"
check "after the kill: nothing doubled in the archive" test "$(cli count)" = 303

# The state file lost: contacts are matched by content, nothing is doubled.
rm "$W/prog/Contatti.sync"
out=$(sync); check "state lost: exit 0" test $? -eq 0
check "state lost: nothing to do" test "$out" = "Sincronizzazione terminata: ricevuti 0, inviati 0, eliminati 0, conflitti 0."
check "state lost: still one card each" test "$(cards)" = 303

# A restored backup: what was added since comes back from the server, nothing is deleted.
mkdir -p "$W/bak"
backup=$(cli backup "$W/bak")
cli add Titolo=Viola Citta=Lecce >/dev/null
sync >/dev/null
cli restore "$backup" >/dev/null
out=$(sync); check "restored backup: exit 0" test $? -eq 0
check "restored backup: Viola back from the server" grep -q "$(printf '^archivio\taggiunto\tViola$')" <<<"$out"
check "restored backup: nothing deleted on the server" test "$(cards)" = 304

# --dry-run lists and changes nothing.
cli add Titolo=Rosa Citta=Asti >/dev/null
cp "$W/prog/Contatti.edb" "$W/before.edb"
out=$(sync --dry-run); check "--dry-run: exit 0" test $? -eq 0
check "--dry-run: lists the change" grep -q "$(printf '^server\taggiunto\tRosa$')" <<<"$out"
check "--dry-run: the server untouched" test "$(cards)" = 304

[ "$fails" -eq 0 ] && echo "all sync checks passed"
[ "$fails" -eq 0 ]
