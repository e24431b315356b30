#!/usr/bin/env bash
# test-windows.sh: the Windows tier. Builds the windows preset and its zip,
# checks what the zip's programs import, and runs the program from the
# unpacked zip under Wine and Xvfb in a fresh prefix (tests/windows). Needs
# the Qt for Windows that tools/build-qt-windows.sh makes; without it, says
# so in one line and exits 77 (skipped).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
if ! prefix=$(bash tools/build-qt-windows.sh --check 2>/dev/null); then
    echo "windows tier skipped: no Qt for Windows in the cache; 'bash tools/build-qt-windows.sh' builds it (about an hour)"
    exit 77
fi
started=$(date +%s)
cmake --preset windows -DLUMO_QT_WINDOWS_PREFIX="$prefix" >/dev/null
cmake --build --preset windows
(cd build/windows && cpack -G ZIP >/dev/null)
zip=$(ls build/windows/lumoclick-*-win64.zip)
echo "windows tier: built $zip ($(du -k "$zip" | cut -f1) KiB) in $(($(date +%s) - started)) s"
status=0
python3 tests/windows/check_zip_imports.py "$zip" || status=1

# The click target and the installer stand-in, from the Windows unit tier's project.
cmake -S tests/win32 -B build/windows-tools -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" >/dev/null
cmake --build build/windows-tools --target win32_click_target win32_setup_stub >/dev/null
rm -rf build/windows-tier
tools/with-xvfb python3 tests/windows/windows_tier.py "$zip" build/windows-tools build/windows-tier || status=1
exit "$status"
