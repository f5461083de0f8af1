#!/usr/bin/env bash
# Short, bounded fuzzing of the parsers: the record decoder, the settings reader, the margin
# text, the VAT check, the search key, the logo loader and the CSV and vCard readers and
# the WebDAV multistatus reader.
# Every input that once failed is replayed first; then each target runs for a few seconds
# over its seed corpus (copied, so the repository is not changed). Exit 77 where clang with libFuzzer cannot be had.
set -u
BUILD="$1"
SRC="$(cd "$(dirname "$0")/../.." && pwd)"
SECONDS_PER_TARGET="${FUZZ_SECONDS:-8}"

if ! command -v clang++ >/dev/null 2>&1; then
  if [ "$(id -u)" -eq 0 ]; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends clang \
      libclang-rt-14-dev >/dev/null 2>&1 ||
      DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends clang >/dev/null 2>&1
  fi
fi
if ! command -v clang++ >/dev/null 2>&1; then
  echo "SKIP: clang++ is not installed and cannot be installed here"
  exit 77
fi

OUT="$BUILD/fuzz"
mkdir -p "$BUILD"
if ! cmake -S "$SRC/fuzz" -B "$OUT" -G Ninja -DCMAKE_CXX_COMPILER=clang++ >"$OUT.configure.log" 2>&1; then
  cat "$OUT.configure.log"
  echo "SKIP: the fuzz targets cannot be configured with clang here"
  exit 77
fi
if ! ninja -C "$OUT" -j2 >"$OUT.build.log" 2>&1; then
  if grep -q -E 'libclang_rt.fuzzer|cannot find .*fuzzer' "$OUT.build.log"; then
    echo "SKIP: clang is here but its libFuzzer runtime is not"
    exit 77
  fi
  tail -30 "$OUT.build.log"
  echo "FAIL: the fuzz targets do not build"
  exit 1
fi

export QT_QPA_PLATFORM=offscreen
WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
total=0
failed=0
passed=0
for target in fuzz_record fuzz_settings fuzz_margin fuzz_vat fuzz_search fuzz_picture fuzz_csv fuzz_vcard fuzz_multistatus; do
  bin="$OUT/$target"
  if [ ! -x "$bin" ]; then
    echo "FAIL: $target was not built"
    failed=$((failed + 1))
    continue
  fi
  regressions=("$SRC/fuzz/regressions/$target"/*)
  if [ -e "${regressions[0]}" ]; then
    if ! "$bin" "${regressions[@]}" >"$WORK/$target.replay.log" 2>&1; then
      tail -20 "$WORK/$target.replay.log"
      echo "FAIL: $target fails on a kept regression input"
      failed=$((failed + 1))
      continue
    fi
  fi
  mkdir -p "$WORK/$target"
  cp -r "$SRC/fuzz/corpus/$target/." "$WORK/$target/" 2>/dev/null
  if "$bin" -seed=1 -max_total_time="$SECONDS_PER_TARGET" -print_final_stats=1 -artifact_prefix="$WORK/" \
      "$WORK/$target" >"$WORK/$target.log" 2>&1; then
    runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$WORK/$target.log" | grep -o '[0-9]*$')
    runs=${runs:-0}
    total=$((total + runs))
    echo "$target: $runs executions, no failure"
    passed=$((passed + 1))
  else
    tail -30 "$WORK/$target.log"
    echo "FAIL: $target found a failing input (kept in $WORK, add it to fuzz/regressions/$target)"
    failed=$((failed + 1))
  fi
done
echo "fuzzing: $total executions in all"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
