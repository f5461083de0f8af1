# Sourced by the sync tests: a Radicale of their own on 127.0.0.1:$PORT, with its storage,
# log and password file (user anna, password segreta) in the folder $W.
# radicale_start http | https CERT KEY: writes the configuration, starts the server in the
# background and waits until it answers; its process id is then in RADICALE_PID.
radicale_start() {
    local scheme="$1" tls=""
    [ "$scheme" = https ] && tls=$'ssl = True\ncertificate = '"$2"$'\nkey = '"$3"
    [ -f "$W/users" ] || htpasswd -B -b -c "$W/users" anna segreta 2>/dev/null
    cat >"$W/config" <<CONF
[server]
hosts = 127.0.0.1:$PORT
$tls
[auth]
type = htpasswd
htpasswd_filename = $W/users
htpasswd_encryption = bcrypt
[storage]
filesystem_folder = $W/store
[logging]
level = warning
CONF
    radicale --config "$W/config" >>"$W/radicale.log" 2>&1 &
    RADICALE_PID=$!
    for _ in $(seq 100); do
        curl -sk -o /dev/null "$scheme://127.0.0.1:$PORT/" && return 0
        sleep 0.1
    done
    echo "FAIL: radicale did not start"; cat "$W/radicale.log"; exit 1
}
