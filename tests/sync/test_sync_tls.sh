#!/usr/bin/env bash
# cartaflex-cli against a CardDAV server on https whose certificate no authority vouches
# for: a Radicale started here on 127.0.0.1 with a self-signed certificate made by openssl.
# The certificate is taken only on the user's word and then pinned; another certificate
# on the same address is refused; a redirect from https to plain http is refused and the
# password never reaches the plain address. Skipped (77) only where a tool is missing.
set -u
BUILD="$1"
CLI="$BUILD/cartaflex-cli"
skip() { echo "SKIP: $*"; exit 77; }
for tool in radicale htpasswd curl python3 openssl; do
    command -v "$tool" >/dev/null 2>&1 || skip "$tool is not installed"
done
[ -x "$CLI" ] || { echo "FAIL: $CLI not built"; exit 1; }
unset DBUS_SESSION_BUS_ADDRESS

W=$(mktemp -d)
PIDS=()
stop_all() { for p in "${PIDS[@]}"; do kill -9 "$p" 2>/dev/null; wait "$p" 2>/dev/null; done; PIDS=(); }
trap 'stop_all; rm -rf "$W"' EXIT
free_port() { python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'; }
PORT=$(free_port)
for n in 1 2; do
    openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=127.0.0.1" \
        -addext "subjectAltName=IP:127.0.0.1" -keyout "$W/key$n.pem" -out "$W/cert$n.pem" 2>/dev/null
done
# The fingerprint of a certificate as the program keeps it: SHA-256, lower-case hex.
fingerprint() { openssl x509 -in "$1" -noout -fingerprint -sha256 | sed 's/.*=//; s/://g' | tr 'A-F' 'a-f'; }
. "$(dirname "$0")/radicale.sh"
start_radicale() { radicale_start https "$W/cert$1.pem" "$W/key$1.pem"; PIDS+=("$RADICALE_PID"); }
start_radicale 1
SERVER="https://127.0.0.1:$PORT"
curl -sk -u anna:segreta -X MKCOL "$SERVER/anna/rubrica/" -o /dev/null --data '<?xml version="1.0"?><D:mkcol xmlns:D="DAV:" xmlns:C="urn:ietf:params:xml:ns:carddav"><D:set><D:prop><D:resourcetype><D:collection/><C:addressbook/></D:resourcetype><D:displayname>Ufficio</D:displayname></D:prop></D:set></D:mkcol>'

fails=0
check() {
    local what="$1"; shift
    if "$@"; then :; else echo "FAIL: $what"; fails=$((fails + 1)); fi
}
cli() { "$CLI" --folder "$W/prog" "$@"; }
INI="$W/prog/Cartaflex.ini"
mkdir -p "$W/prog"
FP1=$(fingerprint "$W/cert1.pem")

# The certificate refused by the user: nothing set up, nothing kept.
printf 'segreta\nn\n' | cli sync-setup "$SERVER/" anna >/dev/null 2>"$W/err"
check "certificate refused: exit 1" test $? -eq 1
check "certificate refused: the question was asked" grep -q "(s/n)" "$W/err"
check "certificate refused: said so" grep -q "non è stato accettato" "$W/err"
check "certificate refused: no fingerprint kept" bash -c "! grep -rqi '$FP1' '$W/prog'"

# Accepted: the set-up goes on and pins that very certificate.
out=$(printf 'segreta\ns\n' | cli sync-setup "$SERVER/" anna 2>"$W/err")
check "certificate accepted: exit 0" test $? -eq 0
check "certificate accepted: the address book found" test "$out" = "$(printf '%s/anna/rubrica/\tUfficio' "$SERVER")"
check "the pinned fingerprint is the server's" grep -qi "$FP1" "$INI"

# With the pin, a sync asks nothing and works.
cli add Titolo=Rossi Citta=Roma >/dev/null
out=$(printf 'segreta\n' | cli sync --password-stdin 2>"$W/err")
check "pinned certificate: sync exit 0" test $? -eq 0
check "pinned certificate: no question" bash -c "! grep -q '(s/n)' '$W/err'"
check "pinned certificate: Rossi sent" grep -q "$(printf '^server\taggiunto\tRossi$')" <<<"$out"

# Another certificate on the same address (a server replaced, or someone in between):
# refused, the archive and the settings as they were.
stop_all
start_radicale 2
cp "$INI" "$W/ini.before"
cp "$W/prog/Contatti.edb" "$W/edb.before"
printf 'segreta\n' | cli sync --password-stdin >/dev/null 2>"$W/err"
check "other certificate: sync exit 1" test $? -eq 1
check "other certificate: said so" grep -q "certificato del server 127.0.0.1 non è valido" "$W/err"
check "other certificate: the pin unchanged" cmp -s "$INI" "$W/ini.before"
check "other certificate: archive unchanged" cmp -s "$W/prog/Contatti.edb" "$W/edb.before"

# A redirect from https to plain http: refused, and the plain address never sees the
# password. An https server that answers every request with a redirect, and a plain one
# that notes what reaches it.
PLAIN=$(free_port)
REDIRECT=$(free_port)
cat >"$W/servers.py" <<'PY'
import http.server, ssl, sys, threading
plain_port, redirect_port, cert, key, log = int(sys.argv[1]), int(sys.argv[2]), sys.argv[3], sys.argv[4], sys.argv[5]
class Plain(http.server.BaseHTTPRequestHandler):
    def do_ANY(self):
        with open(log, "a") as f:
            f.write("%s %s auth=%s\n" % (self.command, self.path, self.headers.get("Authorization")))
        self.send_response(404); self.end_headers()
    do_GET = do_PROPFIND = do_REPORT = do_PUT = do_OPTIONS = do_ANY
    def log_message(self, *a): pass
class Redirect(http.server.BaseHTTPRequestHandler):
    def do_ANY(self):
        self.send_response(301)
        self.send_header("Location", "http://127.0.0.1:%d%s" % (plain_port, self.path))
        self.send_header("Content-Length", "0")
        self.end_headers()
    do_GET = do_PROPFIND = do_REPORT = do_PUT = do_OPTIONS = do_ANY
    def log_message(self, *a): pass
p = http.server.HTTPServer(("127.0.0.1", plain_port), Plain)
r = http.server.HTTPServer(("127.0.0.1", redirect_port), Redirect)
ctx = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER); ctx.load_cert_chain(cert, key)
r.socket = ctx.wrap_socket(r.socket, server_side=True)
threading.Thread(target=p.serve_forever, daemon=True).start()
r.serve_forever()
PY
: >"$W/plain.log"
python3 "$W/servers.py" "$PLAIN" "$REDIRECT" "$W/cert1.pem" "$W/key1.pem" "$W/plain.log" &
PIDS+=($!)
for _ in $(seq 50); do curl -sk -o /dev/null "https://127.0.0.1:$REDIRECT/" && break; sleep 0.1; done
mkdir -p "$W/prog2"
printf 'segreta\ns\n' | "$CLI" --folder "$W/prog2" sync-setup "https://127.0.0.1:$REDIRECT/" anna >/dev/null 2>"$W/err"
check "redirect to http: exit 1" test $? -eq 1
check "redirect to http: said so" grep -q "indirizzo non protetto" "$W/err"
check "redirect to http: nothing reached the plain address" test ! -s "$W/plain.log"
check "redirect to http: nothing set up" test ! -s "$W/prog2/Cartaflex.ini"

[ "$fails" -eq 0 ] && echo "PASS: https with a self-signed certificate" || exit 1
