#!/usr/bin/env python3
"""windows_tier.py ZIP TOOLS OUT: the Windows program from its zip, run under
Wine on the X display of the caller (tools/with-xvfb), in a fresh Wine
prefix, against a Win32 click target.

ZIP is lumoclick-<version>-win64.zip, TOOLS the folder with
win32_click_target.exe and win32_setup_stub.exe, OUT a folder for the
screenshots and logs. Prints one line per check and 'N passed, N failed'."""
import hashlib
import http.server
import os
import shutil
import subprocess
import sys
import threading
import time
import zipfile
from pathlib import Path

WINE = "/usr/lib/wine/wine64"
WINESERVER = "/usr/lib/wine/wineserver"
TITLE = "Tarvik鼠标点击器V1.0"
TARGET_TITLE = "lumo click target"


class Tier:
    def __init__(self, zip_path: Path, tools: Path, out: Path):
        self.zip_path, self.tools, self.out = zip_path, tools, out
        self.passed = self.failed = 0
        self.env = dict(os.environ, WINEPREFIX=str(out / "prefix"), WINEDEBUG="-all", WINEARCH="win64",
                        WINEDLLOVERRIDES="mscoree,mshtml=")
        self.program = None
        self.target = None

    # --- bookkeeping --------------------------------------------------------
    def check(self, name: str, ok: bool, detail: str = "") -> bool:
        print(f"{'PASS' if ok else 'FAIL'}: {name}" + (f" ({detail})" if detail else ""), flush=True)
        if ok:
            self.passed += 1
        else:
            self.failed += 1
        return ok

    # --- X and Wine ---------------------------------------------------------
    def xdotool(self, *args: str, timeout: float = 20) -> subprocess.CompletedProcess:
        return subprocess.run(["xdotool", *args], capture_output=True, text=True, timeout=timeout)

    def wait_window(self, name: str, timeout: float = 60) -> str | None:
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            found = self.xdotool("search", "--onlyvisible", "--name", f"^{name}$")
            if found.returncode == 0 and found.stdout.split():
                return found.stdout.split()[0]
            time.sleep(0.25)
        return None

    def geometry(self, window: str) -> tuple[int, int, int, int]:
        values = {}
        for line in self.xdotool("getwindowgeometry", "--shell", window).stdout.splitlines():
            key, _, value = line.partition("=")
            values[key] = int(value) if value.lstrip("-").isdigit() else value
        return values["X"], values["Y"], values["WIDTH"], values["HEIGHT"]

    def screenshot(self, name: str) -> Path:
        path = self.out / f"{name}.png"
        subprocess.run(["import", "-window", "root", str(path)], check=True, timeout=30)
        return path

    def click(self, x: int, y: int) -> None:
        self.xdotool("mousemove", "--sync", str(x), str(y))
        self.xdotool("click", "1")
        time.sleep(0.4)

    def make_prefix(self) -> bool:
        for _ in range(3):
            subprocess.run([WINESERVER, "-k"], env=self.env, capture_output=True)
            shutil.rmtree(self.out / "prefix", ignore_errors=True)
            subprocess.run([WINE, "wineboot", "--init"], env=self.env, capture_output=True, timeout=300)
            subprocess.run([WINESERVER, "-w"], env=self.env, capture_output=True, timeout=300)
            echo = subprocess.run([WINE, "cmd", "/c", "echo", "ok"], env=self.env, capture_output=True, text=True,
                                  timeout=120)
            if (self.out / "prefix" / "system.reg").exists() and echo.stdout.strip() == "ok":
                return True
        return False

    def unpack(self, name: str) -> Path:
        folder = self.out / name
        shutil.rmtree(folder, ignore_errors=True)
        with zipfile.ZipFile(self.zip_path) as archive:
            archive.extractall(folder)
        return folder

    def start_program(self, folder: Path, page: str) -> str | None:
        env = dict(self.env, LUMOCLICK_UPDATE_PAGE=page)
        self.program = subprocess.Popen([WINE, str(folder / "lumoclick.exe")], cwd=folder, env=env,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return self.wait_window(TITLE)

    def stop_program(self) -> None:
        for process in (self.program, self.target):
            if process and process.poll() is None:
                process.kill()
        self.program = self.target = None
        subprocess.run([WINESERVER, "-k"], env=self.env, capture_output=True)
        time.sleep(1)

    def start_target(self, log: Path) -> str | None:
        log.unlink(missing_ok=True)
        self.target = subprocess.Popen([WINE, str(self.tools / "win32_click_target.exe"), str(log)], env=self.env,
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        window = self.wait_window(TARGET_TITLE)
        if window:
            # Wine hears keys only while one of its windows has the X focus.
            self.xdotool("windowfocus", "--sync", window)
        return window

    @staticmethod
    def presses(log: Path) -> list[tuple[int, int, int, int]]:
        if not log.exists():
            return []
        result = []
        for line in log.read_text().splitlines():
            parts = line.split()
            if len(parts) == 5 and parts[0] == "press":
                result.append(tuple(int(p) for p in parts[1:]))
        return result

    # --- the checks ---------------------------------------------------------
    def main_window_and_tabs(self, folder: Path, page: str) -> None:
        window = self.start_program(folder, page)
        if not self.check("the program starts and shows its main window with its title", window is not None):
            return
        time.sleep(2)
        x, y, width, height = self.geometry(window)
        self.check("the main window has the described client size", (width, height) == (549, 404),
                   f"{width}x{height}")
        self.screenshot("tab-single")
        # The tab row: four tabs from the page control's left edge, 25 px high.
        for index, name in ((1, "tab-scripts"), (2, "tab-timed"), (3, "tab-help")):
            self.click(x + 3 + 40 + index * 85, y + 90 + 12)
            self.screenshot(name)
        self.click(x + 3 + 40, y + 90 + 12)
        self.stop_program()

    def single_point(self, folder: Path, page: str) -> None:
        settings = ("[setting]\r\nbtn1=左键\r\nbtn_type=单击\r\ntime=0.1\r\nhotkey1=Ctrl\r\nhotkey2=F3\r\n"
                    "click=100000\r\nxpos=300\r\nypos=250\r\n")
        (folder / "setting.ini").write_bytes(settings.encode("gbk"))
        window = self.start_program(folder, page)
        if not self.check("the program starts with a GBK setting.ini", window is not None):
            return
        time.sleep(1)
        x, y, _, _ = self.geometry(window)
        # "指定坐标" on the first tab: the fixed position box.
        self.click(x + 3 + 2 + 6 + 12 + 30, y + 90 + 27 + 6 + 129 + 10)
        self.screenshot("single-fixed")
        log = self.out / "single.log"
        if not self.check("the click target starts", self.start_target(log) is not None):
            return
        self.xdotool("key", "ctrl+F3")
        time.sleep(3)
        self.xdotool("key", "ctrl+F3")
        time.sleep(1)
        clicks = self.presses(log)
        settled = len(clicks)
        time.sleep(1.5)
        after = len(self.presses(log))
        self.check("the start hotkey starts clicking", len(clicks) >= 10, f"{len(clicks)} presses in 3 s")
        self.check("every click lands on the set position with the left button",
                   bool(clicks) and all(c[:3] == (1, 300, 250) for c in clicks),
                   str(sorted({c[:3] for c in clicks})))
        gaps = sorted(b[3] - a[3] for a, b in zip(clicks, clicks[1:]))
        median = gaps[len(gaps) // 2] if gaps else -1
        self.check("the clicks come at the set period of 100 ms", 80 <= median <= 120, f"median gap {median} ms")
        self.check("the same hotkey stops them", after == settled, f"{settled} then {after}")
        self.stop_program()

    def update(self, page_folder: Path, server_port: int) -> None:
        stub = (self.tools / "win32_setup_stub.exe").read_bytes()
        digest = hashlib.sha256(stub).hexdigest()
        (page_folder / "setup.exe").write_bytes(stub)
        for name, sha in (("good", digest), ("bad", "0" * 64)):
            (page_folder / f"{name}.html").write_text(
                "<html><script>var app_close=0, app_version='3.8', app_hp='', app_showtip='', app_showkey='', "
                f"app_url='http://127.0.0.1:{server_port}/setup.exe', app_hname='', app_hurl='', "
                f"app_sha256='{sha}';</script></html>", encoding="utf-8")

        folder = self.unpack("app-update")
        window = self.start_program(folder, f"http://127.0.0.1:{server_port}/good.html")
        self.check("the program starts with an update on offer", window is not None)
        deadline = time.monotonic() + 60
        marker = folder / "setup-ran.txt"
        while time.monotonic() < deadline and not (marker.exists() and self.program.poll() is not None):
            time.sleep(0.5)
        installer = folder / "setup.exe"
        self.check("setup.exe is downloaded byte for byte", installer.exists() and installer.read_bytes() == stub)
        self.check("setup.exe is started", marker.exists())
        self.check("the program ends for the installer", self.program.poll() is not None)
        self.stop_program()

        folder = self.unpack("app-update-bad")
        self.start_program(folder, f"http://127.0.0.1:{server_port}/bad.html")
        box = None
        deadline = time.monotonic() + 60
        while time.monotonic() < deadline and box is None:
            found = self.xdotool("search", "--onlyvisible", "--name", ".")
            names = [self.xdotool("getwindowname", w).stdout.strip() for w in found.stdout.split()]
            failure = [w for w, n in zip(found.stdout.split(), names) if n and n not in (TITLE,) and "下载" not in n]
            box = failure[0] if failure else None
            time.sleep(0.5)
        self.screenshot("update-failure")
        self.check("a wrong hash gives the failure box", box is not None)
        self.check("a wrong hash leaves no setup.exe", not (folder / "setup.exe").exists())
        self.stop_program()


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args) -> None:
        pass


def main() -> int:
    if len(sys.argv) != 4:
        print(__doc__, file=sys.stderr)
        return 2
    zip_path, tools, out = Path(sys.argv[1]).resolve(), Path(sys.argv[2]).resolve(), Path(sys.argv[3]).resolve()
    out.mkdir(parents=True, exist_ok=True)
    pages = out / "pages"
    pages.mkdir(exist_ok=True)
    server = http.server.ThreadingHTTPServer(
        ("127.0.0.1", 0), lambda *a, **k: QuietHandler(*a, directory=str(pages), **k))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    port = server.server_address[1]
    no_update = f"http://127.0.0.1:{port}/none.html"

    tier = Tier(zip_path, tools, out)
    started = time.monotonic()
    if not tier.check("a fresh Wine prefix", tier.make_prefix()):
        print(f"0 passed, {tier.failed} failed")
        return 1
    try:
        tier.main_window_and_tabs(tier.unpack("app"), no_update)
        tier.single_point(tier.unpack("app-single"), no_update)
        tier.update(pages, port)
    finally:
        tier.stop_program()
        server.shutdown()
    print(f"windows tier: {time.monotonic() - started:.0f} s; screenshots in {out}")
    print(f"{tier.passed} passed, {tier.failed} failed")
    return 1 if tier.failed else 0


if __name__ == "__main__":
    sys.exit(main())
