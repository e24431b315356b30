#!/usr/bin/env bash
# Runs the program from its Debian package the way a user would: the package
# unpacked into a read-only root, started by an unprivileged user with a
# fresh home under a private Xvfb. Checks where the data goes, and that the
# packaged program leaves the update page alone.
#
#   bash tests/install/build-deb.sh OUT_DIR
#   tools/with-xvfb bash tests/install/check-deb-run.sh OUT_DIR
#
# Needs root (to become nobody), dpkg-deb, setpriv, xdotool, sqlite3,
# python3 and Xvfb. Exits 77 (skipped) when not run as root.
set -uo pipefail

if [ $# -ne 1 ] || [ ! -d "$1" ]; then
  echo "usage: $0 OUT_DIR   (as tests/install/build-deb.sh left it)" >&2
  exit 2
fi
out=$(cd "$1" && pwd)
if [ "$(id -u)" -ne 0 ]; then
  echo "$0: must run as root to start the program as nobody; skipped" >&2
  exit 77
fi
for tool in dpkg-deb setpriv xdotool sqlite3 iconv python3; do
  command -v "$tool" >/dev/null || { echo "$0: $tool is missing; run tools/setup.sh" >&2; exit 2; }
done
debs=("$out"/lumoclick_*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
  echo "$0: no single lumoclick_*.deb in $out; build it with tests/install/build-deb.sh" >&2
  exit 2
fi
deb=${debs[0]}

scratch=$(mktemp -d)
chmod 755 "$scratch"
program_pid=""
server_pid=""
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
  [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null
  chmod -R u+w "$scratch" 2>/dev/null
  rm -rf "$scratch"
}
trap cleanup EXIT
passed=0
failed=0
pass() { passed=$((passed + 1)); echo "ok    $1"; }
fail() { failed=$((failed + 1)); echo "FAIL  $1" >&2; }
check() { local what=$1; shift; if "$@"; then pass "$what"; else fail "$what"; fi; }

# --- The package, unpacked read-only ---------------------------------------------
root=$scratch/root
dpkg-deb -x "$deb" "$root"
chmod -R a-w "$root"
listing() { find "$root" -printf '%p %s %T@ %m\n' | sort; }
listing >"$scratch/before"

# A local update page. A build that reads its update page at start asks for
# it within a second or two; the packaged one must not ask at all.
mkdir -p "$scratch/site"
echo '<html><body>9.9</body></html>' >"$scratch/site/update.html"
python3 -u -m http.server --bind 127.0.0.1 --directory "$scratch/site" 0 >"$scratch/server.log" 2>&1 &
server_pid=$!
port=""
for ((i = 0; i < 50; i++)); do
  port=$(sed -n 's/^Serving HTTP on [0-9.]* port \([0-9]*\).*/\1/p' "$scratch/server.log")
  [ -n "$port" ] && break
  sleep 0.1
done
if [ -z "$port" ]; then
  cat "$scratch/server.log" >&2
  echo "$0: the local update page did not start" >&2
  exit 2
fi

home=$scratch/home
mkdir -p "$home"
chown nobody:nogroup "$home"
user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
# as_user CMD...: runs CMD with the fresh home and no other XDG folders. A
# Wayland session type makes the program write its one-time notice key: a
# setting stored by the program itself.
as_user() {
  env -i PATH=/usr/bin:/bin HOME="$home" USER=nobody DISPLAY="$DISPLAY" LANG=C.UTF-8 \
    XDG_RUNTIME_DIR="$home/run" XDG_SESSION_TYPE=wayland \
    LUMOCLICK_UPDATE_PAGE="http://127.0.0.1:$port/update.html" "$@"
}
mkdir -p "$home/run" && chown nobody:nogroup "$home/run" && chmod 700 "$home/run"

# run_program ARGS...: starts the installed program in the background as nobody.
run_program() {
  as_user "${user[@]}" "$root/usr/bin/lumoclick" "$@" >>"$scratch/program.log" 2>&1 &
  program_pid=$!
}
wait_for_window() { # wait_for_window NAME SECONDS
  local i
  for ((i = 0; i < $2 * 10; i++)); do
    xdotool search --name "$1" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}
stop_program() {
  [ -n "$program_pid" ] || return 0
  kill "$program_pid" 2>/dev/null
  wait "$program_pid" 2>/dev/null
  program_pid=""
}

config=$home/.config/lumoclick
data=$home/.local/share/lumoclick

# --- First start: the database from the template, a setting written -------------
run_program
check "the Wayland notice comes up" wait_for_window "提示" 30
# No window manager gives the box the focus: give it, then answer it.
notice=$(xdotool search --onlyvisible --name "^提示$" 2>/dev/null | head -1)
if [ -n "$notice" ]; then
  xdotool windowfocus --sync "$notice" >/dev/null 2>&1
  xdotool key Return >/dev/null 2>&1
fi
check "the main window comes up" wait_for_window "Tarvik鼠标点击器V1.0|Lumo鼠标自动点击器" 30
check "the database was made in ~/.local/share/lumoclick" test -f "$data/acdb.mdb"
check "the database is the template's" cmp -s "$data/acdb.mdb" "$root/usr/share/lumoclick/acdb.mdb"
check "the database belongs to the user" test "$(stat -c %U "$data/acdb.mdb")" = nobody
check "setting.ini is in ~/.config/lumoclick" test -f "$config/setting.ini"
gbk_text() { iconv -f GBK -t UTF-8 "$config/setting.ini" | tr -d '\r'; }
has_key() { gbk_text | grep -qx 'waylandNoticeShown=1'; }
check "the setting is stored there (GBK)" has_key

# A second start reaches the running one and ends with 0.
as_user "${user[@]}" "$root/usr/bin/lumoclick" >>"$scratch/program.log" 2>&1
check "a second start ends with 0" test $? -eq 0
check "the first instance still runs" kill -0 "$program_pid"

# A script stored meanwhile (the user's database is writable by the user).
as_user "${user[@]}" sqlite3 "$data/acdb.mdb" \
  "insert into mplist (mpname,hotkey,mpoint,clicknum) values ('stored','F8','100,100,左键单击,50|','1')" \
  2>"$scratch/sqlite.log"
check "the user's database takes a script" test $? -eq 0
stop_program

# --- Restart: the same database, no second notice ---------------------------------
run_program
check "the main window comes up again" wait_for_window "Tarvik鼠标点击器V1.0|Lumo鼠标自动点击器" 30
sleep 1
check "no second Wayland notice" bash -c '! xdotool search --onlyvisible --name "^提示$" >/dev/null 2>&1'
stored() { [ "$(sqlite3 "$data/acdb.mdb" "select count(*) from mplist where mpname='stored'")" = 1 ]; }
check "the stored script is still there after the restart" stored
# A build that reads the page asks for it while it starts: give it the time.
for ((i = 0; i < 30; i++)); do
  grep -q 'GET /update.html' "$scratch/server.log" && break
  sleep 0.1
done
stop_program

never_asked() { ! grep -q 'GET /update.html' "$scratch/server.log"; }
check "the update page was never asked for" never_asked

listing >"$scratch/after"
check "nothing was written under the package root" cmp -s "$scratch/before" "$scratch/after"
nothing_else() { [ -z "$(find "$home" -mindepth 1 -maxdepth 1 ! -name .config ! -name .local ! -name run)" ]; }
check "nothing but the XDG folders in the home" nothing_else

if [ "$failed" -ne 0 ]; then
  echo "--- program output" >&2
  cat "$scratch/program.log" >&2
fi
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
