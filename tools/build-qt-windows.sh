#!/usr/bin/env bash
# build-qt-windows.sh: cross-builds, from Debian's own source packages, the
# parts of Qt that lumoclick uses, for 64-bit Windows with Debian's
# mingw-w64, into a cache outside the checkout. Run as root on Debian 12
# (it installs its build tools and adds a deb-src entry). A second run finds
# the stamp and does nothing. Prints the prefix on its last line.
#
#   --check                only print the prefix when it is built (exit 1 if not)
#   LUMO_QT_WINDOWS_CACHE  the cache folder (default ~/.cache/lumoclick/qt-windows)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
started=$(date +%s)
cache=${LUMO_QT_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/lumoclick/qt-windows}
toolchain=$root/cmake/mingw-w64-x86_64.cmake

# Only what the program uses: Core, Gui, Widgets, Network (schannel for
# https), Sql with SQLite, the windows platform plugin, the windowsvista
# style and the JPEG plugin. Debian's repack drops wintab.h, so tablet
# events go; without OpenGL the platform plugin needs dynamicgl off.
qt_features=(
    -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF -DFEATURE_vulkan=OFF -DFEATURE_dbus=OFF
    -DFEATURE_printsupport=OFF -DFEATURE_tabletevent=OFF -DFEATURE_testlib=OFF
    -DFEATURE_sql_sqlite=ON -DFEATURE_system_sqlite=ON -DFEATURE_sql_odbc=OFF -DFEATURE_sql_psql=OFF
    -DFEATURE_sql_mysql=OFF -DFEATURE_sql_ibase=OFF -DFEATURE_sql_oci=OFF -DFEATURE_sql_db2=OFF
    -DFEATURE_openssl=OFF -DFEATURE_schannel=ON
    -DFEATURE_jpeg=ON -DFEATURE_system_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_ico=ON
    -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF -DFEATURE_system_doubleconversion=OFF
    -DFEATURE_zstd=OFF -DFEATURE_brotli=OFF -DFEATURE_sql_sqlite_extensions=OFF
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DBUILD_SHARED_LIBS=ON
)

# The prefix is keyed by Debian's Qt version and the options above.
qt_prefix() {
    local version key
    version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null) || return 1
    key=$(printf '%s\n' "${qt_features[@]}" | cat - "$toolchain" | sha256sum | cut -c1-12)
    echo "$cache/${version//[^A-Za-z0-9.+-]/_}-$key"
}
if [ "${1:-}" = --check ]; then
    prefix=$(qt_prefix) && [ -f "$prefix/.complete" ] || exit 1
    echo "$prefix"
    exit 0
fi

pkgs=(g++-mingw-w64-x86-64-posix cmake ninja-build dpkg-dev tcl qt6-base-dev-tools qt6-base-dev)
missing=()
for p in "${pkgs[@]}"; do dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p"); done

dpkg -s qt6-base-dev >/dev/null 2>&1 || { apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq qt6-base-dev >/dev/null; }
qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
prefix=$(qt_prefix)
stamp=$prefix/.complete
if [ -f "$stamp" ]; then
    echo "build-qt-windows: Qt $qt_version for Windows is already built"
    echo "$prefix"
    exit 0
fi

# Debian's source packages: a deb-src entry for the suites the binary
# packages come from.
sources=/etc/apt/sources.list.d/lumoclick-src.sources
if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ && ! grep -qs '^deb-src' /etc/apt/sources.list; then
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
        sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources >"$sources"
    else
        sed -n 's/^deb /deb-src /p' /etc/apt/sources.list >/etc/apt/sources.list.d/lumoclick-src.list
    fi
    missing+=(update-only)
fi
if [ ${#missing[@]} -gt 0 ]; then
    apt-get update -qq
    real=()
    for p in "${missing[@]}"; do [ "$p" = update-only ] || real+=("$p"); done
    [ ${#real[@]} -eq 0 ] || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${real[@]}" >/dev/null
fi

# An interrupted build goes on where it stopped: the work folder stays until
# the install is complete, and belongs to this prefix only.
work=$cache/work
src=$cache/src
if [ "$(cat "$work/prefix" 2>/dev/null)" != "$prefix" ]; then
    rm -rf "$work"
fi
mkdir -p "$work" "$src"
echo "$prefix" >"$work/prefix"
fetch() { # fetch PACKAGE DIR: unpacks Debian's source of PACKAGE into $src/DIR
    [ -d "$src/$2" ] && return 0
    (cd "$src" && apt-get source -qq --download-only "$1" >/dev/null 2>&1 || apt-get source -qq --download-only "$1")
    (cd "$src" && dpkg-source -x "$(ls -t "$1"_*.dsc | head -1)" "$2.tmp" >/dev/null && mv "$2.tmp" "$2")
}
fetch qt6-base qtbase
fetch sqlite3 sqlite

# SQLite: the amalgamation made by the host, compiled by mingw into a static
# library that the SQLite driver links.
mkdir -p "$work/sqlite" "$prefix/lib" "$prefix/include"
if [ ! -f "$prefix/lib/libsqlite3.a" ]; then
    (cd "$work/sqlite" && "$src/sqlite/configure" >/dev/null && make -s sqlite3.c >/dev/null)
    x86_64-w64-mingw32-gcc-posix -O2 -c "$work/sqlite/sqlite3.c" -o "$work/sqlite/sqlite3.o" \
        -DSQLITE_THREADSAFE=1 -DSQLITE_OMIT_LOAD_EXTENSION -DSQLITE_ENABLE_COLUMN_METADATA
    x86_64-w64-mingw32-ar rcs "$prefix/lib/libsqlite3.a.tmp" "$work/sqlite/sqlite3.o"
    mv "$prefix/lib/libsqlite3.a.tmp" "$prefix/lib/libsqlite3.a"
    cp "$work/sqlite/sqlite3.h" "$prefix/include/"
fi

[ -f "$work/qtbase/build.ninja" ] || cmake -S "$src/qtbase" -B "$work/qtbase" -G Ninja -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DSQLite3_INCLUDE_DIR="$prefix/include" -DSQLite3_LIBRARY="$prefix/lib/libsqlite3.a" \
    "${qt_features[@]}" >"$work/qtbase-configure.log"
# More jobs than cores: the compiler waits on the disk now and then.
cmake --build "$work/qtbase" -j "$(($(nproc) + 2))"
cmake --install "$work/qtbase" >/dev/null

cp -a "$src/qtbase/LICENSES" "$prefix/LICENSES" 2>/dev/null || true
rm -rf "$work"
touch "$stamp"
echo "build-qt-windows: built Qt $qt_version for Windows in $(($(date +%s) - started)) s"
echo "$prefix"
