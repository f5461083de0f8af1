#!/usr/bin/env bash
# A calibrated queue: one card sheet through the private CUPS-PDF queue without
# calibration, then the same sheet after `calibrate QUEUE 10 5` (10 mm right, 5 mm down).
# Both jobs must arrive; where cups-pdf leaves its PDF files, the title of the first card
# must have moved by 10 mm and 5 mm (28.35 and 14.17 points) and no more. A PDF file asked
# for directly is never calibrated. Skipped (exit 77) where the queue cannot be set up.
set -u
BUILD=${1:?build folder}
source "$(dirname "$0")/../support/cups_queue.sh"

# print_sheet NAME: one sheet on the queue; the PDF that lands is copied to $T/NAME.pdf.
print_sheet() {
  local name=$1 before
  before=$(lpstat -W completed -o "$QUEUE" 2>/dev/null | wc -l)
  if ! QT_QPA_PLATFORM=offscreen "$CLI" --folder "$T/folder" cards card03 Titolo=Verdi \
         --printer "$QUEUE" 2>"$T/log/cli.err"; then
    cat "$T/log/cli.err"
    echo "FAIL: cartaflex-cli cards --printer $QUEUE failed ($name)"
    exit 1
  fi
  for _ in $(seq 1 150); do
    [ -z "$(lpstat -o "$QUEUE" 2>/dev/null)" ] && break
    sleep 0.2
  done
  local after
  after=$(lpstat -W completed -o "$QUEUE" 2>/dev/null | wc -l)
  if [ "$after" -ne $((before + 1)) ]; then
    lpstat -W all -o "$QUEUE"
    echo "FAIL: the $name job did not arrive ($before jobs before, $after after)"
    exit 1
  fi
  for _ in $(seq 1 50); do
    f=$(find "$OUT" -maxdepth 1 -name 'Cartaflex*.pdf' -newer "$MARK" 2>/dev/null | head -1)
    if [ -n "$f" ] && pdfinfo "$f" >/dev/null 2>&1; then
      mv "$f" "$T/$name.pdf"
      return
    fi
    sleep 0.2
  done
}

# first_title FILE: "x y" of the first word on the page, the first card's title, in
# points (after CUPS the words keep their places but not their letters).
first_title() {
  pdftotext -bbox "$1" - 2>/dev/null |
    sed -n 's/.*<word xMin="\([0-9.]*\)" yMin="\([0-9.]*\)".*/\1 \2/p' | head -1
}

direct_pdf() {
  QT_QPA_PLATFORM=offscreen "$CLI" --folder "$T/folder" cards card03 Titolo=Verdi \
    --pdf "$T/$1.pdf" 2>"$T/log/cli.err" || { cat "$T/log/cli.err"; echo "FAIL: --pdf"; exit 1; }
}

direct_pdf direct-before
print_sheet plain
if ! "$CLI" --folder "$T/folder" calibrate "$QUEUE" 10 5 >"$T/log/calibrate.out" 2>&1; then
  cat "$T/log/calibrate.out"
  echo "FAIL: calibrate $QUEUE 10 5 refused"
  exit 1
fi
print_sheet shifted

# The same sheet to a PDF file of its own stays where the layout puts it.
direct_pdf direct-after
BEFORE=$(first_title "$T/direct-before.pdf")
AFTER=$(first_title "$T/direct-after.pdf")
if [ -z "$BEFORE" ] || [ "$BEFORE" != "$AFTER" ]; then
  echo "FAIL: a PDF file was calibrated (title at '$BEFORE' before, '$AFTER' after)"
  exit 1
fi

if [ ! -f "$T/plain.pdf" ] || [ ! -f "$T/shifted.pdf" ]; then
  echo "both jobs arrived; cups-pdf left no PDF file in $OUT, the shift is not measured"
  echo "PASS"
  exit 0
fi
read -r PX PY <<<"$(first_title "$T/plain.pdf")"
read -r SX SY <<<"$(first_title "$T/shifted.pdf")"
echo "title of the first card: plain $PX,$PY  calibrated $SX,$SY  direct PDF $AFTER (points)"
if [ -z "${PX:-}" ] || [ -z "${SX:-}" ]; then
  echo "FAIL: the title was not found in the output"
  exit 1
fi
awk -v px="$PX" -v py="$PY" -v sx="$SX" -v sy="$SY" 'BEGIN {
  dx = sx - px; dy = sy - py
  printf "shift: %.2f pt right, %.2f pt down (expected 28.35 and 14.17)\n", dx, dy
  exit !(dx > 27.35 && dx < 29.35 && dy > 13.17 && dy < 15.17)
}' || { echo "FAIL: the calibration did not move the sheet by 10 mm and 5 mm"; exit 1; }
"$CLI" --folder "$T/folder" calibrate "$QUEUE" >"$T/log/calibrate.out" 2>&1
grep -q "10" "$T/log/calibrate.out" || { cat "$T/log/calibrate.out"; echo "FAIL: calibration not kept"; exit 1; }
echo "PASS"
exit 0
