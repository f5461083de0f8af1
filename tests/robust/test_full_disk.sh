#!/usr/bin/env bash
# The writes of cartaflex-cli on a small file system that is full (a tmpfs of a few
# hundred kilobytes): each change fails with the program's message, and the archive, the
# settings file and the existing backup stay byte for byte as they were, with nothing
# left behind. Run with no room at all, with room for one page, and with room for part of
# a copy of the archive.
#
# Usage: test_full_disk.sh BUILD_DIR   (needs the superuser to mount; else skipped)
set -u
BUILD=${1:?build folder}
CLI=$BUILD/cartaflex-cli
HERE=$(cd "$(dirname "$0")" && pwd)
source "$HERE/archive_fixture.sh"
[ -x "$CLI" ] || { echo "FAIL: $CLI is missing"; exit 1; }

if [ "$(id -u)" -ne 0 ]; then
  echo "SKIP: mounting a small file system needs the superuser"
  exit 77
fi
make_workdir fulldisk
DISK=$WORK/disk
mkdir -p "$DISK"
# Room for the archive, the backup of it made below and a full copy of the archive, so that
# every change fits once the filling is removed.
SIZE_KB=1024
if ! mount -t tmpfs -o size=${SIZE_KB}k,mode=755 cartaflex-full "$DISK" 2>"$WORK/mount.err"; then
  echo "SKIP: a tmpfs cannot be mounted here: $(cat "$WORK/mount.err")"
  exit 77
fi
trap 'umount "$DISK"; rm -rf "$WORK"' EXIT


has_command() { "$CLI" help 2>/dev/null | grep -q "^  $1 "; }

# 256 records fill 71 pages exactly, so an appended record needs a page of its own.
RECORDS=256
make_archive "$DISK/Contatti.edb" "$RECORDS"
printf '[Impostazioni Colore]\r\nColore Titolo=255\r\n[Mittente]\r\nTitolo=Studio Rossi\r\n' >"$DISK/Cartaflex.ini"
mkdir -p "$DISK/copie"
BACKUP=
if has_command backup; then
  BACKUP=$("$CLI" --folder "$DISK" backup "$DISK/copie" 2>"$WORK/err" | tail -1)
  [ -f "$BACKUP" ] || fail "the backup before the test failed: $(cat "$WORK/err")"
else
  echo "note: this build has no backup command; backup and restore on a full disk are skipped"
fi
# A second archive to restore from, kept outside the full disk; larger than the most room
# left below (24 pages), so that its copy cannot fit either.
make_archive "$WORK/other.bkc" 120

snapshot() { (cd "$DISK" && find . -path ./riempitivo -prune -o -print | sort && find . -type f ! -name riempitivo -exec sha256sum {} + | sort); }
snapshot >"$WORK/before.txt"

# fill PAGES: fills the disk, then frees PAGES pages of 4 KiB.
fill() {
  rm -f "$DISK/riempitivo"
  dd if=/dev/zero of="$DISK/riempitivo" bs=4096 2>/dev/null
  local size
  size=$(stat -c %s "$DISK/riempitivo")
  truncate -s $((size - $1 * 4096)) "$DISK/riempitivo"
}

# expect_refused MESSAGE ARGS...: the command fails with MESSAGE and changes nothing.
expect_refused() {
  local message=$1
  shift
  "$CLI" --folder "$DISK" "$@" >"$WORK/out" 2>"$WORK/err"
  local status=$?
  if [ "$status" -ne 1 ]; then
    fail "'$*' on a full disk ended with status $status (expected 1): $(cat "$WORK/err")"
  elif [ -n "$message" ] && ! grep -qF "$message" "$WORK/err"; then
    fail "'$*' on a full disk said: $(cat "$WORK/err")"
  elif [ ! -s "$WORK/err" ]; then
    fail "'$*' on a full disk failed without a message"
  fi
  snapshot >"$WORK/after.txt"
  diff -q "$WORK/before.txt" "$WORK/after.txt" >/dev/null ||
    fail "'$*' on a full disk changed the files: $(diff "$WORK/before.txt" "$WORK/after.txt" | head -5)"
  checked=$((checked + 1))
}

SAVE="Il sistema non permette di salvare i dati."
DELETE="Impossibile eliminare la scheda."
checked=0
for free in 0 1 24; do
  fill "$free"
  # With a page of room, a new record fits.
  ((free == 0)) && expect_refused "$SAVE" add Titolo=Pieno Tel=0200
  expect_refused "$SAVE" update 1 Tel=0211
  expect_refused "$SAVE" update $((RECORDS / 2)) Email=pieno@esempio.it
  expect_refused "$SAVE" update "$RECORDS" Citta=Roma
  expect_refused "$DELETE" delete 1
  expect_refused "$DELETE" delete $((RECORDS / 2))
  expect_refused "$DELETE" delete "$RECORDS"
  if [ -n "$BACKUP" ]; then
    has_command restore && expect_refused "" restore "$WORK/other.bkc"
    expect_refused "" backup "$DISK/copie" --overwrite
  fi
done

# With the room back, the same changes go through.
rm -f "$DISK/riempitivo"
"$CLI" --folder "$DISK" update 1 Tel=0211 2>"$WORK/err" || fail "update after freeing the disk failed: $(cat "$WORK/err")"
n=$("$CLI" --folder "$DISK" add Titolo=Libero 2>"$WORK/err") || fail "add after freeing the disk failed: $(cat "$WORK/err")"
[ "$n" = $((RECORDS + 1)) ] || fail "add after freeing the disk gave '$n'"

echo "full disk: $checked refused writes checked, $failures failures"
[ "$failures" -eq 0 ]
