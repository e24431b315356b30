#!/usr/bin/env bash
# Checks the Debian package that tests/install/build-deb.sh built: its
# control fields, its contents with dpkg-deb, and the whole upload with
# lintian.
#
#   bash tests/install/build-deb.sh OUT_DIR
#   bash tests/install/check-deb.sh OUT_DIR VERSION
#
# VERSION is the project's (CMakeLists.txt); debian/changelog must give the
# package the same. Needs dpkg-dev and lintian. Lintian errors and warnings
# fail the check; its informational tags are printed.
set -uo pipefail

if [ $# -ne 2 ] || [ ! -d "$1" ]; then
  echo "usage: $0 OUT_DIR VERSION   (OUT_DIR as tests/install/build-deb.sh left it)" >&2
  exit 2
fi
out=$(cd "$1" && pwd)
version=$2
for tool in dpkg-deb lintian readelf; do
  if ! command -v "$tool" >/dev/null; then
    echo "$0: $tool is missing; run tools/setup.sh" >&2
    exit 2
  fi
done

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
check() {
  local what=$1
  shift
  if "$@" >"$log" 2>&1; then pass "$what"; else fail "$what"; fi
  : >"$log"
}
finish() {
  echo "$passed passed, $failed failed"
  [ "$failed" -eq 0 ]
  exit
}

# --- The files dpkg-buildpackage left ----------------------------------------------
arch=$(dpkg --print-architecture)
deb=$out/lumoclick_${version}_${arch}.deb
changes=$out/lumoclick_${version}_${arch}.changes
if [ ! -f "$deb" ]; then
  ls -1 "$out" >"$log" 2>&1
  fail "the package is named $(basename "$deb") (is debian/changelog at version $version?)"
  finish
fi
pass "the package is named $(basename "$deb")"
check "the upload is described in $(basename "$changes")" test -f "$changes"
only_one_deb() {
  local debs=("$out"/lumoclick_*.deb)
  [ ${#debs[@]} -eq 1 ] || { ls -1 "$out"; return 1; }
}
check "one lumoclick package, no other" only_one_deb

# --- Control fields --------------------------------------------------------------
echo "--- dpkg-deb -I $(basename "$deb")"
dpkg-deb -I "$deb"
field() { dpkg-deb -f "$deb" "$1"; }
field_is() { [ "$(field "$1")" = "$2" ] || { echo "$1: $(field "$1")"; return 1; }; }
check "Package: lumoclick" field_is Package lumoclick
check "Version: $version" field_is Version "$version"
check "Architecture: $arch" field_is Architecture "$arch"
check "Section: utils" field_is Section utils
check "Priority: optional" field_is Priority optional
check "Maintainer is set" field_is Maintainer "lumoclick developers <dev@lumoclick.example>"
check "Homepage is set" field_is Homepage "https://www.lumoclick.example/"

depends=$(field Depends)
recommends=$(field Recommends)
# listed_in LIST WORD: WORD is one of the comma-separated relations of LIST
# (with or without a version), or, with a |, one alternative list.
listed_in() {
  local item
  IFS=',' read -ra items <<<"$1"
  for item in "${items[@]}"; do
    item=$(sed -E 's/^ +| +$//g; s/ *\([^)]*\)//g' <<<"$item")
    [ "$item" = "$2" ] && return 0
  done
  echo "Depends: $depends"
  echo "Recommends: $recommends"
  return 1
}
depends_on() { listed_in "$depends" "$1"; }
recommends() { listed_in "$recommends" "$1"; }
not_depends_on() { ! listed_in "$depends" "$1" >/dev/null; }
check "Depends on the SQLite driver libqt6sql6-sqlite" depends_on libqt6sql6-sqlite
# The program runs without them: it shows an address it cannot open, and
# Qt falls back to another font.
check "Recommends xdg-utils" recommends xdg-utils
check "Recommends a Chinese font: fonts-wqy-zenhei | fonts-noto-cjk" recommends "fonts-wqy-zenhei | fonts-noto-cjk"
check "Recommends Qt's own translations" recommends qt6-translations-l10n
check "Does not depend on xdg-utils" not_depends_on xdg-utils
# These come from dpkg-shlibdeps, with versions.
for lib in libqt6core6 libqt6gui6 libqt6widgets6 libqt6sql6 libx11-6 libc6; do
  check "Depends on $lib (found by dpkg-shlibdeps)" depends_on "$lib"
done
versioned_qt() { grep -qE 'libqt6widgets6 \(>= [^)]+\)' <<<"$depends" || { echo "Depends: $depends"; return 1; }; }
check "the shlibdeps dependencies carry versions" versioned_qt
has_extended_description() { [ "$(field Description | wc -l)" -gt 2 ]; }
check "Description has a synopsis and an extended description" has_extended_description

# --- Contents ----------------------------------------------------------------------
echo "--- dpkg-deb -c $(basename "$deb")"
dpkg-deb -c "$deb" | tee "$scratch/contents"
contains() { grep -qE " \./$1\$" "$scratch/contents" || { echo "./$1 is not in the package"; return 1; }; }
for path in usr/bin/lumoclick usr/share/lumoclick/acdb.mdb usr/share/lumoclick/help.html \
  usr/share/applications/io.github.lumoclick.LumoClick.desktop \
  usr/share/metainfo/io.github.lumoclick.LumoClick.metainfo.xml \
  usr/share/icons/hicolor/scalable/apps/lumoclick.svg usr/share/icons/hicolor/256x256/apps/lumoclick.png \
  usr/share/man/man1/lumoclick.1.gz usr/share/doc/lumoclick/copyright usr/share/doc/lumoclick/changelog.gz; do
  check "contains /$path" contains "$path"
done
only_lumoclick_in_bin() {
  local extra
  extra=$(grep -E ' \./usr/bin/.' "$scratch/contents" | grep -vE ' \./usr/bin/lumoclick$')
  [ -z "$extra" ] || { echo "$extra"; return 1; }
}
check "usr/bin holds lumoclick and nothing else" only_lumoclick_in_bin
owned_by_root() {
  local other
  other=$(awk '$2 != "root/root"' "$scratch/contents")
  [ -z "$other" ] || { echo "$other"; return 1; }
}
check "every entry belongs to root/root" owned_by_root
sane_modes() {
  local bad
  bad=$(awk '($1 ~ /^d/ && $1 != "drwxr-xr-x") ||
             ($1 ~ /^-/ && $6 ~ /^\.\/usr\/bin\// && $1 != "-rwxr-xr-x") ||
             ($1 ~ /^-/ && $6 !~ /^\.\/usr\/bin\// && $1 != "-rw-r--r--")' "$scratch/contents")
  [ -z "$bad" ] || { echo "$bad"; return 1; }
}
check "folders and programs are 755, other files 644" sane_modes

dpkg-deb -x "$deb" "$scratch/root"
program=$scratch/root/usr/bin/lumoclick
stripped() { ! readelf -S "$program" | grep -q '\.symtab'; }
check "the program is stripped" stripped
hardened() {
  local dynamic
  dynamic=$(readelf -d "$program")
  readelf -h "$program" | grep -q 'DYN (Position-Independent Executable' || { echo "not PIE"; return 1; }
  readelf -l "$program" | grep -q GNU_RELRO || { echo "no RELRO"; return 1; }
  grep -qE 'BIND_NOW|FLAGS.*NOW' <<<"$dynamic" || { echo "no BIND_NOW"; return 1; }
}
check "the program is PIE with full RELRO" hardened
doc=$scratch/root/usr/share/doc/lumoclick
check "the copyright file is machine-readable" \
  grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' "$doc/copyright"
changelog_is_current() {
  local text
  text=$(zcat "$doc/changelog.gz") && [[ ${text%%$'\n'*} == "lumoclick ($version) "* ]] ||
    { echo "${text%%$'\n'*}"; return 1; }
}
check "the changelog's latest entry is version $version" changelog_is_current
no_rpath() { ! readelf -d "$program" | grep -qE 'RPATH|RUNPATH'; }
check "the program carries no RPATH" no_rpath

# --- lintian ---------------------------------------------------------------------
# The .changes: the package, its debug symbols and the build information.
# Justified exceptions stand in debian/*lintian-overrides with their reason.
echo "--- lintian --info --tag-display-limit 0 $(basename "$changes")"
lintian --info --tag-display-limit 0 "$changes" >"$scratch/lintian" 2>&1
lintian_status=$?
cat "$scratch/lintian"
no_lintian_errors() { ! grep -E '^E: ' "$scratch/lintian" && [ "$lintian_status" -le 1 ]; }
check "lintian reports no error" no_lintian_errors
no_lintian_warnings() { ! grep -E '^W: ' "$scratch/lintian"; }
check "lintian reports no warning" no_lintian_warnings

finish
