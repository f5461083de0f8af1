#!/usr/bin/env bash
# Files the program may not read: a backup to restore, the archive to back up, list or
# export. Each command fails with the program's message and exit 1, never a crash or a
# hang, and every file is byte for byte as it was, with no temporary file left.
#
# File modes do not bind the superuser, so as root the commands run as the unprivileged
# user "nobody" (through setpriv) in a folder of theirs; the test is skipped when that
# cannot be done.
#
# Usage: test_unreadable_files.sh BUILD_DIR
set -u
BUILD=${1:?build folder}
CLI=$(cd "$BUILD" && pwd)/cartaflex-cli
HERE=$(cd "$(dirname "$0")" && pwd)
source "$HERE/archive_fixture.sh"
[ -x "$CLI" ] || { echo "FAIL: $CLI is missing"; exit 1; }

make_workdir unreadable
# What the unprivileged user made unreadable is made readable again before removal.
trap 'chmod -R u+rwX "$WORK" 2>/dev/null; rm -rf "$WORK"' EXIT
chmod 755 "$WORK"
PROG=$WORK/prog
mkdir -p "$PROG" "$WORK/dest"

as_user=()
if [ "$(id -u)" -eq 0 ]; then
  if ! id nobody >/dev/null 2>&1 || ! command -v setpriv >/dev/null; then
    echo "SKIP: running as root with no unprivileged user or setpriv to drop to"
    exit 77
  fi
  chown -R nobody "$WORK"
  as_user=(setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups --)
  if ! "${as_user[@]}" "$CLI" --folder "$PROG" count >/dev/null 2>&1; then
    echo "SKIP: cartaflex-cli cannot be run as nobody from $CLI (is its folder private?)"
    exit 77
  fi
fi
# run NAME ARGS…: runs cartaflex-cli as the unprivileged user, bounded in time; leaves
# the exit code in $rc and the message in $WORK/NAME.err.
run() {
  local name=$1
  shift
  timeout 30 "${as_user[@]}" "$CLI" --folder "$PROG" "$@" >"$WORK/$name.out" 2>"$WORK/$name.err"
  rc=$?
}
# expect_failure NAME TEXT: exit 1 with TEXT in the message.
expect_failure() {
  [ "$rc" -eq 1 ] || fail "$1: exit $rc, expected 1 ($(head -c 300 "$WORK/$1.err"))"
  grep -q "$2" "$WORK/$1.err" || fail "$1: the message lacks '$2': $(head -c 300 "$WORK/$1.err")"
}

make_archive "$PROG/Contatti.edb" 40
make_archive "$WORK/dest/copia.bkc" 3
[ "$(id -u)" -eq 0 ] && chown nobody "$PROG/Contatti.edb" "$WORK/dest/copia.bkc"
# Today's backup, made while the archive can still be read.
run first-backup backup "$WORK/dest"
[ "$rc" -eq 0 ] || fail "the first backup failed: $(cat "$WORK/first-backup.err")"
TODAY=$(ls "$WORK/dest" | grep -v '^copia\.bkc$')
[ -n "$TODAY" ] || fail "the first backup made no file"
cp "$PROG/Contatti.edb" "$WORK/archive.before"
cp "$WORK/dest/copia.bkc" "$WORK/backup.before"
unchanged() {
  cmp -s "$PROG/Contatti.edb" "$WORK/archive.before" || fail "$1 changed the archive"
  cmp -s "$WORK/dest/copia.bkc" "$WORK/backup.before" || fail "$1 changed a backup"
  cmp -s "$WORK/dest/$TODAY" "$WORK/archive.before" || fail "$1 changed today's backup"
}
no_leftovers() {
  local extra
  extra=$(ls -A "$PROG" "$WORK/dest" | grep -Ev "^(Contatti\.edb|copia\.bkc|$TODAY|[^ ]*:|)\$")
  [ -z "$extra" ] || fail "$1 left files behind: $extra"
}

# A backup the program may not read is not restored: the archive stays as it was.
chmod 000 "$WORK/dest/copia.bkc"
run restore restore "$WORK/dest/copia.bkc"
expect_failure restore "Impossibile effettuare il ripristino"
expect_failure restore "permesso di leggere il file da copiare"
chmod 644 "$WORK/dest/copia.bkc"
unchanged "a refused restore"
no_leftovers "a refused restore"

# An archive the program may not read: backing it up fails and leaves the old backup;
# counting, listing, searching and exporting fail with a message and write nothing.
chmod 000 "$PROG/Contatti.edb"
run backup backup "$WORK/dest" --overwrite
expect_failure backup "Impossibile effettuare il backup"
expect_failure backup "permesso di leggere il file da copiare"
run list list
expect_failure list "."
[ -s "$WORK/list.out" ] && fail "list of an unreadable archive printed records"
run search search "Persona o azienda" Contatto
[ "$rc" -ne 0 ] || fail "search of an unreadable archive succeeded"
run export export-xlsx "$WORK/dest/rubrica.xlsx"
[ "$rc" -eq 1 ] || fail "export of an unreadable archive: exit $rc, expected 1"
[ -e "$WORK/dest/rubrica.xlsx" ] && fail "export of an unreadable archive left a workbook"
run add add "Titolo=Nuovo"
[ "$rc" -eq 1 ] || fail "add to an unreadable archive: exit $rc, expected 1"
chmod 644 "$PROG/Contatti.edb"
unchanged "an unreadable archive"
no_leftovers "an unreadable archive"

echo "unreadable backup and archive: $failures failures"
[ "$failures" -eq 0 ]
