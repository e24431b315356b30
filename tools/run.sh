#!/usr/bin/env bash
# Sets up, builds and starts lumoclick from its build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake --preset default && cmake --build --preset default
if [ -z "${DISPLAY:-}" ]; then
  echo "lumoclick: no display; start it under a virtual one: xvfb-run -a build/default/bin/lumoclick" >&2
  exit 2
fi
exec build/default/bin/lumoclick "$@"
