# Shared by the robustness scripts: their scratch folder and failure count, and archives
# of distinct records built without the program, byte for byte in the file format (ASCII
# values, blank-filled to each width).

# make_workdir NAME: $WORK, a fresh /tmp/cartaflex-NAME.XXXXXX removed when the script
# ends, with a private runtime folder; the program runs offscreen.
make_workdir() {
  export QT_QPA_PLATFORM=offscreen
  WORK=$(mktemp -d "/tmp/cartaflex-$1.XXXXXX")
  export XDG_RUNTIME_DIR=$WORK/runtime
  mkdir -p -m 700 "$XDG_RUNTIME_DIR"
  trap 'rm -rf "$WORK"' EXIT
}

# fail MESSAGE: reports a failure and counts it in $failures; a script that defines
# fail_details has it print what helps the diagnosis.
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
  if declare -F fail_details >/dev/null; then fail_details; fi
}

# One record: every field names its record number, so no two records are alike.
record_bytes() {
  local n=$1 iva
  printf -v iva '%011d' "$n"
  printf '%-30.30s%-30.30s%-40.40s%-40.40s%-11.11s%-20.20s%-20.20s%-20.20s%-40.40s%-60.60s%-60.60s%-255.255s%-255.255s%-255.255s' \
    "Contatto $n" "Specialita $n" "Via Roma $n" "20100 Milano" "$iva" \
    "02 $n" "" "333 $n" "c$n@esempio.it" "scheda $n" "www.esempio$n.it" "" "" ""
}

# make_archive FILE N: N records numbered 1 … N.
make_archive() {
  local file=$1 n=$2 i
  : >"$file"
  {
    for ((i = 1; i <= n; i++)); do record_bytes "$i"; done
  } >>"$file"
}

# Milliseconds since the epoch.
now_ms() { date +%s%3N; }
