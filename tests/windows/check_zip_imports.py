#!/usr/bin/env python3
"""check_zip_imports.py ZIP: fails when an .exe or .dll in the Windows zip
imports a DLL that is neither in the zip nor part of Windows itself, so the
program would not start on a bare Windows. Reads the import tables with
x86_64-w64-mingw32-objdump -p."""
import re
import subprocess
import sys
import tempfile
import zipfile
from pathlib import Path

# DLLs every 64-bit Windows 10 and later has.
WINDOWS_DLLS = {
    "advapi32.dll", "authz.dll", "bcrypt.dll", "comctl32.dll", "comdlg32.dll", "crypt32.dll", "d3d11.dll",
    "d3d9.dll", "dnsapi.dll", "dwmapi.dll", "dwrite.dll", "dxgi.dll", "gdi32.dll", "imm32.dll", "iphlpapi.dll",
    "kernel32.dll", "mpr.dll", "msvcrt.dll", "ncrypt.dll", "netapi32.dll", "ntdll.dll", "ole32.dll",
    "oleaut32.dll", "rpcrt4.dll", "secur32.dll", "setupapi.dll", "shcore.dll", "shell32.dll", "shlwapi.dll",
    "user32.dll", "userenv.dll", "uxtheme.dll", "version.dll", "winmm.dll", "winspool.drv", "ws2_32.dll",
    "wtsapi32.dll", "d2d1.dll", "d3d12.dll", "dcomp.dll", "wininet.dll", "winhttp.dll", "normaliz.dll",
}


def imports(binary: Path) -> list[str]:
    dump = subprocess.run(["x86_64-w64-mingw32-objdump", "-p", str(binary)], check=True, capture_output=True,
                          text=True).stdout
    return re.findall(r"^\s*DLL Name: (\S+)", dump, re.MULTILINE)


def main() -> int:
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    with tempfile.TemporaryDirectory() as folder, zipfile.ZipFile(sys.argv[1]) as archive:
        archive.extractall(folder)
        binaries = [p for p in Path(folder).rglob("*") if p.suffix.lower() in (".exe", ".dll")]
        shipped = {p.name.lower() for p in binaries}
        missing = 0
        for binary in sorted(binaries):
            for dll in imports(binary):
                name = dll.lower()
                if name in shipped or name in WINDOWS_DLLS or name.startswith(("api-ms-win-", "ext-ms-win-")):
                    continue
                print(f"{binary.relative_to(folder)} imports {dll}, which is neither in the zip nor part of Windows")
                missing += 1
        if not any(p.name.lower() == "lumoclick.exe" for p in binaries):
            print("the zip holds no lumoclick.exe")
            missing += 1
        print(f"zip imports: {len(binaries)} binaries read, {missing} missing DLLs")
        return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main())
