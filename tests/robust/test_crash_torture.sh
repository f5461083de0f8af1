#!/usr/bin/env bash
# Crash torture of every change of the archive: each cartaflex-cli write (add, update and
# delete of the first, a middle and the last record, restore of a backup, import of a
# contacts file) is killed with SIGKILL at random moments. After every kill the archive
# must be byte for byte the archive of before or the archive of after the change, a reader
# must read it, and what the killed program left behind (Archivio.tmp, its lock file) must
# not stop or spoil the next change. Prints the number of kills and of torn archives
# (which must be 0).
#
# Usage: test_crash_torture.sh BUILD_DIR
# TORTURE_RECORDS (default 4000), TORTURE_KILLS (kills per operation, default 60) and
# TORTURE_SEED (to replay a run) may be set in the environment.
set -u
BUILD=${1:?build folder}
CLI=$BUILD/cartaflex-cli
HERE=$(cd "$(dirname "$0")" && pwd)
source "$HERE/archive_fixture.sh"
[ -x "$CLI" ] || { echo "FAIL: $CLI is missing"; exit 1; }

make_workdir torture

RECORDS=${TORTURE_RECORDS:-4000}
KILLS=${TORTURE_KILLS:-60}
SEED=${TORTURE_SEED:-$(date +%s)}
RANDOM=$SEED
echo "crash torture: $RECORDS records, $KILLS kills per operation, seed $SEED"

DIR=$WORK/folder
mkdir -p "$DIR"
ARCHIVE=$DIR/Contatti.edb
make_archive "$WORK/before.edb" "$RECORDS"
# A backup that differs from the archive: fewer records, and the last one changed.
make_archive "$WORK/backup.bkc" $((RECORDS - 700))

MIDDLE=$((RECORDS / 2))
OPS=(
  "add Titolo=Nuovo_contatto Tel=02_1234567 Citta=Torino"
  "update 1 Tel=0611111"
  "update $MIDDLE Email=nuova@esempio.it Informazioni=cambiata"
  "update $RECORDS Citta=Roma"
  "delete 1"
  "delete $MIDDLE"
  "delete $RECORDS"
)
# Contacts to import: half of them already in the archive (same Partita IVA), half new.
{
  printf 'Titolo;Iva;Tel\r\n'
  for ((i = RECORDS / 2; i < RECORDS + RECORDS / 2; i++)); do printf 'Importato %d;%011d;06 %d\r\n' "$i" "$i" "$i"; done
} >"$WORK/contatti.csv"
if "$CLI" help 2>/dev/null | grep -q '^  import '; then
  OPS+=("import $WORK/contatti.csv")
fi
if "$CLI" help 2>/dev/null | grep -q '^  restore '; then
  OPS+=("restore $WORK/backup.bkc")
else
  echo "note: this build has no restore command; its torture is skipped"
fi

