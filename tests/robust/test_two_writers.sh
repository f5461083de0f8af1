#!/usr/bin/env bash
# Three cartaflex-cli writers change the same archive at the same time (each rewrites its
# own field of the same record and appends records of its own) while a reader lists the
# archive over and over. No update may be lost, no record torn, and the reader never
# waits for a writer nor sees a half-made archive.
#
# Usage: test_two_writers.sh BUILD_DIR
set -u
BUILD=${1:?build folder}
CLI=$BUILD/cartaflex-cli
HERE=$(cd "$(dirname "$0")" && pwd)
source "$HERE/archive_fixture.sh"
[ -x "$CLI" ] || { echo "FAIL: $CLI is missing"; exit 1; }

make_workdir writers

DIR=$WORK/folder
mkdir -p "$DIR"
BASE=300
ROUNDS=${WRITER_ROUNDS:-25}
make_archive "$DIR/Contatti.edb" "$BASE"
"$CLI" --folder "$DIR" list >"$WORK/original.txt"

# writer NAME FIELD: ROUNDS times, sets FIELD of record 1 to NAME<i> and appends NAME_<i>.
writer() {
  local name=$1 field=$2 i
  for ((i = 1; i <= ROUNDS; i++)); do
    "$CLI" --folder "$DIR" update 1 "$field=$name$i" 2>>"$WORK/$name.err" || echo "update $i failed" >>"$WORK/$name.err"
    "$CLI" --folder "$DIR" add "Titolo=${name}_$i" "Informazioni=di $name" >/dev/null 2>>"$WORK/$name.err" ||
      echo "add $i failed" >>"$WORK/$name.err"
  done
}

writer A Tel &
pa=$!
writer B Fax &
pb=$!
writer C Cel &
pc=$!

# The reader: every listing must be whole, with the original records untouched.
reads=0 slowest=0
while kill -0 "$pa" 2>/dev/null || kill -0 "$pb" 2>/dev/null || kill -0 "$pc" 2>/dev/null; do
  t0=$(now_ms)
  if ! "$CLI" --folder "$DIR" list >"$WORK/read.txt" 2>"$WORK/read.err"; then
    fail "a listing failed while the writers ran: $(cat "$WORK/read.err")"
    break
  fi
  t=$(($(now_ms) - t0))
  ((t > slowest)) && slowest=$t
  reads=$((reads + 1))
  [ -s "$WORK/read.err" ] && fail "a listing warned: $(cat "$WORK/read.err")"
  # Records 2 … BASE are never changed by the writers.
  if ! diff -q <(sed -n "2,${BASE}p" "$WORK/read.txt") <(sed -n "2,${BASE}p" "$WORK/original.txt") >/dev/null; then
    fail "a listing showed changed or torn original records"
  fi
  # Every line has its number and fourteen fields; the numbers run 1, 2, 3, …
  awk -F'\t' 'NF != 15 || $1 != NR { bad = 1 } END { exit bad }' "$WORK/read.txt" ||
    fail "a listing has a malformed line"
done
wait "$pa" "$pb" "$pc"

for w in A B C; do
  [ -s "$WORK/$w.err" ] && fail "writer $w: $(head -3 "$WORK/$w.err")"
done

"$CLI" --folder "$DIR" list >"$WORK/final.txt"
total=$(wc -l <"$WORK/final.txt")
[ "$total" -eq $((BASE + 3 * ROUNDS)) ] || fail "the archive holds $total records, expected $((BASE + 3 * ROUNDS))"
for w in A B C; do
  for ((i = 1; i <= ROUNDS; i++)); do
    n=$(awk -F'\t' -v t="${w}_$i" '$2 == t' "$WORK/final.txt" | wc -l)
    [ "$n" -eq 1 ] || fail "record ${w}_$i appears $n times"
  done
done
# Record 1 carries the last value of each writer: no update was lost.
first=$(head -1 "$WORK/final.txt")
IFS=$'\t' read -r -a f <<<"$first"
[ "${f[6]}" = "A$ROUNDS" ] || fail "record 1 Tel is '${f[6]}', expected A$ROUNDS"
[ "${f[7]}" = "B$ROUNDS" ] || fail "record 1 Fax is '${f[7]}', expected B$ROUNDS"
[ "${f[8]}" = "C$ROUNDS" ] || fail "record 1 Cel is '${f[8]}', expected C$ROUNDS"
[ -e "$DIR/Archivio.tmp" ] && fail "Archivio.tmp was left behind"
[ -e "$DIR/Contatti.edb.lock" ] && fail "the lock file was left behind"

echo "three writers: $((6 * ROUNDS)) changes, $reads listings meanwhile (slowest $slowest ms), $failures failures"
[ "$failures" -eq 0 ]
