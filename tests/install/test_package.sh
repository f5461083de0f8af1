#!/usr/bin/env bash
# The Debian package: cpack builds cartaflex_<version>_<arch>.deb from the binaries
# already built; it holds every installed file, depends on the libraries, fonts and Qt
# translations; unpacked into a scratch root, its terminal front end works, keeps its
# archive in the per-user folder, and stops with its message when that folder cannot be
# made. The menu entry and the AppStream file pass their validators.
set -u
BUILD="$1"
for tool in cpack dpkg-deb dpkg-shlibdeps; do command -v "$tool" >/dev/null || exit 77; done

fail() { echo "FAIL: $*" >&2; exit 1; }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$BUILD/CPackConfig.cmake")
[ -n "$version" ] || fail "no version in CPackConfig.cmake"
deb="$tmp/cartaflex_${version}_$(dpkg --print-architecture).deb"
cpack -G DEB --config "$BUILD/CPackConfig.cmake" -B "$tmp" >"$tmp/cpack.log" 2>&1 ||
  { cat "$tmp/cpack.log" >&2; fail "cpack failed"; }
[ -f "$deb" ] || fail "$(basename "$deb") was not written: $(ls "$tmp")"

contents=$(dpkg-deb -c "$deb" | awk '{print $NF}')
id=it.cartaflex.Cartaflex
for f in usr/bin/cartaflex usr/bin/cartaflex-cli \
    usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/$id.svg \
    usr/share/icons/hicolor/48x48/apps/$id.png usr/share/icons/hicolor/256x256/apps/$id.png \
    usr/share/cartaflex/Guida.pdf usr/share/cartaflex/translations/qtbase_it.qm \
    usr/share/cartaflex/loghi/campione_piccolo.bmp usr/share/cartaflex/loghi/campione_medio.bmp \
    usr/share/cartaflex/loghi/campione_grande.bmp usr/share/man/man1/cartaflex-cli.1.gz \
    usr/share/man/man1/cartaflex.1.gz usr/share/doc/cartaflex/copyright \
    usr/share/doc/cartaflex/changelog.gz; do
  grep -qxF "./$f" <<<"$contents" || fail "the package lacks /$f"
done
# Nothing of the build folder (tests, benchmarks, tools) travels with it.
[ "$(grep -c '^./usr/bin/.' <<<"$contents")" -eq 2 ] || fail "unexpected programs: $contents"

depends=$(dpkg-deb -f "$deb" Depends)
for p in libqt6widgets6 libqt6svg6 zlib1g fonts-liberation2 fonts-dejavu-core \
    qt6-translations-l10n; do
  grep -q "$p" <<<"$depends" || fail "Depends lacks $p: $depends"
done

root="$tmp/root"
dpkg-deb -x "$deb" "$root" || fail "dpkg-deb -x failed"
cli="$root/usr/bin/cartaflex-cli"
file "$root/usr/bin/cartaflex" | grep -q "ELF.*executable" || fail "cartaflex is not a program"
[ "$(head -c 5 "$root/usr/share/cartaflex/Guida.pdf")" = "%PDF-" ] || fail "Guida.pdf is not a PDF"
file "$root/usr/share/icons/hicolor/48x48/apps/$id.png" | grep -q "48 x 48" || fail "48 px icon"
file "$root/usr/share/cartaflex/loghi/campione_grande.bmp" | grep -q "bitmap" || fail "sample logo"

# --help is the built program's, byte for byte; the manual page describes every command
# it lists and every exit status.
"$cli" --help >"$tmp/help" || fail "--help failed"
cmp -s "$tmp/help" <("$BUILD/cartaflex-cli" --help) || fail "--help differs from the build's"
man=$(zcat "$root/usr/share/man/man1/cartaflex-cli.1.gz")
for cmd in $(sed -n 's/^  \([a-z-]*\).*/\1/p' "$tmp/help"); do
  grep -q "^\.B ${cmd//-/\\\\-}" <<<"$man" || fail "the manual page lacks $cmd"
done
grep -q '^\.SH STATO D' <<<"$man" || fail "the manual page has no exit status"
for status in 0 1 2; do grep -qx "\.B $status" <<<"$man" || fail "exit status $status"; done

# A given folder: two contacts added, two counted.
data="$tmp/dati"
mkdir "$data"
"$cli" --folder "$data" add Titolo=Rossi >/dev/null || fail "add failed"
"$cli" --folder "$data" add Titolo=Bianchi >/dev/null || fail "add failed"
[ "$("$cli" --folder "$data" count)" = 2 ] || fail "count in --folder"

# Installed, the archive goes to the per-user folder, made on first use, never beside
# the program.
home="$tmp/casa"
mkdir "$home"
HOME="$home" XDG_DATA_HOME= "$cli" add Titolo=Verdi >/dev/null || fail "add in the per-user folder"
[ -f "$home/.local/share/Cartaflex/Contatti.edb" ] || fail "no archive in ~/.local/share/Cartaflex"
[ "$(HOME="$home" XDG_DATA_HOME= "$cli" count)" = 1 ] || fail "count in the per-user folder"
[ -z "$(find "$root/usr" -name 'Contatti.edb' -o -name 'Cartaflex.ini')" ] ||
  fail "files were written beside the program"

# A per-user folder that cannot be made: the message, status 1, nothing written.
touch "$tmp/file-normale"
before=$(find "$tmp" | sort)
HOME="$home" XDG_DATA_HOME="$tmp/file-normale" "$cli" count >"$tmp/out" 2>"$tmp/err"
[ $? -eq 1 ] || fail "an uncreatable folder should give status 1"
grep -qF "Impossibile creare la cartella dei dati di Cartaflex:" "$tmp/err" || fail "message: $(cat "$tmp/err")"
grep -qF "$tmp/file-normale/Cartaflex" "$tmp/err" || fail "the message does not name the folder"
[ ! -s "$tmp/out" ] || fail "output on failure"
[ "$(find "$tmp" -not -path "$tmp/out" -not -path "$tmp/err" | sort)" = "$(echo "$before")" ] ||
  fail "the failed start touched files"

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$root/usr/share/applications/$id.desktop" || fail "desktop entry"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" >"$tmp/as" 2>&1 ||
    { cat "$tmp/as" >&2; fail "AppStream file"; }
fi
echo "ok: $(basename "$deb"), $(stat -c %s "$deb") bytes"
