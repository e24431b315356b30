#!/usr/bin/env bash
# Installs a build into a scratch folder as /usr, the way a package does, and
# checks what lands there.
#
#   cmake --build BUILD_DIR --target lumo_packaging
#   bash tests/install/check-install.sh BUILD_DIR
#
# Needs desktop-file-utils, appstream, man-db and sqlite3.
set -uo pipefail

if [ $# -ne 1 ] || [ ! -f "$1/CMakeCache.txt" ]; then
  echo "usage: $0 BUILD_DIR   (a configured and built CMake build folder)" >&2
  exit 2
fi
build=$(cd "$1" && pwd)
for tool in cmake desktop-file-validate appstreamcli man sqlite3 gzip; do
  if ! command -v "$tool" >/dev/null; then
    echo "$0: $tool is missing; run tools/setup.sh" >&2
    exit 2
  fi
done

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$build/CMakeCache.txt")
app_id=io.github.lumoclick.LumoClick
sizes=(16 22 24 32 48 64 128 256)

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
passed=0
failed=0
log=$scratch/log

pass() { passed=$((passed + 1)); echo "ok    $1"; }
fail() {
  failed=$((failed + 1))
  echo "FAIL  $1" >&2
  [ -s "$log" ] && sed 's/^/      /' "$log" >&2
  return 0
}
# check DESCRIPTION COMMAND...: passes when the command succeeds.
check() {
  local what=$1
  shift
  if "$@" >"$log" 2>&1; then pass "$what"; else fail "$what"; fi
  : >"$log"
}

stage() { # stage FOLDER PREFIX; prints cmake's output when it fails
  DESTDIR="$1" cmake --install "$build" --prefix "$2" >"$scratch/install.log" 2>&1 ||
    { cat "$scratch/install.log"; return 1; }
}

root=$scratch/root
if ! stage "$root" /usr >"$log"; then
  fail "cmake --install (build the target lumo_packaging first)"
  echo "0 passed, 1 failed"
  exit 1
fi
pass "cmake --install --prefix /usr into DESTDIR"
usr=$root/usr
share=$usr/share

# --- The program -------------------------------------------------------------
is_elf_executable() { [ -f "$1" ] && [ -x "$1" ] && [ "$(head -c4 "$1" | od -An -c | tr -d ' ')" = '177ELF' ]; }
check "usr/bin/lumoclick is an executable ELF file" is_elf_executable "$usr/bin/lumoclick"

only_lumoclick_in_bin() {
  local listed
  listed=$(ls -A "$usr/bin")
  [ "$listed" = lumoclick ] || { echo "usr/bin holds: $listed"; return 1; }
}
check "usr/bin holds lumoclick and nothing else" only_lumoclick_in_bin

# A test or benchmark installed anywhere else would still be an ELF file.
only_one_elf() {
  local f others=()
  while IFS= read -r -d '' f; do
    [ "$(head -c4 "$f" | od -An -c | tr -d ' ')" = '177ELF' ] && [ "$f" != "$usr/bin/lumoclick" ] && others+=("$f")
  done < <(find "$root" -type f -print0)
  [ ${#others[@]} -eq 0 ] || { printf 'also installed: %s\n' "${others[@]#"$root"}"; return 1; }
}
check "no other executable or library is installed" only_one_elf

# --- Data the program reads ----------------------------------------------------
template=$share/lumoclick/acdb.mdb
is_database_template() {
  [ "$(head -c15 "$template")" = "SQLite format 3" ] || { echo "not an SQLite file"; return 1; }
  [ "$(sqlite3 -readonly "$template" 'PRAGMA integrity_check;')" = ok ] || return 1
  local tables
  tables=$(sqlite3 -readonly "$template" "SELECT count(*) FROM sqlite_master WHERE type = 'table';")
  [ "$tables" -gt 0 ] || { echo "no tables"; return 1; }
}
check "share/lumoclick/acdb.mdb is an SQLite database with tables" is_database_template
check "share/lumoclick/help.html is an HTML page" grep -qi '<html' "$share/lumoclick/help.html"

# --- Desktop integration -----------------------------------------------------
desktop=$share/applications/$app_id.desktop
metainfo=$share/metainfo/$app_id.metainfo.xml
check "desktop-file-validate $app_id.desktop" desktop-file-validate "$desktop"
check "appstreamcli validate --no-net $app_id.metainfo.xml" appstreamcli validate --no-net "$metainfo"

# The names inside the files must match what is installed beside them.
desktop_key() { sed -n "s/^$1=//p" "$desktop" | head -n1; }
exec_is_installed() {
  local exec
  exec=$(desktop_key Exec)
  exec=${exec%% *}
  [ "$exec" = lumoclick ] && [ -x "$usr/bin/$exec" ] || { echo "Exec=$exec is not in usr/bin"; return 1; }
}
check "the desktop file's Exec names the installed program" exec_is_installed
icon_is_installed() {
  local icon
  icon=$(desktop_key Icon)
  [ -f "$share/icons/hicolor/scalable/apps/$icon.svg" ] && [ -f "$share/icons/hicolor/48x48/apps/$icon.png" ] ||
    { echo "Icon=$icon is not in the hicolor theme"; return 1; }
}
check "the desktop file's Icon names the installed icon" icon_is_installed
check "the metainfo launches the installed desktop file" \
  grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo"
check "the metainfo announces release $version" grep -q "<release version=\"$version\"" "$metainfo"

# PNG width and height are the big-endian words at bytes 16 and 20.
png_is() { # png_is FILE SIZE
  [ -f "$1" ] || { echo "missing"; return 1; }
  local dims
  dims=$(od -An -tu1 -j16 -N8 "$1" | awk '{ print $1*16777216+$2*65536+$3*256+$4 "x" $5*16777216+$6*65536+$7*256+$8 }')
  [ "$dims" = "$2x$2" ] || { echo "$dims"; return 1; }
}
for n in "${sizes[@]}"; do
  check "icon ${n}x${n}/apps/lumoclick.png is a ${n}x${n} PNG" png_is "$share/icons/hicolor/${n}x${n}/apps/lumoclick.png" "$n"
done
check "icon scalable/apps/lumoclick.svg is an SVG" grep -q '<svg' "$share/icons/hicolor/scalable/apps/lumoclick.svg"

# --- Manual page ---------------------------------------------------------------
man_page=$share/man/man1/lumoclick.1.gz
# gzip -n: no file name (flag bit 3) and no time stamp (bytes 4-7) in the header.
is_reproducible_gzip() {
  gzip -t "$1" || return 1
  local header
  header=$(od -An -tu1 -N8 "$1" | tr -s ' ')
  read -r _ _ _ flags t0 t1 t2 t3 <<<"$header"
  [ $((flags & 8)) -eq 0 ] && [ "$t0$t1$t2$t3" = 0000 ] || { echo "gzip header carries a name or a time: $header"; return 1; }
}
check "man1/lumoclick.1.gz is gzip -n compressed" is_reproducible_gzip "$man_page"
renders_cleanly() {
  local out
  out=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$man_page" 2>"$scratch/man.err") || return 1
  [ ! -s "$scratch/man.err" ] || { cat "$scratch/man.err"; return 1; }
  grep -q '^NAME' <<<"$out" && grep -q 'autotime' <<<"$out"
}
check "man -l renders the manual page without warnings" renders_cleanly
man_version_is_current() {
  local text
  text=$(zcat "$man_page") && grep -q "^\\.TH LUMOCLICK 1 .*\"lumoclick $version\"" <<<"$text"
}
check "the manual page is for version $version" man_version_is_current

# --- Documentation -------------------------------------------------------------
doc=$share/doc/lumoclick
check "doc/lumoclick/LICENSE is the MIT licence" grep -q '^MIT License' "$doc/LICENSE"
check "doc/lumoclick/copyright is machine-readable" \
  grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$doc/copyright"
check "doc/lumoclick/changelog.Debian.gz is gzip -n compressed" is_reproducible_gzip "$doc/changelog.Debian.gz"
changelog_is_current() {
  local text
  text=$(zcat "$doc/changelog.Debian.gz") && [[ ${text%%$'\n'*} == "lumoclick ($version) "* ]]
}
check "the changelog's latest entry is version $version" changelog_is_current

# --- Permissions ---------------------------------------------------------------
sane_modes() {
  local bad
  bad=$(find "$root" \( -type d ! -perm 755 \) -o \( -type f ! -path "$usr/bin/*" ! -perm 644 \) \
    -o \( -type f -path "$usr/bin/*" ! -perm 755 \))
  [ -z "$bad" ] || { stat -c '%A %n' $bad; return 1; }
}
check "folders and programs are 755, other files 644" sane_modes

# --- Relocation ------------------------------------------------------------------
# Another prefix: every file must land below it, none at an absolute place.
moved=$scratch/moved
relocates() {
  stage "$moved" /opt/lumoclick || return 1
  local outside
  outside=$(cd "$moved" && find . -type f ! -path './opt/lumoclick/*')
  [ -z "$outside" ] || { echo "outside the prefix: $outside"; return 1; }
  [ "$(cd "$moved/opt/lumoclick" && find . -type f | sort)" = "$(cd "$usr" && find . -type f | sort)" ]
}
check "--prefix /opt/lumoclick installs the same files below that prefix" relocates

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
