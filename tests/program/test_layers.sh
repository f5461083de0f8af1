#!/bin/bash
# The layers hold: every include arrow between the top folders runs down the folders'
# order (into the shared window kit excepted), and the logic library compiles with
# neither Qt Widgets nor Qt's print support on its include path.
BUILD="$1"
SOURCE="$(cd "$(dirname "$0")/../.." && pwd)"
python3 "$SOURCE/tools/include_graph" --check "$SOURCE" || { echo "an include arrow runs up"; exit 1; }
COMMANDS="$BUILD/compile_commands.json"
[ -f "$COMMANDS" ] || { echo "no $COMMANDS"; exit 77; }
python3 - "$COMMANDS" <<'PY'
import json, sys
entries = [e for e in json.load(open(sys.argv[1])) if "cartaflex_core.dir" in e.get("command", "")]
if not entries:
    sys.exit("no compile line of cartaflex_core")
bad = [e["file"] for e in entries
       if any(word in e["command"] for word in ("QtWidgets", "QtPrintSupport", "QT_WIDGETS_LIB"))]
if bad:
    sys.exit("the logic sees the widgets or the print support: " + ", ".join(bad[:5]))
print(f"{len(entries)} logic files compile without widgets and print support")
PY
