#!/usr/bin/env python3
"""The English translation is whole and in step with the sources.

Runs lupdate over the sources into a copy of lumoclick_en.ts: the copy must
come out unchanged (no text added, changed or gone since the file was last
updated) and every message must be translated, keep the source's %N
placeholders and have at most one mnemonic."""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

lupdate, source_dir, source_list = sys.argv[1:4]
ts = f"{source_dir}/translations/lumoclick_en.ts"
failures = []
with tempfile.TemporaryDirectory() as tmp:
    copy = f"{tmp}/lumoclick_en.ts"
    shutil.copy(ts, copy)
    subprocess.run([lupdate, "-I", source_dir, "-no-obsolete", "-locations", "none", "@" + source_list,
                    "-ts", copy], check=True, capture_output=True)
    with open(ts, encoding="utf-8") as a, open(copy, encoding="utf-8") as b:
        if a.read() != b.read():
            failures.append("lumoclick_en.ts is out of step with the sources: "
                            "run the update_translations target and translate what is new")
    for context in ET.parse(copy).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source")
            translation = message.find("translation")
            english = translation.text or ""
            if translation.get("type") == "unfinished" or not english.strip():
                failures.append(f"untranslated in {name}: {source!r}")
                continue
            if sorted(re.findall(r"%\d", source)) != sorted(re.findall(r"%\d", english)):
                failures.append(f"placeholders differ in {name}: {source!r} -> {english!r}")
            if english.replace("&&", "").count("&") > 1:
                failures.append(f"more than one mnemonic in {name}: {english!r}")
            if re.search("[\u4e00-\u9fff]", english):
                failures.append(f"Chinese left in the English of {name}: {english!r}")
for failure in failures:
    print(failure)
print(f"{len(failures)} problem(s)")
sys.exit(1 if failures else 0)
