#!/usr/bin/env bash
# Installs the build into a fresh staging folder (DESTDIR), as a package
# would, and checks what a person gets there, with no build folder in
# reach: the files in their places, the desktop entry and the AppStream
# data valid, and the installed program answering --help, --version, a
# mistyped option and --server.
#
#   install_test.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2
stage=$(mktemp -d)
server=""
trap '[ -n "$server" ] && kill "$server" 2>/dev/null; rm -rf "$stage"' EXIT

DESTDIR="$stage" cmake --install "$build" --prefix /usr >/dev/null
usr="$stage/usr"
fail() { echo "FAIL: $*" >&2; exit 1; }

for f in games/brixo share/brixo/brixotiles/Contrast.bmp share/applications/brixo.desktop \
         share/metainfo/com.quorvin.brixo.metainfo.xml share/man/man6/brixo.6.gz \
         lib/systemd/system/brixo-server.service lib/systemd/system/brixo-lobby.service \
         share/doc/brixo/copyright share/doc/brixo/changelog.gz share/doc/brixo/examples/brixo-lobby.default; do
  [ -f "$usr/$f" ] || fail "$f is not installed"
done
for size in 16 32 48 64 128 256; do
  icon="$usr/share/icons/hicolor/${size}x${size}/apps/brixo.png"
  [ -f "$icon" ] || fail "no ${size}px icon"
  # A PNG's width and height are the big-endian words at bytes 16 and 20.
  [ "$(od -An -tu1 -j16 -N8 "$icon" | awk '{print $3*256+$4 "x" $7*256+$8}')" = "${size}x${size}" ] \
    || fail "the ${size}px icon has another size"
done

desktop-file-validate "$usr/share/applications/brixo.desktop"
appstreamcli validate --no-net "$usr/share/metainfo/com.quorvin.brixo.metainfo.xml" >/dev/null \
  || { appstreamcli validate --no-net "$usr/share/metainfo/com.quorvin.brixo.metainfo.xml"; fail "AppStream data"; }
grep -q '^Exec=brixo$' "$usr/share/applications/brixo.desktop" || fail "the desktop entry does not start brixo"
# The services start the installed program with the options they
# document, by its full path: systemd does not look in /usr/games.
grep -q '^ExecStart=/usr/games/brixo --server --port ${BRIXO_PORT} --level ${BRIXO_LEVEL} --botspeed ${BRIXO_BOTSPEED} --listen ${BRIXO_LISTEN} $BRIXO_OPTIONS$' \
  "$usr/lib/systemd/system/brixo-server.service" || fail "the server service's command line"
grep -q '^ExecStart=/usr/games/brixo --lobby --port ${BRIXO_PORT} --listen ${BRIXO_LISTEN} --rooms ${BRIXO_ROOMS} --level ${BRIXO_LEVEL} --botspeed ${BRIXO_BOTSPEED} $BRIXO_OPTIONS$' \
  "$usr/lib/systemd/system/brixo-lobby.service" || fail "the lobby service's command line"
gzip -t "$usr/share/man/man6/brixo.6.gz" || fail "the manual page is not gzip"

# The installed program, run from elsewhere, with no display.
cd "$stage"
brixo="$usr/games/brixo"
# Whatever announces a game sends only to this machine.
export QT_QPA_PLATFORM=offscreen BRIXO_NO_GUARD=1 BRIXO_ANNOUNCE_TO=127.0.0.1
help=$("$brixo" --help) || fail "--help exits $?"
grep -q -- '--server \[--port N\]' <<<"$help" || fail "--help does not show --server"
grep -q -- '--find \[SECONDS\]' <<<"$help" || fail "--help does not show --find"
grep -q -- '--lobby \[--port N\]' <<<"$help" || fail "--help does not show --lobby"
[ "$("$brixo" --version)" = "brixo $version" ] || fail "--version is not $version"
set +e
out=$("$brixo" --fullscreen 2>"$stage/err"); status=$?
set -e
[ "$status" -eq 2 ] || fail "an unknown option exits $status, not 2"
[ -z "$out" ] || fail "an unknown option printed on standard output"
grep -q "unknown option '--fullscreen'" "$stage/err" || fail "an unknown option is not named"
grep -q '^Usage:' "$stage/err" || fail "an unknown option does not print the usage"

"$brixo" --server --port 0 --botspeed 0 --level expert --listen 127.0.0.1 --no-announce >"$stage/server.out" &
server=$!
for _ in $(seq 50); do
  grep -q 'listening on port' "$stage/server.out" && break
  sleep 0.1
done
grep -q 'listening on port' "$stage/server.out" || fail "the installed server does not listen"
kill -TERM "$server"
wait "$server" || fail "the server did not stop cleanly"
server=""
echo "installed layout OK"
