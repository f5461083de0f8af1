#!/bin/bash
# The terminal front end never links Qt Widgets: not among the libraries the program
# itself needs. (Qt's print support, which the terminal prints with, needs the widgets
# library on its own; ldd lists it for that reason only.)
BUILD="$1"
CLI="$BUILD/cartaflex-cli"
[ -x "$CLI" ] || { echo "no $CLI"; exit 1; }
needed=$(readelf -d "$CLI" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
echo "$needed" | grep -q 'libQt6Core' || { echo "cannot read the libraries of $CLI"; exit 1; }
if echo "$needed" | grep -q 'libQt6Widgets'; then
  echo "cartaflex-cli links libQt6Widgets"
  exit 1
fi
# Every library ldd lists with the widgets comes through Qt's print support.
if ldd "$CLI" | grep -q 'libQt6Widgets'; then
  for lib in $(echo "$needed" | grep -v 'libQt6PrintSupport'); do
    path=$(ldd "$CLI" | awk -v l="$lib" '$1 == l { print $3 }')
    [ -n "$path" ] || continue
    if readelf -d "$path" | grep -q 'NEEDED.*libQt6Widgets'; then
      echo "$lib brings libQt6Widgets into cartaflex-cli"
      exit 1
    fi
  done
fi
echo "ok"
