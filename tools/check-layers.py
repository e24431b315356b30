#!/usr/bin/env python3
"""Checks that includes point down the layers, that no form-designer name
(btn7, lv2, N3Click, TFrm_..., TMyThread, idhtp1, FormShow) is back in the code
or its comments, and that Win32 names (message box flags, mouse event flags,
virtual key codes) stay in platform/win32/ and the Win32 tier's tests.

Layers, lowest first; a folder may include its own layer and those below it,
never a folder above. The platform interface, core/ and storage/ include no
widget header (the backends below platform/ implement message boxes and
window requests with widgets). Prints every offence and ends with a line
"N passed, N failed", a file each."""
import pathlib
import re
import subprocess
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
RANK = {
    "platform": 0,
    "core": 1,
    "storage": 2,
    "widgets": 3,
    "singlepoint": 4,
    "steps": 4,
    "update": 4,
    "scripts": 5,
    "timed": 5,
    "app": 6,
}
# Folders of one rank that still must not reach each other.
SIBLINGS_APART = [{"singlepoint", "steps", "update"}, {"scripts", "timed"}]
NO_WIDGETS = {"platform", "core", "storage"}
WIDGET_HEADER = re.compile(r"#include\s*<(QtWidgets/)?(Q(Widget|Dialog|Label|PushButton|LineEdit|ComboBox|"
                           r"CheckBox|GroupBox|TreeWidget|TabWidget|MessageBox|Menu|Action|Application|"
                           r"SystemTrayIcon|TextBrowser|ProgressBar|Frame|AbstractItemView|HeaderView|"
                           r"StyledItemDelegate))>")
INCLUDE = re.compile(r'#include\s+"([a-z]+)/[^"]+"')
# Designer names: numbered controls and handlers, form classes and units.
DESIGNER = re.compile(r"\b(T[Ff]rm_\w+|U_[A-Za-z]+|btn\d+(Click)?|lv\d+|N\d+Click|tmr\d+(Timer)?|cbb\d+|edt\d+|"
                      r"chk\d+|grp\d+|lbl\d+)_?\b")
# Names of the original form units and their components and events.
LEGACY = re.compile(r"\b(TMyThread|idhtp\w*|Form(Show|Create|Close|Destroy|Activate|Resize|KeyDown|KeyPress)\w*)\b")
# Win32 spellings; only the Win32 backend and its tests use them.
WIN32_NAME = re.compile(r"\b(MB_[A-Z_]+|MOUSEEVENTF_[A-Z_]+|VK_[A-Z0-9_]+)\b")
WIN32_HOMES = (("platform", "win32"), ("tests", "win32"))
STRING = re.compile(r'"(?:[^"\\]|\\.)*"')
COMMENT = re.compile(r"//.*$")


def tracked_sources():
    out = subprocess.run(["git", "ls-files", "*.cpp", "*.h"], cwd=ROOT, capture_output=True, text=True, check=True)
    return [ROOT / line for line in out.stdout.split()]


DECLARED = re.compile(r"^(?:class|struct)\s+(\w+)\b(?!\s*;)", re.M)
FORWARD = re.compile(r"^\s*(?:class|struct)\s+(\w+)\s*;")


def classes_by_folder(files):
    """The classes and structs each ranked folder's headers define."""
    owners = {}
    for path in files:
        rel = path.relative_to(ROOT)
        if rel.parts[0] in RANK and path.suffix == ".h":
            for name in DECLARED.findall(path.read_text(encoding="utf-8")):
                owners.setdefault(name, rel.parts[0])
    return owners


def main():
    offences = []
    failed_files = set()
    files = tracked_sources()
    owners = classes_by_folder(files)
    for path in files:
        rel = path.relative_to(ROOT)
        folder = rel.parts[0]
        widget_free = folder in NO_WIDGETS and not (folder == "platform" and len(rel.parts) > 2)
        text = path.read_text(encoding="utf-8")
        for number, line in enumerate(text.splitlines(), 1):
            where = f"{rel}:{number}"
            if folder in RANK:
                match = INCLUDE.search(line)
                if match and match.group(1) in RANK:
                    target = match.group(1)
                    if RANK[target] > RANK[folder] or (
                        target != folder
                        and RANK[target] == RANK[folder]
                        and any({target, folder} <= group for group in SIBLINGS_APART)
                    ):
                        offences.append(f"{where}: {folder}/ includes {target}/, a folder above it")
                # A forward declaration names a class of a folder above as
                # surely as an include does.
                forward = FORWARD.match(line)
                if forward and RANK.get(owners.get(forward.group(1)), -1) > RANK[folder]:
                    offences.append(
                        f"{where}: {folder}/ declares {forward.group(1)} of {owners[forward.group(1)]}/, a folder above it"
                    )
                if widget_free and WIDGET_HEADER.search(line):
                    offences.append(f"{where}: {folder}/ includes a widget header")
            # Stored and shown texts keep their names (the INI key "btn1").
            unquoted = STRING.sub('""', line)
            code = COMMENT.sub("", unquoted)
            comment = COMMENT.search(unquoted)
            if not line.lstrip().startswith("#include") and DESIGNER.search(code):
                offences.append(f"{where}: designer-style name '{DESIGNER.search(code).group(0)}'")
            elif comment and DESIGNER.search(comment.group(0)):
                offences.append(f"{where}: a comment names a designer-style name")
            if LEGACY.search(unquoted):
                offences.append(f"{where}: form-unit name '{LEGACY.search(unquoted).group(0)}'")
            if rel.parts[:2] not in WIN32_HOMES and WIN32_NAME.search(unquoted):
                offences.append(f"{where}: Win32 name '{WIN32_NAME.search(unquoted).group(0)}' outside platform/win32/")
    for offence in offences:
        print(offence)
        failed_files.add(offence.split(":")[0])
    print(f"{len(files) - len(failed_files)} passed, {len(failed_files)} failed")
    return 1 if offences else 0


if __name__ == "__main__":
    sys.exit(main())
