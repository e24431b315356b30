#!/usr/bin/env bash
# test-win32.sh [BUILD_DIR]: cross-builds the Windows calls of the program and
# their tests with mingw-w64 and runs them under Wine, in a fresh Wine prefix
# inside BUILD_DIR (default build/win32), against a private Xvfb server.
# Needs the packages of tools/setup.sh.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(mkdir -p "${1:-$root/build/win32}" && cd "${1:-$root/build/win32}" && pwd)
wine=/usr/lib/wine/wine64

if [ "${LUMO_WIN32_INNER:-}" != 1 ]; then
    for tool in x86_64-w64-mingw32-g++-posix "$wine" xdotool Xvfb cmake ninja; do
        command -v "$tool" >/dev/null || { echo "test-win32: $tool is missing (run tools/setup.sh)" >&2; exit 1; }
    done
    [ -f /usr/src/googletest/CMakeLists.txt ] || { echo "test-win32: /usr/src/googletest is missing" >&2; exit 1; }
    cmake -S "$root/tests/win32" -B "$build/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
    cmake --build "$build/build"
    LUMO_WIN32_INNER=1 exec "$root/tools/with-xvfb" "$0" "$build"
fi

# From here on inside Xvfb.
export WINEPREFIX="$build/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64
rm -rf "$build/x-driver"
mkdir -p "$build/x-driver"
tests="$build/build/win32_tests.exe"

# This Wine is 64-bit only: wineboot always reports that it cannot start
# syswow64\rundll32.exe (c0000135), which does no harm by itself. What
# counts is the result: the prefix is used only once the wine server has
# finished, its registry is written and it answers a command; otherwise it
# is made again from nothing, three times at most.
make_prefix() {
    local attempt
    for attempt in 1 2 3; do
        /usr/lib/wine/wineserver -k 2>/dev/null || true
        rm -rf "$WINEPREFIX"
        if "$wine" wineboot --init && /usr/lib/wine/wineserver -w && [ -s "$WINEPREFIX/system.reg" ] &&
            [ "$("$wine" cmd /c echo ok 2>/dev/null | tr -d '\r')" = ok ]; then
            return 0
        fi
        echo "test-win32: making the Wine prefix failed (attempt $attempt)" >&2
    done
    return 1
}
make_prefix || { echo "test-win32: no usable Wine prefix after 3 attempts" >&2; exit 1; }

# The Run key exists on every Windows; the program only ever opens it.
"$wine" reg add 'HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\Run' /f >/dev/null

# Serves the tests' xdotool requests (see tests/win32/XDriver.h) until the
# tests end.
serve() {
    local n=0 request args output code
    while kill -0 "$1" 2>/dev/null; do
        request="$build/x-driver/$n.request"
        if [ -f "$request" ]; then
            mapfile -t args <"$request"
            code=0
            output=$(timeout 20 xdotool "${args[@]}" 2>&1) || code=$?
            printf '%s\n%s\n' "$code" "$output" >"$build/x-driver/$n.tmp"
            mv "$build/x-driver/$n.tmp" "$build/x-driver/$n.reply"
            n=$((n + 1))
        else
            sleep 0.05
        fi
    done
}

status=0
LUMO_X_DRIVER="$build/x-driver" "$wine" "$tests" &
tests_pid=$!
serve "$tests_pid" &
wait "$tests_pid" || status=$?

# Once more as a user in China with the regional settings Windows gives that
# locale. Wine's own data for it writes hours with a leading zero and would
# put its own values back if the locale changed after they were written, so
# they go in under that locale.

international='HKCU\Control Panel\International'
for setting in sTimeFormat=H:mm:ss iTLZero=0 iTime=1 iTimePrefix=0 sTime=:; do
    LC_ALL=zh_CN.UTF-8 "$wine" reg add "$international" /v "${setting%%=*}" /t REG_SZ /d "${setting#*=}" /f >/dev/null
done
LC_ALL=zh_CN.UTF-8 "$wine" "$tests" --gtest_filter='TimePieces.*' || status=$?

/usr/lib/wine/wineserver -k 2>/dev/null || true
exit "$status"