# A failure also shows what the program folder held.
fail_details() {
  ls -la --time-style=+%T.%N "$DIR" | sed 's/^/    /'
  for f in "$DIR"/*.lock*; do [ -f "$f" ] && echo "    $f: $(tr '\n' ' ' <"$f")"; done
}

# Time of a run that changes nothing: what the program needs to start and stop.
cp "$WORK/before.edb" "$ARCHIVE"
idle_ms=1000000
for i in 1 2 3; do
  t0=$(now_ms)
  "$CLI" --folder "$DIR" count >/dev/null 2>&1
  t=$(($(now_ms) - t0))
  ((t < idle_ms)) && idle_ms=$t
done

total_kills=0
total_torn=0
total_runs=0
stale_starts=0
for op in "${OPS[@]}"; do
  # The archive of after, from runs left alone; the fastest gives the run's length.
  op_ms=1000000
  for i in 1 2 3; do
    cp "$WORK/before.edb" "$ARCHIVE"
    t0=$(now_ms)
    # shellcheck disable=SC2086
    if ! "$CLI" --folder "$DIR" $op >/dev/null 2>"$WORK/err"; then
      fail "'$op' failed when left alone: $(cat "$WORK/err")"
      continue 2
    fi
    t=$(($(now_ms) - t0))
    ((t < op_ms)) && op_ms=$t
  done
  cp "$ARCHIVE" "$WORK/after.edb"
  if cmp -s "$WORK/before.edb" "$WORK/after.edb"; then
    fail "'$op' did not change the archive"
    continue
  fi
  [ -e "$DIR/Archivio.tmp" ] && fail "'$op' left Archivio.tmp behind"

  # Kill moments from half the start-up time to the end of the run, so that many kills
  # fall while the change is being written.
  lo=$((idle_ms / 2))
  hi=$((op_ms > lo ? op_ms : lo + 1))
  old=0 new=0 torn=0 killed=0 finished=0
  for ((k = 1; k <= KILLS; k++)); do
    cp "$WORK/before.edb" "$ARCHIVE"
    # What an earlier kill left behind stays where it is: the next run must cope.
    if [ -e "$DIR/Archivio.tmp" ] || [ -e "$ARCHIVE.lock" ]; then stale_starts=$((stale_starts + 1)); fi
    delay=$((lo + (RANDOM * 32768 + RANDOM) % (hi - lo + 1)))
    # shellcheck disable=SC2086
    "$CLI" --folder "$DIR" $op >/dev/null 2>"$WORK/err" &
    pid=$!
    sleep "$(printf '0.%03d' "$delay")"
    kill -KILL "$pid" 2>/dev/null
    wait "$pid"
    status=$?
    total_runs=$((total_runs + 1))
    if [ "$status" -eq 137 ]; then
      killed=$((killed + 1))
    elif [ "$status" -eq 0 ]; then
      finished=$((finished + 1))
    else
      fail "'$op' ended with status $status: $(cat "$WORK/err")"
    fi
    if cmp -s "$ARCHIVE" "$WORK/before.edb"; then
      old=$((old + 1))
      [ "$status" -eq 0 ] && fail "'$op' reported success but the archive is unchanged"
    elif cmp -s "$ARCHIVE" "$WORK/after.edb"; then
      new=$((new + 1))
    else
      torn=$((torn + 1))
      cp "$ARCHIVE" "$WORK/torn-$total_torn.edb"
      fail "'$op' killed after ${delay} ms left a torn archive ($(stat -c %s "$ARCHIVE") bytes)"
    fi
    # Every few kills, a reader on what was left: whole records only, no leftover read.
    if ((k % 5 == 0)); then
      expected=$(($(stat -c %s "$ARCHIVE") / 1136))
      got=$("$CLI" --folder "$DIR" count 2>"$WORK/err")
      [ "$got" = "$expected" ] || fail "count after a kill gave '$got', expected $expected"
      [ -s "$WORK/err" ] && fail "count after a kill warned: $(cat "$WORK/err")"
    fi
  done
  total_kills=$((total_kills + killed))
  total_torn=$((total_torn + torn))
  printf '  %-62s kills %3d, finished %3d: old %3d, new %3d, torn %d\n' "$op" "$killed" "$finished" "$old" "$new" "$torn"
done

# The leftovers of the last kill are cleared by the next change and never read.
cp "$WORK/before.edb" "$ARCHIVE"
"$CLI" --folder "$DIR" update 2 Fax=0299 >/dev/null 2>"$WORK/err" || fail "a change after the kills failed: $(cat "$WORK/err")"
[ -e "$DIR/Archivio.tmp" ] && fail "Archivio.tmp survived a later change"
[ -e "$ARCHIVE.lock" ] && fail "the lock file survived a later change"
[ "$("$CLI" --folder "$DIR" count)" = "$RECORDS" ] || fail "the archive lost records"

echo "crash torture: $total_runs runs, $total_kills kills, $total_torn torn archives, $stale_starts runs began beside a killed run's leftovers"
[ "$total_kills" -ge $((${#OPS[@]} * KILLS / 3)) ] || fail "too few runs were killed mid-way ($total_kills)"
if [ "$failures" -gt 0 ]; then
  echo "crash torture: $failures failures"
  exit 1
fi
exit 0
