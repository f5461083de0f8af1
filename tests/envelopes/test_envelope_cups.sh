#!/usr/bin/env bash
# Prints one envelope through a real CUPS queue (CUPS-PDF) with `cartaflex-cli envelope
# --printer` and checks that it arrives as one job of one page. (Positions and orientation are
# checked on direct PDF output: after CUPS the page is re-rendered.) Skipped (exit 77) where a
# private cupsd and its queue cannot be set up.
set -u
BUILD=${1:?build folder}
source "$(dirname "$0")/../support/cups_queue.sh"

printf '[Mittente]\r\nTitolo=Studio Rossi\r\n[Stampa Busta]\r\nOrientamento=Orizzontale\r\n' >"$T/folder/Cartaflex.ini"
if ! QT_QPA_PLATFORM=offscreen "$CLI" --folder "$T/folder" envelope --printer "$QUEUE" 2>"$T/log/cli.err"; then
  cat "$T/log/cli.err"
  echo "FAIL: cartaflex-cli envelope --printer $QUEUE failed"
  exit 1
fi
check_cups_output 1 "one envelope"
echo "PASS"
exit 0
