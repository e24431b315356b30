#!/usr/bin/env bash
# Makes the Debian package of a build with CPack and checks it with dpkg-deb
# and lintian.
#
#   cmake --build BUILD_DIR --target lumo_packaging
#   bash tests/install/check-deb.sh BUILD_DIR
#
# Needs dpkg-dev (dpkg-shlibdeps) and lintian. Lintian errors fail the check;
# its warnings are printed.
set -uo pipefail

if [ $# -ne 1 ] || [ ! -f "$1/CPackConfig.cmake" ]; then
  echo "usage: $0 BUILD_DIR   (a configured and built CMake build folder holding CPackConfig.cmake)" >&2
  exit 2
fi
build=$(cd "$1" && pwd)
for tool in cpack dpkg-deb dpkg-shlibdeps lintian readelf; do
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

# --- Making the package ----------------------------------------------------------
rm -f "$build"/lumoclick_*.deb
if (cd "$build" && cpack -G DEB) >"$log" 2>&1; then
  pass "cpack -G DEB"
else
  fail "cpack -G DEB (build the target lumo_packaging first)"
  finish
fi
debs=("$build"/lumoclick_*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
  fail "cpack made exactly one lumoclick_*.deb"
  finish
fi
deb=${debs[0]}
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$build/CMakeCache.txt")
arch=$(dpkg --print-architecture)
check "the package is named $(basename "$deb")" [ "$(basename "$deb")" = "lumoclick_${version}_${arch}.deb" ]

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
  usr/share/man/man1/lumoclick.1.gz usr/share/doc/lumoclick/copyright usr/share/doc/lumoclick/changelog.Debian.gz; do
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
no_rpath() { ! readelf -d "$program" | grep -qE 'RPATH|RUNPATH'; }
check "the program carries no RPATH" no_rpath

# --- lintian ---------------------------------------------------------------------
echo "--- lintian --no-tag-display-limit $(basename "$deb")"
lintian --no-tag-display-limit "$deb" >"$scratch/lintian" 2>&1
lintian_status=$?
cat "$scratch/lintian"
no_lintian_errors() {
  ! grep -E '^E: ' "$scratch/lintian" && [ "$lintian_status" -le 1 ]
}
check "lintian reports no error" no_lintian_errors
grep -c '^W: ' "$scratch/lintian" | xargs -I{} echo "      (lintian warnings: {})"

finish
