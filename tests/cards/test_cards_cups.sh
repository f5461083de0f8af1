#!/usr/bin/env bash
# Prints two card sheets through a real CUPS queue (CUPS-PDF) with `cartaflex-cli cards
# --printer` and checks that they arrive as PDF output with two pages in all. Skipped
# (exit 77) where a private cupsd and its queue cannot be set up.
set -u
BUILD=${1:?build folder}
source "$(dirname "$0")/../support/cups_queue.sh"

if ! QT_QPA_PLATFORM=offscreen "$CLI" --folder "$T/folder" cards card03 --pages 2 \
       Titolo=Verdi --printer "$QUEUE" 2>"$T/log/cli.err"; then
  cat "$T/log/cli.err"
  echo "FAIL: cartaflex-cli cards --printer $QUEUE failed"
  exit 1
fi
check_cups_output 2 "one per sheet"
echo "PASS"
exit 0
