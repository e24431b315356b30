#!/usr/bin/env bash
# Builds the Debian package from debian/ the way a distribution would, in a
# scratch copy of the tree, so that nothing is written beside the tree.
#
#   bash tests/install/build-deb.sh OUT_DIR
#
# Leaves lumoclick_*.deb, the .changes and the .buildinfo in OUT_DIR (any
# older ones are removed first). The tests run in their own tiers, so the
# package is built with DEB_BUILD_OPTIONS=nocheck. Needs dpkg-dev,
# debhelper and the Build-Depends of debian/control (tools/setup.sh).
set -euo pipefail

if [ $# -ne 1 ]; then
  echo "usage: $0 OUT_DIR" >&2
  exit 2
fi
source=$(cd "$(dirname "$0")/../.." && pwd)
mkdir -p "$1"
out=$(cd "$1" && pwd)
case "$out/" in
  "$source"/build/*) ;;
  "$source"/*) echo "$0: OUT_DIR must lie outside the tree or under its build/ folder" >&2; exit 2 ;;
esac
for tool in dpkg-buildpackage dpkg-checkbuilddeps dh; do
  command -v "$tool" >/dev/null || { echo "$0: $tool is missing; run tools/setup.sh" >&2; exit 2; }
done
(cd "$source" && dpkg-checkbuilddeps) || { echo "$0: run tools/setup.sh" >&2; exit 2; }

rm -rf "$out/src"
rm -f "$out"/lumoclick_* "$out"/lumoclick-dbgsym_*
mkdir -p "$out/src"
# The files Git knows of, changed or not, and new ones it does not ignore;
# without Git, everything but the build folders.
if git -C "$source" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  (cd "$source" && git ls-files -z --cached --others --exclude-standard |
    while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done |
    tar -c --null -T - -f -) | tar -x -C "$out/src"
else
  tar -c -C "$source" --exclude=./build --exclude=./.git --exclude='./obj-*' -f - . | tar -x -C "$out/src"
fi

cd "$out/src"
# Two jobs at most, and a lower priority: the machines are shared.
if ! DEB_BUILD_OPTIONS="nocheck parallel=2" nice -n 10 dpkg-buildpackage -us -uc -b >"$out/build.log" 2>&1; then
  tail -n 40 "$out/build.log" >&2
  echo "$0: dpkg-buildpackage failed; the whole log is $out/build.log" >&2
  exit 1
fi
tail -n 5 "$out/build.log"
cd "$out"
rm -rf "$out/src"
ls -1 "$out"/lumoclick_*
