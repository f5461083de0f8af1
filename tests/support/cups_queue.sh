# Sourced by the print-queue tests: runs a private cupsd on a socket of its own with a
# CUPS-PDF queue ($QUEUE), stopped when the test ends; where that cannot be set up the test
# is skipped (exit 77). Expects BUILD; gives CLI, T (a work folder with folder/ and log/)
# and check_cups_output, which waits for the jobs and checks the PDF files that arrive.
CLI="$BUILD/cartaflex-cli"

skip() { echo "SKIP: $*"; exit 77; }

for tool in cupsd lpadmin lpstat pdfinfo; do
  command -v "$tool" >/dev/null 2>&1 || PATH="$PATH:/usr/sbin"
  command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed (packages cups, cups-client, poppler-utils)"
done
PPD=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
[ -f "$PPD" ] || skip "no CUPS-PDF driver ($PPD): package printer-driver-cups-pdf"
[ -x /usr/lib/cups/backend/cups-pdf ] || skip "no cups-pdf backend"
[ -x "$CLI" ] || { echo "FAIL: $CLI not built"; exit 1; }

T=$(mktemp -d /tmp/cartaflex-cups.XXXXXX)
chmod 755 "$T"
CUPSD_PID=""
cleanup() {
  if [ -n "$CUPSD_PID" ]; then
    kill "$CUPSD_PID" 2>/dev/null
    wait "$CUPSD_PID" 2>/dev/null
  fi
  rm -rf "$T"
}
trap cleanup EXIT

mkdir -p "$T/etc/ppd" "$T/spool/tmp" "$T/cache" "$T/state/certs" "$T/log" "$T/folder"
chmod 1777 "$T/spool/tmp" "$T/cache"
SOCK="$T/cups.sock"
cat >"$T/etc/cupsd.conf" <<CONF
LogLevel warn
Listen $SOCK
Browsing Off
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
    Allow all
  </Limit>
</Policy>
CONF
cat >"$T/etc/cups-files.conf" <<CONF
ServerRoot $T/etc
RequestRoot $T/spool
TempDir $T/spool/tmp
CacheDir $T/cache
StateDir $T/state
ErrorLog $T/log/error_log
AccessLog $T/log/access_log
PageLog $T/log/page_log
ServerBin /usr/lib/cups
DataDir /usr/share/cups
CONF

cupsd -f -c "$T/etc/cupsd.conf" -s "$T/etc/cups-files.conf" >"$T/log/cupsd.out" 2>&1 &
CUPSD_PID=$!
export CUPS_SERVER="$SOCK"
for _ in $(seq 1 50); do
  [ -S "$SOCK" ] && lpstat -r >/dev/null 2>&1 && break
  kill -0 "$CUPSD_PID" 2>/dev/null || break
  sleep 0.2
done
if ! lpstat -r >/dev/null 2>&1; then
  cat "$T/log/cupsd.out" "$T/log/error_log" 2>/dev/null | tail -5
  skip "cupsd could not be started here"
fi

QUEUE=CUPS-PDF
if ! lpadmin -p "$QUEUE" -E -v cups-pdf:/ -P "$PPD" >"$T/log/lpadmin.out" 2>&1; then
  cat "$T/log/lpadmin.out"
  skip "the CUPS-PDF queue could not be added"
fi
lpadmin -d "$QUEUE" >/dev/null 2>&1

# Where cups-pdf puts its files: "Out" of its configuration, ${HOME}/PDF by default.
OUT=$(sed -n 's/^Out[[:space:]]\+//p' /etc/cups/cups-pdf.conf 2>/dev/null | tail -1)
[ -n "$OUT" ] || OUT='${HOME}/PDF'
USER_HOME=$(getent passwd "$(id -un)" | cut -d: -f6)
OUT=${OUT//'${HOME}'/$USER_HOME}
mkdir -p "$OUT" 2>/dev/null
# Other test runs (another build, another checkout) share the folder: one at a time.
exec 9>>"/tmp/cartaflex-cups-pdf-$(id -u).lock"
flock -w 500 9 || skip "another test run holds $OUT for too long"
MARK="$T/mark"
touch "$MARK"
sleep 1


# check_cups_output JOBS WHAT: JOBS completed jobs and as many one-page PDF files.
check_cups_output() {
  local expected=$1 what=$2
  for _ in $(seq 1 150); do
    [ -z "$(lpstat -o "$QUEUE" 2>/dev/null)" ] && break
    sleep 0.2
  done
  COMPLETED=$(lpstat -W completed -o "$QUEUE" 2>/dev/null | wc -l)
  if [ "$COMPLETED" -ne "$expected" ]; then
    lpstat -W all -o "$QUEUE"
    tail -20 "$T/log/error_log" 2>/dev/null
    echo "FAIL: expected $expected completed jobs ($what), found $COMPLETED"
    exit 1
  fi
  PAGES=0
  FILES=0
  for _ in $(seq 1 50); do
    FILES=0
    PAGES=0
    while IFS= read -r f; do
      n=$(pdfinfo "$f" 2>/dev/null | sed -n 's/^Pages:[[:space:]]*//p')
      [ -n "$n" ] || continue
      FILES=$((FILES + 1))
      PAGES=$((PAGES + n))
    done < <(find "$OUT" -maxdepth 1 -name 'Cartaflex*.pdf' -newer "$MARK" 2>/dev/null)
    [ "$PAGES" -ge "$expected" ] && break
    sleep 0.2
  done
  echo "jobs: $COMPLETED, PDF files: $FILES, pages: $PAGES (in $OUT)"
  find "$OUT" -maxdepth 1 -name 'Cartaflex*.pdf' -newer "$MARK" -delete 2>/dev/null
  if [ "$PAGES" -ne "$expected" ] || [ "$FILES" -ne "$expected" ]; then
    tail -20 "$T/log/error_log" 2>/dev/null
    echo "FAIL: expected $expected one-page PDF documents ($what)"
    exit 1
  fi
}
